#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The text form of a driver script: one command per line, `#` starts a
// comment, names are written in double quotes. Every input and every dialog
// answer of a game is one such line, so a script replays a game exactly.

// A fault in a script (bad syntax, an input the game refuses to take, a
// dialog without an answer); reported as "error: line N: WHAT".
struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& what) : std::runtime_error(what), line(line) {}
  int line;
};

struct ScriptLine {
  int number = 0;                   // 1-based line in the script
  std::vector<std::string> words;   // quoted words arrive without their quotes
};

// Splits one line into words. Inside quotes `\"` and `\\` stand for a quote
// and a backslash; a quote left open is an error.
std::vector<std::string> SplitScriptLine(std::string_view text, int lineNumber);

// Splits a whole script, dropping blank and comment-only lines.
std::vector<ScriptLine> ParseScript(std::string_view text);

// Quotes a word for a script line when it needs it (spaces, quotes, `#`, empty).
std::string QuoteScriptWord(const std::string& word);

// Word readers shared by the commands; each throws ScriptError with the line.
int ParseInt(const std::string& word, int line);
int ParseIntIn(const std::string& word, int low, int high, int line);
// A resource by number 0..4 or by name ("ore", "Ore", "ORE").
int ParseResource(const std::string& word, int line);
// "key=value" with the expected key; returns the value.
int ParseKeyValue(const std::string& word, const std::string& key, int line);
