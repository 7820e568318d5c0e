#include "pick_hits.h"

std::optional<std::int32_t> NearestHitName(std::span<const GLuint> buffer, GLint hitCount) {
  std::optional<std::int32_t> nearest;
  GLuint nearestDepth = 0;
  size_t at = 0;
  // A record: name count, minimum depth, maximum depth, then the names.
  for (GLint hit = 0; hit < hitCount; ++hit) {
    if (buffer.size() - at < 3) break;
    const size_t names = buffer[at];
    if (buffer.size() - at - 3 < names) break;
    if (names == 0) {  // nothing on the name stack: names no object
      at += 3;
      continue;
    }
    const GLuint minDepth = buffer[at + 1];
    if (!nearest || minDepth < nearestDepth) {
      nearest = std::int32_t(buffer[at + 3 + names - 1]);
      nearestDepth = minDepth;
    }
    at += 3 + names;
  }
  return nearest;
}
