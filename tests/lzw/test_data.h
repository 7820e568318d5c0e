#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Inputs shared by the LZW tests.
inline std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
  return bytes;
}

// Word-like text from a small vocabulary: compresses well and fills the
// dictionary with long strings.
inline std::vector<uint8_t> TextBytes(size_t size, uint32_t seed) {
  static const char* const kWords[] = {"hex", "tile", "road", "settlement", "city", "wheat", "ore",
                                       "clay", "sheep", "timber", "robber", "the", "a", "trade"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) {
    text += kWords[random() % std::size(kWords)];
    text += (random() % 9 == 0) ? ".\n" : " ";
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

inline std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}
