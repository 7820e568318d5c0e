#pragma once

#include <cstdint>
#include <span>

#include "render/texture_archive.h"

// The largest picture side the program accepts. Ours are at most 512; the
// limit keeps a damaged header from making the decoder allocate gigabytes.
inline constexpr int kMaxImageSide = 4096;

// Checks the header of a JPEG or BMP before it goes to the decoder: the
// picture's size must be within kMaxImageSide, an uncompressed BMP must hold
// all the pixel rows its header promises, a run-length BMP's codes must stay
// inside the picture and end with the end-of-picture code, and a JPEG must be
// a well-formed sequential one whose every segment the decoder takes.
bool HasSafeImageHeader(std::span<const uint8_t> bytes, ArchiveImageKind kind);
