#include "random_game_checker.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <sstream>

#include "play_state_json.h"
#include "records/archive.h"
#include "records/game_database.h"

RandomGameChecker::RandomGameChecker(unsigned seed, const RandomGameOptions& options, const std::string& dataDir)
    : rng_(seed),
      options_(options),
      answers_(rng_),
      inputs_source_(rng_),
      runner_(nullptr, dataDir, &answers_),
      dataDir_(dataDir) {
  inputs_source_.SetUndoChance(options.undoInputChance);
  runner_.SetDecisionProbe([this](CGameSession& session) { ProbePending(session); });
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
  if (!probeFault_.empty()) return probeFault_;
  if (session.Pending().kind != DecisionKind::None) return "a decision was left pending after the input";
  const std::string verb = lines.back().substr(0, lines.back().find(' '));
  if (verb == "undo" || verb == "cancel") return {};  // inputs that take back themselves
  SessionSnapshot after = SessionSnapshot::Of(session);
  if (session.GameStateNow() == GameOver) {
    Run("undo");
    if (!(SessionSnapshot::Of(session) == after)) return "Undo changed a finished game";
    finished_ = true;
    return CheckStoredGame(session);
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

// Every input but the decision's own answer: each must return false and
// leave the state exactly as it was.
void RandomGameChecker::ProbePending(CGameSession& s) {
  if (!probeFault_.empty()) return;
  ++probes_;
  const SessionSnapshot before = SessionSnapshot::Of(s);
  const DecisionKind kind = s.Pending().kind;
  if (s.CanUndo() || before.fields.undoButtonEnabled) {
    probeFault_ = "Undo was offered while a decision was pending";
    return;
  }
  std::vector<std::pair<const char*, std::function<bool()>>> inputs = {
      {"undo", [&] { return s.UndoLast(); }},
      {"tile", [&] { return s.ChooseTile(0); }},
      {"select", [&] { return s.SelectPlayers({}); }},
      {"order", [&] { return s.SortPlayers({0, 1, 2}); }},
      {"cancel order", [&] { return s.CancelPlayerOrder(); }},
      {"continue", [&] { return s.OnContinue(); }},
      {"build settlement", [&] { return s.OnBuild(PurchaseSettlement); }},
      {"build city", [&] { return s.OnBuild(PurchaseCity); }},
      {"build road", [&] { return s.OnBuild(PurchaseRoad); }},
      {"endturn", [&] { return s.OnEndTurn(); }},
      {"buy", [&] { return s.OnBuyCard(); }},
      {"play monopoly", [&] { return s.PlayMonopoly(1); }},
      {"play roadbuilding", [&] { return s.PlayRoadBuilding(); }},
      {"play yop", [&] { return s.PlayYearOfPlenty({1, 1, 0, 0, 0}); }},
      {"play soldier", [&] { return s.PlaySoldier(); }},
      {"banktrade", [&] { return s.TradeWithBank(0, 1) || s.TradeWithBank(4, 2); }},
      {"trade", [&] { return s.TradeWithPlayer((s.CurrentPlayer() + 1) % 3, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}); }},
  };
  for (int total = 2; total <= 12; ++total) inputs.push_back({"roll", [&s, total] { return s.OnRoll(total); }});
  for (int p = 0; p < 6; ++p) inputs.push_back({"play vp", [&s, p] { return s.PlayVictoryPoint(p); }});
  // Board clicks: everything offered before the decision opened, and the
  // robber's places.
  std::vector<int32_t> clicks = s.PickableIds();
  for (int b = 0; b < s.Board().LandCount(); ++b) clicks.push_back(b);
  for (int32_t id : clicks) inputs.push_back({"pick", [&s, id] { return s.Pick(id) || s.PickRoadSide(id / 10, id % 10); }});
  // The answers of the other decisions, and Cancel where there is none.
  if (kind != DecisionKind::Discards) inputs.push_back({"answer discard", [&] { return s.AnswerDiscards({}); }});
  if (kind != DecisionKind::Steal) inputs.push_back({"answer steal", [&] { return s.AnswerSteal({0, 5}); }});
  if (kind != DecisionKind::BankTradeResource)
    inputs.push_back({"answer banktrade", [&] { return s.AnswerBankTradeResource(0); }});
  if (kind != DecisionKind::VictoryPointCard) inputs.push_back({"answer yesno", [&] { return s.AnswerVictoryPointCard(true); }});
  if (kind != DecisionKind::Winner) inputs.push_back({"answer gameover", [&] { return s.AnswerWinner(true); }});
  if (kind != DecisionKind::HiddenPoints) inputs.push_back({"answer hidden", [&] { return s.AnswerHiddenPoints(0); }});
  if (!s.Pending().Cancellable()) inputs.push_back({"cancel", [&] { return s.CancelDecision(); }});
  for (const auto& [name, input] : inputs) {
    if (input()) {
      probeFault_ = std::string("'") + name + "' was taken while a decision was pending";
      return;
    }
    SessionSnapshot now = SessionSnapshot::Of(s);
    if (!(now == before)) {
      probeFault_ = std::string("a refused '") + name + "' changed the state while a decision was pending: " +
                    before.Differences(now);
      return;
    }
  }
}

// The finished game as stored is the game as it ended: nothing of a
// decision (or anything else) is missing or added.
std::string RandomGameChecker::CheckStoredGame(const CGameSession& session) {
  if (session.Pending().kind != DecisionKind::None) return "a decision is pending in a finished game";
  CGameDatabase database(dataDir_);
  int count = database.GameCount();
  if (count <= 0) return "the finished game was not stored";
  CGame stored;
  CHistoryLog history;
  CBoard board;
  database.ReadRecord(count - 1, stored, history, board);
  std::vector<uint8_t> storedBytes, liveBytes;
  CGame live = session.Game();
  {
    CArchive a(storedBytes);
    stored.Serialize(a);
    a.Flush();
  }
  {
    CArchive b(liveBytes);
    live.Serialize(b);
    b.Flush();
  }
  if (storedBytes != liveBytes) return "the stored game differs from the game as it ended";
  if (!(history == session.History().Log())) return "the stored history differs from the game's";
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
