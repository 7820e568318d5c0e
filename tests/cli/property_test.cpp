// Random legal games on both board kinds, with and without tracked trades
// and board generation: every input must be taken back exactly by Undo, and
// while a decision is pending every other input must be refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "random_game_checker.h"

namespace {

// H3D_PROPERTY_GAMES overrides the number of games over all configurations.
int GameCount() {
  if (const char* env = std::getenv("H3D_PROPERTY_GAMES")) return std::max(8, std::atoi(env));
#if H3D_SANITIZED_BUILD
  return 160;
#else
  return 1000;
#endif
}

struct Config {
  int players;
  bool track;
  bool generate;
};

class RandomGames : public ::testing::TestWithParam<Config> {};

std::string ConfigName(const Config& c) {
  return std::string(c.players == 3 ? "Standard" : "Large") + (c.track ? "Tracked" : "Untracked") +
         (c.generate ? "Generated" : "Entered");
}

TEST_P(RandomGames, UndoRestoresEveryInput) {
  const Config config = GetParam();
  const int games = GameCount() / 8;
  const std::filesystem::path data =
      std::filesystem::temp_directory_path() / ("h3d-property-" + ConfigName(config) + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(data);
  int finished = 0;
  long inputs = 0;
  int turns = 0;
  long probes = 0;
  for (int game = 0; game < games; ++game) {
    RandomGameOptions options;
    options.players = config.players;
    options.trackTrades = config.track;
    options.generateBoard = config.generate;
    // Tracked games take long to reach 10 points: some run long enough to end.
    if (game % 16 == 15) options.maxInputs = 1500;
    unsigned seed = static_cast<unsigned>(game * 8 + config.players + 2 * config.track + 4 * config.generate);
    RandomGameChecker checker(seed, options, data.string());
    std::string fault = checker.Play();
    if (!fault.empty()) {
      std::filesystem::path script = std::filesystem::path(::testing::TempDir()) /
                                     ("failed-" + ConfigName(config) + "-" + std::to_string(seed) + ".script");
      std::ofstream(script) << checker.Transcript();
      FAIL() << "seed " << seed << ": " << fault << "\nreplay with: hexstead-cli play " << script.string();
    }
    finished += checker.Finished();
    inputs += checker.Inputs();
    turns += checker.Turns();
    probes += checker.Probes();
  }
  std::cout << ConfigName(config) << ": " << games << " games, " << inputs << " inputs, " << turns
            << " turns, " << finished << " won, " << probes << " pending decisions probed\n";
  std::filesystem::remove_all(data);
  RecordProperty("finishedGames", finished);
}

INSTANTIATE_TEST_SUITE_P(AllBoards, RandomGames,
                         ::testing::Values(Config{3, false, false}, Config{3, true, false}, Config{3, false, true},
                                           Config{3, true, true}, Config{5, false, false}, Config{5, true, false},
                                           Config{5, false, true}, Config{5, true, true}),
                         [](const ::testing::TestParamInfo<Config>& info) { return ConfigName(info.param); });

}  // namespace
