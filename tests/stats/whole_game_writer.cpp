// Writes the driver script of one whole random game, played to its end by a
// random legal player against the current session engine: a fixed clock and
// random seed, then every input with its dialog answers, with time passing
// before rolls, trades and the ends of turns, and a final `state` line that
// prints the counters the game ended with. The script is then replayed by
// the driver of `hexstead-cli play` into DIR/data (where the game is stored)
// with its output in DIR/play.txt, and must end in the very same state.
//
// usage: whole_game_writer SEED PLAYERS DIR   (writes DIR/game.script)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/session/session.h"
#include "play_runner.h"
#include "play_state_json.h"
#include "random_game.h"

namespace {

constexpr int kMaxInputs = 20000;

struct WrittenGame {
  std::vector<std::string> script;  // empty when the game did not reach its end
  std::string finalState;           // the session's JSON state at the end
};

WrittenGame PlayOneGame(unsigned seed, int players, const std::string& scratch) {
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
  // The board generator draws from the C library generator, whose state
  // carries over from whatever ran before in the process: start it afresh.
  run("seed " + std::to_string(seed));
  run("new players=" + std::to_string(players) + " track=1 generate=1");
  std::uniform_int_distribution<int> seconds(5, 400);
  for (int i = 0; i < kMaxInputs; ++i) {
    std::vector<std::string> lines = inputs.Next(runner.Session());
    if (lines.empty()) break;
    std::string verb = lines.back().substr(0, lines.back().find(' '));
    if (verb == "endturn" || verb == "roll" || verb == "trade") run("wait " + std::to_string(seconds(rng)));
    answers.Record();
    for (const std::string& line : lines) runner.Run(line, static_cast<int>(script.size()) + 1);
    // Answers are queued, so they go before all lines of their input (any
    // line of it may open the dialogs: "build road" opens the bank trade).
    script.insert(script.end(), answers.Lines().begin(), answers.Lines().end());
    script.insert(script.end(), lines.begin(), lines.end());
    if (runner.Session().GameStateNow() == GameOver) {
      script.push_back("state");
      return {script, SessionStateJson(runner.Session()).dump()};
    }
  }
  return {};
}

// Replays a script the way `hexstead-cli play` does (answers queued from the
// script's own lines); a script is only handed out when its replay ends in
// the very same state as the game that wrote it.
bool Replays(const WrittenGame& game, const std::filesystem::path& dir) {
  std::filesystem::remove_all(dir / "data");
  std::ofstream events(dir / "play.txt");
  PlayRunner runner(&events, (dir / "data").string());
  try {
    for (size_t i = 0; i < game.script.size(); ++i) runner.Run(game.script[i], static_cast<int>(i) + 1);
    runner.Finish();
  } catch (const std::exception&) {
    return false;
  }
  return runner.HasSession() && SessionStateJson(runner.Session()).dump() == game.finalState;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: whole_game_writer SEED PLAYERS DIR\n";
    return 2;
  }
  unsigned seed = static_cast<unsigned>(std::stoul(argv[1]));
  int players = std::stoi(argv[2]);
  try {
    // A random player may wander without ever winning; the next seed then.
    for (unsigned attempt = 0; attempt < 20; ++attempt) {
      std::filesystem::path dir = argv[3];
      WrittenGame game = PlayOneGame(seed + attempt, players, (dir / "writer").string());
      if (game.script.empty() || !Replays(game, dir)) continue;
      std::ofstream out(dir / "game.script");
      out << "# A whole game written by whole_game_writer (seed " << seed + attempt << ")\n";
      for (const std::string& line : game.script) out << line << '\n';
      return out.good() ? 0 : 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "whole_game_writer: " << e.what() << '\n';
    return 1;
  }
  std::cerr << "whole_game_writer: no game reached its end\n";
  return 1;
}
