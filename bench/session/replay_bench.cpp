// Replays a recorded game of about 1,000 actions through a fresh session and
// takes it back completely with Undo; prints actions per second against the
// 100,000/s target, and the replay's cost relative to reading the recorded
// script (tokenising its lines), measured in the same run.
//
// usage: bench_session_replay [ACTIONS] [REPEATS] [--save FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "play_runner.h"
#include "random_game.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetActionsPerSecond = 100000.0;

// Plays a random tracked game on the standard board until `actions` actions
// are recorded; the winner's dialog is always answered with Undo so the game
// runs on. Returns the script: every input with its answers before it.
std::vector<std::string> RecordGame(size_t actions, const std::string& dataDir) {
  RandomGame game(20240601, dataDir);
  RandomAnswers::Odds odds;
  odds.acceptWinner = 0.0;
  game.Answers().SetOdds(odds);
  std::vector<std::string> script = {"clock 1700000000", "seed 11", "new players=3 track=1 generate=0"};
  for (const std::string& line : script) game.Runner().Run(line);
  CGameSession& session = game.Session();
  bool wonAndUndone = false;
  // Inputs that take themselves back (a winner's Undo, a cancelled steal)
  // record nothing; the bound keeps a game that only does those finite.
  for (size_t step = 0; session.UndoDepth() < actions && step < 20 * actions; ++step) {
    std::vector<std::string> lines = game.NextInput();
    if (lines.empty()) break;
    // A build that would win was taken back by the winner's dialog: leave the
    // placement with Undo instead of trying every site.
    if (wonAndUndone && session.GameStateNow() >= PlaceRoad && session.GameStateNow() <= PlaceSettlement)
      lines = {"undo"};
    size_t depth = session.UndoDepth();
    const std::vector<std::string> played = game.Play(lines);
    wonAndUndone = session.UndoDepth() == depth &&
                   std::find(played.begin(), played.end(), WinnerAnswerLine(false)) != played.end();
    script.insert(script.end(), played.begin(), played.end());
  }
  return script;
}

struct Timing {
  double replaySeconds = 0;
  double undoSeconds = 0;
  double parseSeconds = 0;
  size_t actions = 0;
};

Timing RunOnce(const std::vector<std::string>& script, const std::string& dataDir) {
  Timing t;
  auto start = Clock::now();
  std::vector<ScriptLine> lines;
  lines.reserve(script.size());
  for (size_t i = 0; i < script.size(); ++i) lines.push_back({static_cast<int>(i + 1), SplitScriptLine(script[i], 1)});
  t.parseSeconds = std::chrono::duration<double>(Clock::now() - start).count();

  PlayRunner runner(nullptr, dataDir);
  runner.SetCheckConsistency(false);
  start = Clock::now();
  for (size_t i = 0; i < lines.size(); ++i) runner.Run(lines[i], script[i]);
  t.replaySeconds = std::chrono::duration<double>(Clock::now() - start).count();
  CGameSession& session = runner.Session();
  t.actions = session.UndoDepth();

  // Undoing a steal leaves the steal pending again; its Cancel takes the
  // robber move back, and the two count as one step.
  start = Clock::now();
  while (session.UndoDepth() > 0) {
    if (!session.UndoLast()) break;
    if (session.Pending().kind == DecisionKind::Steal) session.CancelDecision();
  }
  t.undoSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (session.UndoDepth() != 0) std::fprintf(stderr, "undo stopped with %zu actions left\n", session.UndoDepth());
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  size_t actions = 1000;
  int repeats = 20;
  std::string saveTo;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--save" && i + 1 < argc) saveTo = argv[++i];
    else positional.push_back(arg);
  }
  if (positional.size() > 0) actions = std::strtoul(positional[0].c_str(), nullptr, 10);
  if (positional.size() > 1) repeats = std::max(1, std::atoi(positional[1].c_str()));

  std::filesystem::path data = std::filesystem::temp_directory_path() / "h3d-bench-session";
  std::filesystem::remove_all(data);
  std::vector<std::string> script = RecordGame(actions, data.string());
  if (!saveTo.empty()) {
    std::ofstream out(saveTo);
    for (const std::string& line : script) out << line << '\n';
  }

  Timing best;
  best.replaySeconds = best.undoSeconds = best.parseSeconds = 1e9;
  for (int r = 0; r < repeats; ++r) {
    Timing t = RunOnce(script, data.string());
    best.actions = t.actions;
    best.replaySeconds = std::min(best.replaySeconds, t.replaySeconds);
    best.undoSeconds = std::min(best.undoSeconds, t.undoSeconds);
    best.parseSeconds = std::min(best.parseSeconds, t.parseSeconds);
  }
  std::filesystem::remove_all(data);

  double replayRate = best.actions / best.replaySeconds;
  double undoRate = best.actions / best.undoSeconds;
  double overall = 2.0 * best.actions / (best.replaySeconds + best.undoSeconds);
  std::printf("recorded game: %zu script lines, %zu actions (best of %d runs)\n", script.size(), best.actions, repeats);
  std::printf("replay:        %10.0f actions/s  (%.2f x target)\n", replayRate, replayRate / kTargetActionsPerSecond);
  std::printf("undo all:      %10.0f actions/s  (%.2f x target)\n", undoRate, undoRate / kTargetActionsPerSecond);
  std::printf("replay + undo: %10.0f actions/s  (%.2f x target of %.0f/s)\n", overall,
              overall / kTargetActionsPerSecond, kTargetActionsPerSecond);
  std::printf("reference, tokenising the script: %.1f us; replay takes %.1f x that\n", best.parseSeconds * 1e6,
              best.replaySeconds / best.parseSeconds);
  return 0;
}
