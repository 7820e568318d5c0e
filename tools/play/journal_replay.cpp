#include "journal_replay.h"

#include <map>

#include "play_runner.h"
#include "play_script.h"

namespace {

// The lines of `text` with the offset each starts at.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    std::string_view line = text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!visit(++number, start, line)) return;
    start = next;
  }
}

std::vector<std::string> WordsOf(std::string_view line) {
  try {
    return SplitScriptLine(line, 0);
  } catch (const ScriptError&) {
    return {};
  }
}

}  // namespace

bool IsJournalText(std::string_view text) {
  bool journal = false;
  ForEachLine(text, [&](int, std::size_t, std::string_view line) {
    std::vector<std::string> words = WordsOf(line);
    if (words.empty()) return true;  // blank or comment: look on
    journal = words.size() == 1 && words[0] == "journal";
    return false;
  });
  return journal;
}

std::string_view ReplayableText(std::string_view text) {
  // A journal cut short inside its very first line holds nothing.
  if (text.find('\n') == std::string_view::npos && !text.empty() && std::string_view("journal").starts_with(text))
    return {};
  if (!IsJournalText(text)) return text;
  std::size_t lastNewline = text.rfind('\n');
  return lastNewline == std::string_view::npos ? std::string_view{} : text.substr(0, lastNewline + 1);
}

ScriptRun RunScriptText(std::string_view text, PlayRunner& runner) {
  ScriptRun run;
  ForEachLine(text, [&](int number, std::size_t start, std::string_view line) {
    try {
      runner.Run(std::string(line), number);
    } catch (const ScriptError& e) {
      run.errorLine = e.line > 0 ? e.line : number;
      run.error = e.what();
    } catch (const std::exception& e) {
      run.errorLine = number;
      run.error = e.what();
    }
    if (run.errorLine != 0) {
      run.goodBytes = start;
      return false;
    }
    run.linesRun = number;
    return true;
  });
  if (run.errorLine != 0) return run;
  run.goodBytes = text.size();
  try {
    runner.Finish();
  } catch (const ScriptError& e) {
    run.errorLine = e.line;
    run.error = e.what();
  }
  return run;
}

std::optional<JournalSummary> SummariseJournal(std::string_view text) {
  std::optional<JournalSummary> summary;
  std::map<int, std::string> seats;
  ForEachLine(ReplayableText(text), [&](int, std::size_t, std::string_view line) {
    std::vector<std::string> w = WordsOf(line);
    if (w.size() == 5 && w[0] == "new") {
      JournalSummary found;
      try {
        found.players = ParseKeyValue(w[1], "players", 0);
        found.trackTrades = ParseKeyValue(w[2], "track", 0) != 0;
        found.generateBoard = ParseKeyValue(w[3], "generate", 0) != 0;
        found.startSeconds = ParseKeyValue(w[4], "start", 0);
        summary = found;
      } catch (const ScriptError&) {
      }
      seats.clear();
    } else if (w.size() >= 4 && w[0] == "seat") {
      seats[std::atoi(w[1].c_str())] = w[2] + " " + w[3];
    } else if (w.size() == 2 && w[0] == "unseat") {
      seats.erase(std::atoi(w[1].c_str()));
    }
    return true;
  });
  if (summary)
    for (const auto& [box, name] : seats) summary->names.push_back(name);
  return summary;
}
