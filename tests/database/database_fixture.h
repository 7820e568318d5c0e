#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "records/database_ui.h"
#include "records/file_system.h"
#include "sample_game.h"

// A seat of a made-up game: who sat there and the points they ended with.
struct SeatSpec {
  int32_t playerId;
  const char* first;
  const char* last;
  int32_t points;
};

// The sample game with its id and seats replaced.
SampleGame MakeGame(int32_t gameId, const std::vector<SeatSpec>& seats);
std::vector<uint8_t> RecordBytes(SampleGame& game);

// Reads every indexed game of the database in `dataDir` completely (a failure
// raises) and returns their ids.
std::vector<int32_t> ReadableGames(const std::string& dataDir, IFileSystem& files = RealFileSystem());

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Records every message and answers questions from a queue (No when empty).
class RecordingUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;

  std::vector<std::string> messages;  // "CAPTION: TEXT"
  std::vector<bool> answers;
  int waits = 0;
  void BeginWait() override { ++waits; }
  void EndWait() override { --waits; }
};

// Each test gets an empty data directory of its own.
class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string Path(const char* name) const { return (dir / name).string(); }
  // Appends games with ids 1000+i and three seats each to the database.
  void StoreGames(int count);

  std::filesystem::path dir;
  RecordingUi ui;
};
