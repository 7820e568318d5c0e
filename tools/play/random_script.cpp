#include "random_script.h"

#include <random>

#include "play_runner.h"
#include "random_game.h"

RandomScript PlayRandomScript(const RandomScriptOptions& options, const std::string& dataDir,
                              const std::function<void(const CGameSession&)>& afterInput) {
  std::mt19937 rng(options.seed);
  RandomAnswers answers(rng);
  RandomAnswers::Odds odds;
  odds.acceptWinner = options.acceptWinner;
  answers.SetOdds(odds);
  RandomInputs inputs(rng);
  inputs.SetUndoChance(options.undoChance);
  PlayRunner runner(nullptr, dataDir, &answers);
  runner.SetCheckConsistency(false);
  RandomScript written;
  auto note = [&](const std::string& line) { written.script += line + "\n"; };
  for (const std::string& line :
       {"clock " + std::to_string(1700000000 + 100000LL * options.seed), "seed " + std::to_string(options.seed),
        "new players=" + std::to_string(options.players) + " track=" + (options.trackTrades ? "1" : "0") +
            " generate=1"}) {
    runner.Run(line);
    note(line);
  }
  while (written.inputs < options.maxInputs && runner.Session().GameStateNow() != GameOver) {
    std::vector<std::string> lines = inputs.Next(runner.Session());
    if (lines.empty()) break;
    answers.Record();
    for (const std::string& line : lines) runner.Run(line);
    // Answers are queued: they go before the lines of their input.
    for (const std::string& line : answers.Lines()) note(line);
    for (const std::string& line : lines) note(line);
    ++written.inputs;
    if (afterInput) afterInput(runner.Session());
  }
  written.finished = runner.Session().GameStateNow() == GameOver;
  return written;
}
