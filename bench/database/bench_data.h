#pragma once

#include <filesystem>

// Writes game.db, keys.db and player.db into `dir` in one go: `games` games
// of four seats drawn from `players` people, points spread so that some
// games are wins.
void WriteBenchDatabase(const std::filesystem::path& dir, int games, int players);
