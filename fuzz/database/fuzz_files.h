#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A data directory of this fuzz process, emptied for every input.
std::string FreshDataDir();
void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size);

#include "records/database_ui.h"

// Answers every question with Yes and shows nothing.
class SilentUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};
