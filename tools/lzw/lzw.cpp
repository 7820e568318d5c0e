#include "lzw.h"

#include <algorithm>

#include "bit_input.h"
#include "bit_output.h"
#include "encoder.h"

namespace {
constexpr size_t kBlockSize = 1 << 16;
// Large output blocks let the decoder copy most strings from earlier output.
constexpr size_t kDecodeBlockSize = 1 << 20;
}  // namespace

bool LzwPackStream(ByteSource& source, ByteSink& sink) {
  BitOutput out(sink);
  Encoder encoder(out);
  std::vector<uint8_t> block(kBlockSize);
  while (const size_t count = source.Read(block.data(), block.size())) {
    encoder.Put(block.data(), count);
  }
  const bool written = encoder.Finish();
  return written && !source.Failed();
}

LzwUnpackResult LzwUnpackStream(ByteSource& source, ByteSink& sink) {
  BitInput in(source);
  Decoder decoder(in);
  std::vector<uint8_t> block(kDecodeBlockSize);
  LzwUnpackResult result;
  while (const size_t count = decoder.Read(block.data(), block.size())) {
    if (!result.writeFailed && !sink.Write(block.data(), count)) result.writeFailed = true;
  }
  result.status = decoder.Status();
  return result;
}

std::vector<uint8_t> LzwPack(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> stream;
  VectorSink sink(stream);
  BitOutput out(sink);
  Encoder encoder(out);
  // The bytes are in memory already: no block to copy them through.
  encoder.Put(bytes.data(), bytes.size());
  encoder.Finish();
  return stream;
}

LzwUnpacked LzwUnpack(std::span<const uint8_t> stream) {
  LzwUnpacked result;
  MemorySource source(stream);
  BitInput in(source);
  Decoder decoder(in);
  // Decode straight into the result, in chunks that grow with it. The first
  // is sized by the stream, so that a short stream does not make (and clear)
  // a block many times larger than its output.
  size_t size = 0;
  size_t chunk = std::min(kBlockSize, 4 * stream.size() + 64);
  for (;;) {
    result.bytes.resize(size + chunk);
    const size_t count = decoder.Read(result.bytes.data() + size, chunk);
    size += count;
    if (count == 0) break;
    chunk = std::min(std::max(chunk, size), kDecodeBlockSize);
  }
  result.bytes.resize(size);
  result.status = decoder.Status();
  return result;
}
