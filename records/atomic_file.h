#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "records/file_system.h"

// Durable writing on the disk, under RealFileSystem(). Every byte that
// reaches a stored file there, and every rename or removal of one, goes
// through here, so each change can be forced to the disk before the next one
// starts and tests can stop the program at any step to prove that nothing
// committed is lost.

// A stored file on the disk open for writing at its end.
class CDurableFile : public IWritableFile {
 public:
  using Mode = IFileSystem::WriteMode;

  CDurableFile(const std::filesystem::path& path, Mode mode);
  CDurableFile(const CDurableFile&) = delete;
  CDurableFile& operator=(const CDurableFile&) = delete;
  ~CDurableFile() override;  // closes; what was not synced may be lost in a crash

  uint64_t Size() const override { return end_; }
  void Truncate(uint64_t size) override;
  void Append(std::span<const uint8_t> bytes) override;
  void Sync() override;
  // Sync of the contents only (fdatasync): what an append needs, cheaper
  // than Sync once the file's directory entry is on the disk.
  void SyncData();

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  uint64_t end_ = 0;
  bool created_ = false;
};

// Renames `from` over `to` (replacing it in one step) and syncs the directory.
void DurableRename(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes `path` if it exists and syncs the directory; true when it existed.
bool DurableRemove(const std::filesystem::path& path);

// Crash simulation for tests. Each byte written and each truncate, sync,
// rename and removal is one step; once armed, the process ends with
// kCrashExitCode in the middle of the step that exhausts the budget (a write
// is cut short there), as a power cut would end it.
namespace FileFaults {
inline constexpr int kCrashExitCode = 86;
void CrashAfterSteps(uint64_t steps);
void Disarm();
// Steps taken since the last ResetCount, and the step count at which each
// operation (write, truncate, sync, rename, removal) began; the starts are
// kept only after ResetCount has been called once.
uint64_t StepsTaken();
const std::vector<uint64_t>& OperationStarts();
void ResetCount();
}  // namespace FileFaults
