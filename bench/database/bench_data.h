#pragma once

#include <chrono>
#include <filesystem>

// Writes game.db, keys.db and player.db into `dir` in one go: `games` games
// of four seats drawn from `players` people, points spread so that some
// games are wins.
void WriteBenchDatabase(const std::filesystem::path& dir, int games, int players);

// Wall-clock milliseconds that `run` takes.
inline double Millis(const auto& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
