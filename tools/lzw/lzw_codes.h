#pragma once

#include <cstdint>

// The fixed codes and limits of the variable-width LZW code stream.
namespace lzw {

inline constexpr uint32_t kClearCode = 256;      // resets the dictionary and the width
inline constexpr uint32_t kEndCode = 257;        // end of stream
inline constexpr uint32_t kFirstFreeCode = 258;  // first dictionary string after a reset
inline constexpr uint32_t kMaxCodes = 4096;      // dictionary size
inline constexpr int kMinWidth = 9;              // width after every reset
inline constexpr int kMaxWidth = 12;

}  // namespace lzw
