#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/session/history_log.h"
#include "play_script.h"

class CGameSession;
class PlayRunner;

// A stored game's replay (the driver script of every input that made it)
// looked at input by input. Position K is the game right after the script's
// K-th input and the dialog answers it took; position 0 is the new game
// before any input. A position's state is reached by running the driver over
// the script up to that input, read-only: nothing is stored or added to the
// data directory, and the program's clock is left as it was.
class ReplayPositions {
 public:
  // What a position shows beside the slider and in the history.
  struct Position {
    std::size_t historyLines = 0;  // lines (groups and entries) of the history
    int32_t turn = 0;              // turn groups opened so far; 0 during the set-up
    std::string group;             // the newest group: "Turn 3 - Ann Lee", "Board Setup" (Windows-1252)
    std::string entry;             // the newest entry's text, empty when there is none
  };

  // The history as the window shows it at a position: the position's own
  // lines, then the lines the game went on to add, to be greyed.
  struct ShownHistory {
    CHistoryLog log;
    std::size_t current = 0;      // lines of the position itself
    std::size_t futureStart = 0;  // index in the final history of the first line after them
  };

  // Runs the whole script once (to the last position, where the session is
  // then kept). Throws ScriptError for a bad line, an input the game refuses
  // to take, or a script that is not one game.
  ReplayPositions(std::string_view script, std::string dataDir);
  ~ReplayPositions();

  // --- the positions ----------------------------------------------------------
  int InputCount() const { return static_cast<int>(inputLines_.size()); }
  const Position& At(int position) const { return positions_.at(static_cast<std::size_t>(position)); }
  const CHistoryLog& FinalHistory() const { return finalHistory_; }
  // The script's text up to and including input `position` (what `play`
  // runs to reach it).
  std::string ScriptPrefix(int position) const;

  // --- moving by turn -----------------------------------------------------------
  // The last position of turn `turn` (0: the set-up), -1 when the game has no such turn.
  int LastPositionOfTurn(int32_t turn) const;
  // The nearest turn end after `position` (the last position when none), and
  // before it (position 1 when none).
  int NextTurnEnd(int position) const;
  int PreviousTurnEnd(int position) const;

  // --- the history ----------------------------------------------------------------
  ShownHistory HistoryShownWith(const CHistoryLog& now) const;
  // The position right after shown line `line` was added, seen from
  // `position` whose shown history is `shown`.
  int PositionAfterShownLine(std::size_t line, int position, const ShownHistory& shown) const;

  // --- the session ------------------------------------------------------------------
  // The session right after input `position`. The last position's session is
  // kept from the first run; any other continues the session last returned
  // when it lies ahead of it, or runs the script afresh. The pointer keeps
  // its session alive. Throws ScriptError as the constructor does.
  std::shared_ptr<CGameSession> SessionAt(int position);

 private:
  void StartRun();
  void RunTo(int position);
  Position Describe() const;

  // A line of the script that does something (not blank, not a comment).
  struct Line {
    int number = 0;  // 1-based in the script
    std::string text;
  };

  std::string dataDir_;
  std::vector<std::string> rawLines_;       // the whole script as written
  std::vector<Line> lines_;
  std::vector<std::size_t> inputLines_;     // index in lines_ of each input
  std::vector<Position> positions_;         // 0..InputCount()
  std::vector<int> turnEnds_;               // positions that end a turn, ascending
  CHistoryLog finalHistory_;
  std::shared_ptr<PlayRunner> end_;         // parked at the last position
  std::shared_ptr<PlayRunner> runner_;      // moves between the others
  std::size_t nextLine_ = 0;                // the runner's next line
  int at_ = 0;                              // the runner's position
  std::optional<double> clock_;             // the replay's own clock between runs
};
