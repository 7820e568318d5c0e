#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Where the codecs take bytes from and put bytes to. The bit streams move
// data in large blocks, so one virtual call covers many kilobytes.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `capacity` bytes; returns 0 only at the end of the data or on
  // a read error (see Failed).
  virtual size_t Read(uint8_t* data, size_t capacity) = 0;
  virtual bool Failed() const { return false; }
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Returns false when the bytes could not be stored.
  virtual bool Write(const uint8_t* data, size_t size) = 0;
};

// Reads from a caller-owned block of memory.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t Read(uint8_t* data, size_t capacity) override;

 private:
  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
};

// Appends to a byte vector.
class VectorSink final : public ByteSink {
 public:
  explicit VectorSink(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
  bool Write(const uint8_t* data, size_t size) override;

 private:
  std::vector<uint8_t>& bytes_;
};
