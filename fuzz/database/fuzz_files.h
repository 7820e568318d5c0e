#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "records/database_ui.h"
#include "records/memory_file_system.h"

// The data directory of every fuzz input; its files live in memory, so an
// input costs no disk work and leaves nothing behind.
inline constexpr const char* kFuzzDataDir = "data";

inline void WriteFuzzFile(CMemoryFileSystem& files, const std::string& name, const uint8_t* data, std::size_t size) {
  files.Write(std::string(kFuzzDataDir) + "/" + name, std::vector<uint8_t>(data, data + size));
}

// Answers every question with Yes and shows nothing.
class SilentUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};
