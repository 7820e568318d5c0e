// Writes the driver script of one whole random game, played to its end by a
// random legal player against the current session engine, so the script
// always replays: a fixed clock, then every input with its dialog answers,
// with time passing before rolls, trades and the ends of turns, and a final
// `state` line that prints the counters the game ended with.
//
// usage: whole_game_writer SEED PLAYERS SCRATCH-DIR > game.script
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/session/session.h"
#include "play_runner.h"
#include "random_game.h"

namespace {

constexpr int kMaxInputs = 20000;

// Plays one game; the script when it reached its end, else nothing.
std::vector<std::string> PlayOneGame(unsigned seed, int players, const std::string& scratch) {
  std::filesystem::remove_all(scratch);
  std::mt19937 rng(seed);
  RandomAnswers answers(rng);
  RandomInputs inputs(rng);
  std::ostringstream events;
  PlayRunner runner(&events, scratch, &answers);
  std::vector<std::string> script;
  auto run = [&](const std::string& line) {
    runner.Run(line, static_cast<int>(script.size()) + 1);
    script.push_back(line);
  };
  run("clock 1700000000");
  run("new players=" + std::to_string(players) + " track=1 generate=1");
  std::uniform_int_distribution<int> seconds(5, 400);
  for (int i = 0; i < kMaxInputs; ++i) {
    std::vector<std::string> lines = inputs.Next(runner.Session());
    if (lines.empty()) break;
    std::string verb = lines.back().substr(0, lines.back().find(' '));
    if (verb == "endturn" || verb == "roll" || verb == "trade") run("wait " + std::to_string(seconds(rng)));
    answers.Record();
    for (const std::string& line : lines) runner.Run(line, static_cast<int>(script.size()) + 1);
    // The answers go just before the line that opens their dialogs.
    script.insert(script.end(), lines.begin(), lines.end() - 1);
    script.insert(script.end(), answers.Lines().begin(), answers.Lines().end());
    script.push_back(lines.back());
    if (runner.Session().GameStateNow() == GameOver) {
      script.push_back("state");
      return script;
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: whole_game_writer SEED PLAYERS SCRATCH-DIR\n";
    return 2;
  }
  unsigned seed = static_cast<unsigned>(std::stoul(argv[1]));
  int players = std::stoi(argv[2]);
  try {
    // A random player may wander without ever winning; the next seed then.
    for (unsigned attempt = 0; attempt < 20; ++attempt) {
      std::vector<std::string> script = PlayOneGame(seed + attempt, players, argv[3]);
      if (script.empty()) continue;
      std::cout << "# A whole game written by whole_game_writer (seed " << seed + attempt << ")\n";
      for (const std::string& line : script) std::cout << line << '\n';
      return 0;
    }
  } catch (const std::exception& e) {
    std::cerr << "whole_game_writer: " << e.what() << '\n';
    return 1;
  }
  std::cerr << "whole_game_writer: no game reached its end\n";
  return 1;
}
