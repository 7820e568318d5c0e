#include "byte_stream.h"

#include <algorithm>
#include <cstring>

size_t MemorySource::Read(uint8_t* data, size_t capacity) {
  const size_t count = std::min(capacity, bytes_.size() - position_);
  if (count > 0) {
    std::memcpy(data, bytes_.data() + position_, count);
    position_ += count;
  }
  return count;
}

bool VectorSink::Write(const uint8_t* data, size_t size) {
  bytes_.insert(bytes_.end(), data, data + size);
  return true;
}
