#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "records/file_system.h"

// Raised by CMemoryFileSystem when a simulated power cut stops the program.
// It is not a std::exception, so no handler of the program takes it for a
// file error and carries on.
struct CPowerCut {};

// Stored files kept in memory, for fuzzing the databases and for tests.
// Paths are compared after lexical normalisation; a file open for reading
// or writing keeps its bytes when it is renamed or removed, as on the disk.
//
// A power cut can be armed: each byte written and each truncate, sync,
// rename and removal is one step, and the step that exhausts the budget is
// cut short (a write keeps the bytes before it) and raises CPowerCut. From
// then on every change raises CPowerCut and changes nothing, so no clean-up
// code runs on the files; Files() holds what a restart would find.
class CMemoryFileSystem : public IFileSystem {
 public:
  using FileMap = std::map<std::string, std::vector<uint8_t>>;

  CMemoryFileSystem() = default;
  explicit CMemoryFileSystem(const FileMap& files);

  std::unique_ptr<IReadableFile> OpenRead(const std::string& path) override;
  std::unique_ptr<IWritableFile> OpenWrite(const std::string& path, WriteMode mode) override;
  bool IsFile(const std::string& path) override;
  void Rename(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;

  // A copy of every file's bytes, by normalised path.
  FileMap Files() const;
  void Write(const std::string& path, std::vector<uint8_t> bytes);  // no steps counted

  // --- power cuts ---------------------------------------------------------------
  void CutPowerAfter(uint64_t steps);
  uint64_t StepsTaken() const { return taken_; }
  bool PowerCut() const { return dead_; }

  // Used by the open files.
  uint64_t BeginSteps(uint64_t wanted);  // how many of `wanted` steps may run
  [[noreturn]] void Cut();

 private:
  using Bytes = std::shared_ptr<std::vector<uint8_t>>;
  static std::string Key(const std::string& path);

  std::map<std::string, Bytes> files_;
  bool armed_ = false;
  bool dead_ = false;
  uint64_t budget_ = 0;
  uint64_t taken_ = 0;
};
