#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <optional>
#include <span>

// Reads a GL selection buffer after `hitCount` hits were recorded (as
// glRenderMode returned it) and returns the top name of the hit whose minimum
// depth is smallest; on equal depth the earlier hit wins. No value when there
// was no hit or the buffer overflowed (negative count), and records that run
// past the buffer are ignored.
std::optional<std::int32_t> NearestHitName(std::span<const GLuint> buffer, GLint hitCount);
