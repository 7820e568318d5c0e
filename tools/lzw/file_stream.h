#pragma once

#include <cstdio>
#include <string>

#include "byte_stream.h"

// A file opened for binary reading. Check IsOpen after construction.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  size_t Read(uint8_t* data, size_t capacity) override;
  bool Failed() const override;

 private:
  std::FILE* file_;
};

// A file created (or truncated) for binary writing. Check IsOpen after
// construction and the result of Close, which reports any write error.
class FileSink final : public ByteSink {
 public:
  explicit FileSink(const std::string& path);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  bool Write(const uint8_t* data, size_t size) override;
  bool Close();

 private:
  std::FILE* file_;
  bool failed_ = false;
};
