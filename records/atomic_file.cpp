#include "records/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

struct FaultState {
  bool armed = false;
  bool recording = false;  // tests only: keep the operation starts
  uint64_t budget = 0;  // steps left before the simulated crash
  uint64_t taken = 0;
  std::vector<uint64_t> starts;
};

FaultState& Faults() {
  static FaultState state;
  return state;
}

// Announces an operation of `wanted` steps; returns how many of them may run.
// When that is fewer, the caller does those and then calls CrashNow.
uint64_t BeginSteps(uint64_t wanted) {
  FaultState& f = Faults();
  if (f.recording) f.starts.push_back(f.taken);
  uint64_t allowed = f.armed ? std::min(wanted, f.budget) : wanted;
  if (f.armed) f.budget -= allowed;
  f.taken += allowed;
  return allowed;
}

[[noreturn]] void CrashNow() { _exit(FileFaults::kCrashExitCode); }

void SyncDirectoryOf(const std::filesystem::path& path) {
  std::filesystem::path dir = path.parent_path();
  if (dir.empty()) dir = ".";
  if (BeginSteps(1) == 0) CrashNow();
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) throw CFileError("cannot open the directory of", path, errno);
  int rc = ::fsync(fd);
  int error = errno;
  ::close(fd);
  // Some file systems cannot sync a directory; the rename itself has happened.
  if (rc != 0 && error != EINVAL && error != EROFS) throw CFileError("cannot sync the directory of", path, error);
}

}  // namespace

// ---------------------------------------------------------------- CDurableFile

CDurableFile::CDurableFile(const std::filesystem::path& path, Mode mode) : path_(path) {
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::create ? O_TRUNC : 0);
  struct stat info {};
  created_ = ::stat(path.c_str(), &info) != 0;
  fd_ = ::open(path.c_str(), flags, 0644);
  if (fd_ < 0) throw CFileError("cannot open", path, errno);
  off_t end = ::lseek(fd_, 0, SEEK_END);
  if (end < 0) {
    int error = errno;
    ::close(fd_);
    throw CFileError("cannot find the end of", path, error);
  }
  end_ = static_cast<uint64_t>(end);
}

CDurableFile::~CDurableFile() {
  if (fd_ >= 0) ::close(fd_);
}

void CDurableFile::Truncate(uint64_t size) {
  if (size >= end_) return;
  if (BeginSteps(1) == 0) CrashNow();
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) throw CFileError("cannot shorten", path_, errno);
  end_ = size;
}

void CDurableFile::Append(std::span<const uint8_t> bytes) {
  uint64_t allowed = BeginSteps(bytes.size());
  std::size_t done = 0;
  while (done < allowed) {
    ssize_t n = ::pwrite(fd_, bytes.data() + done, allowed - done, static_cast<off_t>(end_ + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw CFileError("cannot write", path_, n < 0 ? errno : ENOSPC);
    done += static_cast<std::size_t>(n);
  }
  end_ += done;
  if (allowed < bytes.size()) CrashNow();
}

void CDurableFile::Sync() {
  if (BeginSteps(1) == 0) CrashNow();
  if (::fsync(fd_) != 0) throw CFileError("cannot sync", path_, errno);
  if (created_) {
    SyncDirectoryOf(path_);
    created_ = false;
  }
}

void CDurableFile::SyncData() {
  if (created_) {
    Sync();
    return;
  }
  if (BeginSteps(1) == 0) CrashNow();
  if (::fdatasync(fd_) != 0) throw CFileError("cannot sync", path_, errno);
}

// ---------------------------------------------------------------- whole files

void DurableRename(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (BeginSteps(1) == 0) CrashNow();
  if (std::rename(from.c_str(), to.c_str()) != 0) throw CFileError("cannot rename " + from.string() + " to", to, errno);
  SyncDirectoryOf(to);
}

bool DurableRemove(const std::filesystem::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return false;
  if (BeginSteps(1) == 0) CrashNow();
  if (::unlink(path.c_str()) != 0) {
    if (errno == ENOENT) return false;
    throw CFileError("cannot delete", path, errno);
  }
  SyncDirectoryOf(path);
  return true;
}

// ---------------------------------------------------------------- test hooks

namespace FileFaults {

void CrashAfterSteps(uint64_t steps) {
  Faults().armed = true;
  Faults().budget = steps;
}

void Disarm() { Faults().armed = false; }

uint64_t StepsTaken() { return Faults().taken; }

const std::vector<uint64_t>& OperationStarts() { return Faults().starts; }

void ResetCount() {
  Faults().taken = 0;
  Faults().starts.clear();
  Faults().recording = true;
}

}  // namespace FileFaults
