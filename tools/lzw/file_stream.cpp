#include "file_stream.h"

// The codecs hand over blocks of tens of kilobytes, so stdio's own buffer
// would only add a copy.
FileSource::FileSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileSource::~FileSource() {
  if (file_ != nullptr) std::fclose(file_);
}

size_t FileSource::Read(uint8_t* data, size_t capacity) {
  return std::fread(data, 1, capacity, file_);
}

bool FileSource::Failed() const { return std::ferror(file_) != 0; }

FileSink::FileSink(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {
  if (file_ != nullptr) std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileSink::~FileSink() { Close(); }

bool FileSink::Write(const uint8_t* data, size_t size) {
  if (file_ == nullptr || failed_) return false;
  if (std::fwrite(data, 1, size, file_) != size) failed_ = true;
  return !failed_;
}

bool FileSink::Close() {
  if (file_ == nullptr) return !failed_;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}
