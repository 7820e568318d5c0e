// bitdump INPUT: prints the bits of INPUT as one line of "0" and "1", eight
// per byte from bit 0 to bit 7, in file order.
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "file_stream.h"
#include "tool_support.h"

namespace {

constexpr const char* kProgram = "bitdump";
constexpr size_t kBlockSize = 1 << 15;

// The eight characters of every byte value, bit 0 first.
std::array<std::array<char, 8>, 256> MakeBitTexts() {
  std::array<std::array<char, 8>, 256> texts{};
  for (int value = 0; value < 256; ++value) {
    for (int bit = 0; bit < 8; ++bit) texts[value][bit] = (value >> bit & 1) ? '1' : '0';
  }
  return texts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return ReportFailure(kProgram, "usage: bitdump INPUT");
  const std::string inputPath = argv[1];
  FileSource input(inputPath);
  if (!input.IsOpen()) return ReportFailure(kProgram, FileError("cannot open", inputPath));

  static const auto kBitTexts = MakeBitTexts();
  std::vector<uint8_t> block(kBlockSize);
  std::vector<char> text(kBlockSize * 8);
  while (const size_t count = input.Read(block.data(), block.size())) {
    for (size_t i = 0; i < count; ++i) std::memcpy(&text[i * 8], kBitTexts[block[i]].data(), 8);
    if (std::fwrite(text.data(), 1, count * 8, stdout) != count * 8) break;
  }
  if (input.Failed()) return ReportFailure(kProgram, FileError("cannot read", inputPath));
  errno = 0;
  if (std::fputc('\n', stdout) == EOF || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    return ReportFailure(kProgram, FileError("cannot write to", "standard output"));
  }
  return 0;
}
