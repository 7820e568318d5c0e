#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PlayRunner;

// Reading back a script, and a journal of a game in particular: a script
// whose first line is `journal`.

bool IsJournalText(std::string_view text);
// The whole lines of a journal: a last line without its newline was cut
// short by a crash and is left out. Other scripts are taken as they are.
std::string_view ReplayableText(std::string_view text);

// How far a script ran.
struct ScriptRun {
  int linesRun = 0;           // lines (blank and comment lines included) run
  std::size_t goodBytes = 0;  // the text before the line that failed (all of it when none did)
  int errorLine = 0;          // the line that failed, 0 when none did
  std::string error;          // what was wrong with it
};
// Runs `text` line by line through `runner` and stops before the first line
// that fails (a line the driver cannot read, or an input the game refuses):
// everything before it has happened. Ends with the runner's Finish.
ScriptRun RunScriptText(std::string_view text, PlayRunner& runner);

// What the resume question tells about an unfinished game, read from its
// journal's `new` and `seat` lines (without replaying it).
struct JournalSummary {
  int32_t startSeconds = 0;  // the game record's creation second
  int players = 3;           // the wizard's "3 or 4" (3) or "5 or 6" (5)
  bool trackTrades = false;
  bool generateBoard = false;
  std::vector<std::string> names;  // "First Last" (UTF-8) of the seated players, by seat box
};
std::optional<JournalSummary> SummariseJournal(std::string_view text);
