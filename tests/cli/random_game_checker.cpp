#include "random_game_checker.h"

#include <algorithm>
#include <sstream>

#include "play_state_json.h"
#include "records/archive.h"

SessionSnapshot SessionSnapshot::Of(const CGameSession& session) {
  SessionSnapshot s;
  CGame game = session.Game();  // Serialize is shared by storing and loading
  CArchive ar(s.record);
  game.Serialize(ar);
  ar.Flush();
  s.turnStart = game.turnStart;
  s.gameOn = game.gameOn;
  s.fields = session.Fields();
  const CBoard& board = session.Board();
  s.pieces.assign(board.Pieces().begin(), board.Pieces().end());
  s.boardValues = {board.robberTile, board.robberPlacer, board.longestRoadLength, board.EntryCursor(),
                   board.FirstChipPosition(), board.SecondChipPosition(), board.AwaitingFirstChip()};
  s.longestRoadPath = board.longestRoadPath;
  s.history = session.History();
  s.undoDepth = session.UndoDepth();
  s.canUndo = session.CanUndo();
  s.chipPanelText = session.ChipPanelText();
  s.pickable = session.PickableIds();
  return s;
}

std::string SessionSnapshot::Differences(const SessionSnapshot& o) const {
  std::string parts;
  auto note = [&](bool same, const char* name) {
    if (!same) parts += std::string(parts.empty() ? "" : ", ") + name;
  };
  note(record == o.record, "game record");
  note(turnStart == o.turnStart && gameOn == o.gameOn, "turnStart/gameOn");
  note(fields == o.fields, "session fields");
  note(pieces == o.pieces, "board pieces");
  note(boardValues == o.boardValues && longestRoadPath == o.longestRoadPath, "board values");
  note(history == o.history, "history");
  note(undoDepth == o.undoDepth && canUndo == o.canUndo, "undo stack");
  note(chipPanelText == o.chipPanelText && pickable == o.pickable, "panels");
  return parts;
}

RandomGameChecker::RandomGameChecker(unsigned seed, const RandomGameOptions& options, const std::string& dataDir)
    : rng_(seed),
      options_(options),
      answers_(rng_),
      inputs_source_(rng_),
      runner_(nullptr, dataDir, &answers_),
      dataDir_(dataDir) {
  inputs_source_.SetUndoChance(options.undoInputChance);
  Run("clock 1700000000");
  Run("seed " + std::to_string(seed));
}

void RandomGameChecker::Run(const std::string& line) {
  runner_.Run(line, static_cast<int>(transcript_.size()) + 1);
  transcript_.push_back(line);
}

void RandomGameChecker::RunAll(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) runner_.Run(line, static_cast<int>(transcript_.size()) + 1);
}

// Writes down the lines of an input with the answers it took just before
// its last line (the one that opens the dialogs).
void RandomGameChecker::Note(const std::vector<std::string>& lines) {
  transcript_.insert(transcript_.end(), lines.begin(), lines.end() - 1);
  transcript_.insert(transcript_.end(), answers_.Lines().begin(), answers_.Lines().end());
  transcript_.push_back(lines.back());
}

std::string RandomGameChecker::Transcript() const {
  std::ostringstream out;
  for (const std::string& line : transcript_) out << line << '\n';
  return out.str();
}

std::string RandomGameChecker::CheckInput(const std::vector<std::string>& lines) {
  CGameSession& session = runner_.Session();
  SessionSnapshot before = SessionSnapshot::Of(session);
  size_t start = transcript_.size();
  size_t depth = session.UndoDepth();
  answers_.Record();
  RunAll(lines);
  Note(lines);
  if (!answers_.Fault().empty()) return answers_.Fault();
  const std::string verb = lines.back().substr(0, lines.back().find(' '));
  if (verb == "undo" || verb == "cancel") return {};  // inputs that take back themselves
  SessionSnapshot after = SessionSnapshot::Of(session);
  if (session.GameStateNow() == GameOver) {
    Run("undo");
    if (!(SessionSnapshot::Of(session) == after)) return "Undo changed a finished game";
    finished_ = true;
    return {};
  }
  if (session.UndoDepth() == depth) {
    if (!(after == before)) return "an input that recorded nothing changed the state: " + DifferenceFrom(start, before, after);
    return {};
  }
  answers_.Undo();
  runner_.Run("undo", static_cast<int>(transcript_.size()) + 1);
  Note({"undo"});
  if (!answers_.Fault().empty()) return answers_.Fault();
  SessionSnapshot undone = SessionSnapshot::Of(session);
  if (!(undone == before)) return "Undo did not restore the state before the input: " + DifferenceFrom(start, before, undone);
  answers_.Replay();
  RunAll(lines);
  Note(lines);
  if (!answers_.Fault().empty()) return answers_.Fault();
  SessionSnapshot again = SessionSnapshot::Of(session);
  if (!(again == after)) return "the input gave another state after Undo: " + after.Differences(again);
  return {};
}

std::string RandomGameChecker::UnwindAll(const SessionSnapshot& empty) {
  CGameSession& session = runner_.Session();
  answers_.Undo();
  while (session.UndoDepth() > 0) {
    size_t depth = session.UndoDepth();
    Run("undo");
    if (!answers_.Fault().empty()) return answers_.Fault();
    if (session.UndoDepth() >= depth) return "Undo took nothing back with " + std::to_string(depth) + " actions left";
  }
  SessionSnapshot now = SessionSnapshot::Of(session);
  if (!(now == empty)) return "undoing everything did not give the new game back: " + DifferenceFrom(3, empty, now);
  return {};
}

std::string RandomGameChecker::DifferenceFrom(size_t lines, const SessionSnapshot& from, const SessionSnapshot& to) {
  std::string parts = from.Differences(to);
  try {
    PlayRunner replay(nullptr, dataDir_);
    for (size_t i = 0; i < lines; ++i) replay.Run(transcript_[i], static_cast<int>(i) + 1);
    std::string patch =
        nlohmann::json::diff(SessionStateJson(replay.Session()), SessionStateJson(runner_.Session())).dump();
    if (patch.size() > 2000) patch = patch.substr(0, 2000) + "...";
    return parts + ": " + patch;
  } catch (const std::exception& e) {
    return parts + " (the transcript did not replay: " + e.what() + ")";
  }
}

std::string RandomGameChecker::Play() {
  try {
    Run("new players=" + std::to_string(options_.players) + " track=" + std::to_string(options_.trackTrades) +
        " generate=" + std::to_string(options_.generateBoard));
    SessionSnapshot empty = SessionSnapshot::Of(runner_.Session());
    for (inputs_ = 0; inputs_ < options_.maxInputs && !finished_; ++inputs_) {
      std::vector<std::string> lines = inputs_source_.Next(runner_.Session());
      if (lines.empty()) break;
      std::string fault = CheckInput(lines);
      turns_ = std::max(turns_, runner_.Session().History().TurnCount());
      if (!fault.empty()) return "after '" + lines.back() + "': " + fault;
    }
    if (finished_) return {};
    return UnwindAll(empty);
  } catch (const ScriptError& e) {
    return "line " + std::to_string(e.line) + ": " + e.what();
  } catch (const std::exception& e) {
    return std::string("exception: ") + e.what();
  }
}
