#include "records/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "records/atomic_file.h"

namespace {

// A regular file on the disk, read with pread so that readers at different
// positions never disturb each other.
class CDiskReadFile : public IReadableFile {
 public:
  CDiskReadFile(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~CDiskReadFile() override { ::close(fd_); }
  CDiskReadFile(const CDiskReadFile&) = delete;
  CDiskReadFile& operator=(const CDiskReadFile&) = delete;

  uint64_t Size() const override { return size_; }

  std::size_t ReadAt(uint64_t offset, void* data, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      ssize_t got = ::pread(fd_, static_cast<uint8_t*>(data) + done, n - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      done += static_cast<std::size_t>(got);
    }
    return done;
  }

 private:
  int fd_;
  uint64_t size_;
};

class CDiskFileSystem : public IFileSystem {
 public:
  std::unique_ptr<IReadableFile> OpenRead(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<CDiskReadFile>(fd, static_cast<uint64_t>(info.st_size));
  }

  std::unique_ptr<IWritableFile> OpenWrite(const std::string& path, WriteMode mode) override {
    return std::make_unique<CDurableFile>(path, mode);
  }

  bool IsFile(const std::string& path) override {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
  }

  void Rename(const std::string& from, const std::string& to) override { DurableRename(from, to); }
  bool Remove(const std::string& path) override { return DurableRemove(path); }
};

}  // namespace

CFileError::CFileError(const std::string& what, const std::string& p, int error)
    : std::runtime_error(what + " " + p + (error != 0 ? std::string(": ") + std::strerror(error) : "")), path(p) {}

std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

void IFileSystem::ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::string temp = TempPathFor(path);
  try {
    std::unique_ptr<IWritableFile> file = OpenWrite(temp, WriteMode::create);
    file->Append(bytes);
    file->Sync();
  } catch (const CFileError&) {
    Remove(temp);
    throw;
  }
  Rename(temp, path);
}

std::vector<uint8_t> IFileSystem::ReadAll(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::unique_ptr<IReadableFile> file = OpenRead(path);
  if (!file) return bytes;
  bytes.resize(file->Size());
  bytes.resize(file->ReadAt(0, bytes.data(), bytes.size()));
  return bytes;
}

IFileSystem& RealFileSystem() {
  static CDiskFileSystem disk;
  return disk;
}
