#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "byte_stream.h"

// A stdio file closed with its owner.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for binary reading. Check IsOpen after construction.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }
  size_t Read(uint8_t* data, size_t capacity) override;
  bool Failed() const override;

 private:
  OwnedFile file_;
};

// A file created (or truncated) for binary writing. Check IsOpen after
// construction and the result of Close, which reports any write error.
class FileSink final : public ByteSink {
 public:
  explicit FileSink(const std::string& path);

  bool IsOpen() const { return file_ != nullptr; }
  bool Write(const uint8_t* data, size_t size) override;
  bool Close();

 private:
  OwnedFile file_;
  bool failed_ = false;
};
