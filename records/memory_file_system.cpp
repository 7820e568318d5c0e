#include "records/memory_file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

class CMemoryReadFile : public IReadableFile {
 public:
  explicit CMemoryReadFile(std::shared_ptr<std::vector<uint8_t>> bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_->size(); }
  std::size_t ReadAt(uint64_t offset, void* data, std::size_t n) override {
    if (offset >= bytes_->size()) return 0;
    std::size_t got = static_cast<std::size_t>(std::min<uint64_t>(n, bytes_->size() - offset));
    if (got > 0) std::memcpy(data, bytes_->data() + offset, got);  // `data` may be null when n is 0
    return got;
  }

 private:
  std::shared_ptr<std::vector<uint8_t>> bytes_;
};

class CMemoryWriteFile : public IWritableFile {
 public:
  CMemoryWriteFile(CMemoryFileSystem& fs, std::shared_ptr<std::vector<uint8_t>> bytes)
      : fs_(fs), bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_->size(); }

  void Truncate(uint64_t size) override {
    if (size >= bytes_->size()) return;
    if (fs_.BeginSteps(1) == 0) fs_.Cut();
    bytes_->resize(static_cast<std::size_t>(size));
  }

  void Append(std::span<const uint8_t> bytes) override {
    uint64_t allowed = fs_.BeginSteps(bytes.size());
    bytes_->insert(bytes_->end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(allowed));
    if (allowed < bytes.size()) fs_.Cut();
  }

  void Sync() override {
    if (fs_.BeginSteps(1) == 0) fs_.Cut();
  }

 private:
  CMemoryFileSystem& fs_;
  std::shared_ptr<std::vector<uint8_t>> bytes_;
};

}  // namespace

CMemoryFileSystem::CMemoryFileSystem(const FileMap& files) {
  for (const auto& [path, bytes] : files) Write(path, bytes);
}

std::string CMemoryFileSystem::Key(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().string();
}

std::unique_ptr<IReadableFile> CMemoryFileSystem::OpenRead(const std::string& path) {
  auto found = files_.find(Key(path));
  if (found == files_.end()) return nullptr;
  return std::make_unique<CMemoryReadFile>(found->second);
}

std::unique_ptr<IWritableFile> CMemoryFileSystem::OpenWrite(const std::string& path, WriteMode mode) {
  if (dead_) Cut();
  Bytes& bytes = files_[Key(path)];
  if (!bytes) bytes = std::make_shared<std::vector<uint8_t>>();
  if (mode == WriteMode::create && !bytes->empty()) {
    // Truncation on open is part of the open, as O_TRUNC is.
    bytes = std::make_shared<std::vector<uint8_t>>();
  }
  return std::make_unique<CMemoryWriteFile>(*this, bytes);
}

bool CMemoryFileSystem::IsFile(const std::string& path) { return files_.count(Key(path)) != 0; }

void CMemoryFileSystem::Rename(const std::string& from, const std::string& to) {
  auto found = files_.find(Key(from));
  if (found == files_.end()) throw CFileError("cannot rename " + from + " to", to, ENOENT);
  if (BeginSteps(1) == 0) Cut();
  Bytes bytes = found->second;
  files_.erase(found);
  files_[Key(to)] = std::move(bytes);
}

bool CMemoryFileSystem::Remove(const std::string& path) {
  auto found = files_.find(Key(path));
  if (found == files_.end()) return false;
  if (BeginSteps(1) == 0) Cut();
  files_.erase(found);
  return true;
}

CMemoryFileSystem::FileMap CMemoryFileSystem::Files() const {
  FileMap copy;
  for (const auto& [path, bytes] : files_) copy[path] = *bytes;
  return copy;
}

void CMemoryFileSystem::Write(const std::string& path, std::vector<uint8_t> bytes) {
  files_[Key(path)] = std::make_shared<std::vector<uint8_t>>(std::move(bytes));
}

void CMemoryFileSystem::CutPowerAfter(uint64_t steps) {
  armed_ = true;
  budget_ = steps;
}

uint64_t CMemoryFileSystem::BeginSteps(uint64_t wanted) {
  if (dead_) return 0;
  uint64_t allowed = armed_ ? std::min(wanted, budget_) : wanted;
  if (armed_) budget_ -= allowed;
  taken_ += allowed;
  return allowed;
}

void CMemoryFileSystem::Cut() {
  dead_ = true;
  throw CPowerCut{};
}
