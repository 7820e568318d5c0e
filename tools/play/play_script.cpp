#include "play_script.h"

#include <array>
#include <cctype>
#include <charconv>

#include "engine/board/tile_type.h"

namespace {


std::string Lower(std::string word) {
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

}  // namespace

std::vector<std::string> SplitScriptLine(std::string_view text, int lineNumber) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '#') break;
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    std::string word;
    if (c == '"') {
      ++i;
      bool closed = false;
      while (i < text.size()) {
        char q = text[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q == '\\' && i < text.size() && (text[i] == '"' || text[i] == '\\')) q = text[i++];
        word += q;
      }
      if (!closed) throw ScriptError(lineNumber, "unterminated quoted name");
      if (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '#')
        throw ScriptError(lineNumber, "a quoted name must be followed by a space");
    } else {
      while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '#') {
        if (text[i] == '"') throw ScriptError(lineNumber, "a quote inside a word");
        word += text[i++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::vector<ScriptLine> ParseScript(std::string_view text) {
  std::vector<ScriptLine> lines;
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++number;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> words = SplitScriptLine(line, number);
    if (!words.empty()) lines.push_back(ScriptLine{number, std::move(words)});
    if (end == text.size()) break;
    start = end + 1;
  }
  return lines;
}

std::string QuoteScriptWord(const std::string& word) {
  bool plain = !word.empty();
  for (char c : word)
    if (std::isspace(static_cast<unsigned char>(c)) || c == '"' || c == '#' || c == '\\') plain = false;
  if (plain) return word;
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

int ParseInt(const std::string& word, int line) {
  int value = 0;
  const char* first = word.data();
  const char* last = first + word.size();
  if (!word.empty() && word[0] == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (word.empty() || ec != std::errc() || ptr != last)
    throw ScriptError(line, "'" + word + "' is not a number");
  return value;
}

int ParseIntIn(const std::string& word, int low, int high, int line) {
  int value = ParseInt(word, line);
  if (value < low || value > high)
    throw ScriptError(line, "'" + word + "' is not in " + std::to_string(low) + ".." + std::to_string(high));
  return value;
}


int ParseResource(const std::string& word, int line) {
  std::string lower = Lower(word);
  for (int r = 0; r < kResourceCount; ++r)
    if (lower == LowerTileName(r)) return r;
  if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0]))) return ParseIntIn(word, 0, 4, line);
  throw ScriptError(line, "'" + word + "' is not a resource");
}

int ParseKeyValue(const std::string& word, const std::string& key, int line) {
  if (word.rfind(key + "=", 0) != 0) throw ScriptError(line, "expected " + key + "=...");
  return ParseInt(word.substr(key.size() + 1), line);
}
