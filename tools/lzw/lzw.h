#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "byte_stream.h"
#include "decoder.h"

// Whole-stream helpers over the Encoder and Decoder.

// Compresses everything the source holds into the sink. Returns false on a
// read or write error.
bool LzwPackStream(ByteSource& source, ByteSink& sink);

struct LzwUnpackResult {
  DecodeStatus status = DecodeStatus::Running;
  bool writeFailed = false;
};
// Decodes the code stream in the source into the sink, as far as it goes.
LzwUnpackResult LzwUnpackStream(ByteSource& source, ByteSink& sink);

std::vector<uint8_t> LzwPack(std::span<const uint8_t> bytes);

struct LzwUnpacked {
  std::vector<uint8_t> bytes;
  DecodeStatus status = DecodeStatus::Running;
};
LzwUnpacked LzwUnpack(std::span<const uint8_t> stream);
