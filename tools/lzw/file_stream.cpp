#include "file_stream.h"

namespace {

// The codecs hand over blocks of tens of kilobytes, so stdio's own buffer
// would only add a copy.
OwnedFile OpenUnbuffered(const std::string& path, const char* mode) {
  OwnedFile file(std::fopen(path.c_str(), mode));
  if (file != nullptr) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

}  // namespace

FileSource::FileSource(const std::string& path) : file_(OpenUnbuffered(path, "rb")) {}

size_t FileSource::Read(uint8_t* data, size_t capacity) {
  return std::fread(data, 1, capacity, file_.get());
}

bool FileSource::Failed() const { return std::ferror(file_.get()) != 0; }

FileSink::FileSink(const std::string& path) : file_(OpenUnbuffered(path, "wb")) {}

bool FileSink::Write(const uint8_t* data, size_t size) {
  if (file_ == nullptr || failed_) return false;
  if (std::fwrite(data, 1, size, file_.get()) != size) failed_ = true;
  return !failed_;
}

bool FileSink::Close() {
  if (file_ == nullptr) return !failed_;
  if (std::fclose(file_.release()) != 0) failed_ = true;
  return !failed_;
}
