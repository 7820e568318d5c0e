// Feeds arbitrary bytes to the texture archive reader, asking for every slot
// count a real archive uses, and checks what it hands back.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/texture_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  for (size_t count : {1u, 8u, 13u, 62u}) {
    const TextureArchive archive = ParseTextureArchive(bytes, count, ArchiveImageKind::Jpeg, "fuzz.tex");
    size_t total = 0;
    for (const auto& entry : archive.entries) total += entry.name.size() + entry.bytes.size();
    // Entries can never hold more than the input, and a short read is reported.
    if (archive.entries.size() > count || total > size) std::abort();
    if (archive.entries.size() < count && archive.ok()) std::abort();
  }
  return 0;
}
