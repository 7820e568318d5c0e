#include "random_script.h"

#include <random>

#include "play_runner.h"
#include "random_game.h"

RandomScript PlayRandomScript(const RandomScriptOptions& options, const std::string& dataDir,
                              const std::function<void(const CGameSession&)>& afterInput) {
  RandomGame game(options.seed, dataDir);
  RandomAnswers::Odds odds;
  odds.acceptWinner = options.acceptWinner;
  game.Answers().SetOdds(odds);
  game.Inputs().SetUndoChance(options.undoChance);
  game.Runner().SetCheckConsistency(false);
  RandomScript written;
  auto note = [&](const std::string& line) { written.script += line + "\n"; };
  for (const std::string& line :
       {"clock " + std::to_string(1700000000 + 100000LL * options.seed), "seed " + std::to_string(options.seed),
        "new players=" + std::to_string(options.players) + " track=" + (options.trackTrades ? "1" : "0") +
            " generate=1"}) {
    game.Runner().Run(line);
    note(line);
  }
  while (written.inputs < options.maxInputs && game.Session().GameStateNow() != GameOver) {
    std::vector<std::string> lines = game.NextInput();
    if (lines.empty()) break;
    for (const std::string& line : game.Play(lines)) note(line);
    ++written.inputs;
    if (afterInput) afterInput(game.Session());
  }
  written.finished = game.Session().GameStateNow() == GameOver;
  return written;
}
