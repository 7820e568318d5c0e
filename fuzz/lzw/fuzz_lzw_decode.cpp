// Feeds arbitrary bytes to the decoder as a code stream (it must end cleanly,
// never reading or writing outside its tables), and checks that the same
// bytes survive a pack / unpack round trip.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "lzw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  const LzwUnpacked decoded = LzwUnpack(input);
  if (decoded.status == DecodeStatus::Running) std::abort();

  const LzwUnpacked restored = LzwUnpack(LzwPack(input));
  if (restored.status != DecodeStatus::Ended) std::abort();
  if (restored.bytes.size() != size || !std::equal(restored.bytes.begin(), restored.bytes.end(), data)) {
    std::abort();
  }
  return 0;
}
