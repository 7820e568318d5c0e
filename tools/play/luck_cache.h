#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/file_system.h"

// The production luck per seat of replays already run, kept beside the
// replays so that the per-player summary runs each replay once. One line per
// replay: its file name, its size and the FNV-1a hash of its bytes (the key:
// a replaced replay is run again), the number of seats and each seat's luck.
// Lines are only appended; a line that does not read (torn by a crash, edited
// by hand) is passed over, and a lost write only costs a replay later.
class CLuckCache {
 public:
  CLuckCache(std::string path, IFileSystem& files);

  static std::string KeyOf(const std::string& fileName, std::span<const uint8_t> bytes);
  std::optional<std::vector<double>> Find(const std::string& key);
  void Add(const std::string& key, const std::vector<double>& seats);

  // The complete, well-formed lines of a cache file, by key.
  static std::map<std::string, std::vector<double>> Parse(std::string_view text);

 private:
  void Load();

  std::string path_;
  IFileSystem& files_;
  bool loaded_ = false;
  std::map<std::string, std::vector<double>> entries_;
};
