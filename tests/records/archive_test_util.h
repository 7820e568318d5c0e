#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "records/archive.h"

// Bytes written by `write(ar)` through a storing archive over memory.
template <class Write>
std::vector<uint8_t> Stored(Write write) {
  std::vector<uint8_t> bytes;
  CArchive ar(bytes);
  write(ar);
  ar.Flush();
  return bytes;
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

inline std::vector<uint8_t> Prefix(const std::vector<uint8_t>& bytes, std::size_t n) {
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

// The largest single allocation made by operator new since the last reset
// (counted by this test program's replacement of the global operator new).
std::size_t LargestAllocationSinceReset();
void ResetLargestAllocation();
