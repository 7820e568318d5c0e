#include "random_game_checker.h"

#include <sstream>

#include "play_state_json.h"

SessionSnapshot SessionSnapshot::Of(const CGameSession& session) {
  const auto pieces = session.Board().Pieces();
  return SessionSnapshot{SessionStateJson(session), session.Fields(),
                         std::vector<CBoardPiece>(pieces.begin(), pieces.end()), session.History()};
}

std::string SnapshotDifference(const SessionSnapshot& from, const SessionSnapshot& to) {
  std::string patch = nlohmann::json::diff(from.state, to.state).dump();
  if (patch.size() > 2000) patch = patch.substr(0, 2000) + "...";
  if (patch == "[]") {
    if (!(from.fields == to.fields)) return "session fields differ";
    if (!(from.pieces == to.pieces)) return "board pieces differ";
    return "history differs";
  }
  return patch;
}

RandomGameChecker::RandomGameChecker(unsigned seed, const RandomGameOptions& options, const std::string& dataDir)
    : rng_(seed), options_(options), answers_(rng_), inputs_source_(rng_), runner_(nullptr, dataDir, &answers_) {
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
    if (!(after == before)) return "an input that recorded nothing changed the state: " + SnapshotDifference(before, after);
    return {};
  }
  answers_.Undo();
  runner_.Run("undo", static_cast<int>(transcript_.size()) + 1);
  Note({"undo"});
  if (!answers_.Fault().empty()) return answers_.Fault();
  SessionSnapshot undone = SessionSnapshot::Of(session);
  if (!(undone == before)) return "Undo did not restore the state before the input: " + SnapshotDifference(before, undone);
  answers_.Replay();
  RunAll(lines);
  Note(lines);
  if (!answers_.Fault().empty()) return answers_.Fault();
  SessionSnapshot again = SessionSnapshot::Of(session);
  if (!(again == after)) return "the input gave another state after Undo: " + SnapshotDifference(after, again);
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
  if (!(now == empty)) return "undoing everything did not give the new game back: " + SnapshotDifference(empty, now);
  return {};
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
