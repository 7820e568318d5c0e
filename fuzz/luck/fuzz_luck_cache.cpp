// Reads whatever bytes a luck cache file holds: every entry kept must have 1
// to 6 finite figures, and what is kept must read back the same once written
// out again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "luck_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto entries = CLuckCache::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string text;
  for (const auto& [key, seats] : entries) {
    if (seats.empty() || seats.size() > 6) std::abort();
    text += key + " " + std::to_string(seats.size());
    for (double luck : seats) {
      if (!std::isfinite(luck)) std::abort();
      char number[40];
      std::snprintf(number, sizeof number, " %.17g", luck);
      text += number;
    }
    text += "\n";
  }
  if (CLuckCache::Parse(text) != entries) std::abort();
  return 0;
}
