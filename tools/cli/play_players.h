#pragma once

#include <string>
#include <vector>

#include "records/player.h"

// The player database file DIR/player.db as the driver needs it: seating a
// player by name finds the person, or adds a new one. Holds the list in file
// order (int32 count, then each CPlayer) and rewrites the whole file on Add.
class PlayerFile {
 public:
  explicit PlayerFile(std::string path) : path_(std::move(path)) {}

  // Reads the file; a missing file is an empty list.
  void Load();
  // Writes the whole list through a temporary file renamed over the old one.
  // Throws when the file cannot be written.
  void Save() const;

  // The first player with these names (Windows-1252); added (with the
  // clock's seconds as its id) and saved when there is none.
  CPlayer FindOrAdd(const std::string& firstName, const std::string& lastName);

  const std::vector<CPlayer>& Players() const { return players_; }

 private:
  std::string path_;
  std::vector<CPlayer> players_;
};
