#pragma once

#include <string>

#include "records/player.h"
#include "records/player_database.h"

// Seating a player by name for the driver: the person is looked up in the
// player database of the data directory, and added to it when missing.
class PlayerFile {
 public:
  explicit PlayerFile(const std::string& dataDir, IFileSystem& files = RealFileSystem()) : database_(dataDir, files) {}

  // Reads DIR/player.db; a missing file is an empty list.
  void Load() { database_.Load(); }

  // The first player with these names (Windows-1252); a new person (with the
  // clock's seconds as its id) is added to the database when there is none,
  // or only made when `add` is false.
  CPlayer FindOrAdd(const std::string& firstName, const std::string& lastName, bool add = true);

 private:
  CPlayerDatabase database_;
};
