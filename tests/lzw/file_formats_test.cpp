// The LZW tables of docs/file-formats.md against the encoder: the codes at
// their bit offsets and widths, and the bytes of the whole stream.
#include <gtest/gtest.h>

#include <string>

#include "layout_tables.h"
#include "lzw.h"

TEST(FileFormatsDocument, LzwCodeStream) {
  const std::string text = "ABABABA";
  std::vector<uint8_t> stream = LzwPack(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  const std::string doc = ReadDocument(H3D_FILE_FORMATS_DOC);
  ExpectLayout(doc, "lzw-example-bytes", stream, 0, stream.size());

  std::size_t at = doc.find("<!-- codes: lzw-example -->");
  ASSERT_NE(at, std::string::npos);
  std::istringstream lines(doc.substr(at));
  std::string line;
  std::getline(lines, line);
  int rows = 0;
  uint64_t nextBit = 0;
  while (std::getline(lines, line) && !line.empty() && line[0] == '|') {
    std::vector<std::string> cells = TableCells(line);
    if (cells.size() < 3 || cells[0].empty() || !std::isdigit(static_cast<unsigned char>(cells[0][0]))) continue;
    uint64_t bit = std::stoull(cells[0]);
    int width = std::stoi(cells[1]);
    uint32_t code = static_cast<uint32_t>(std::stoul(cells[2]));
    SCOPED_TRACE(line);
    EXPECT_EQ(bit, nextBit);
    uint32_t found = 0;
    for (int k = 0; k < width; ++k) {
      uint64_t b = bit + static_cast<uint64_t>(k);
      ASSERT_LT(b / 8, stream.size());
      found |= static_cast<uint32_t>((stream[b / 8] >> (b % 8)) & 1u) << k;
    }
    EXPECT_EQ(found, code);
    nextBit = bit + static_cast<uint64_t>(width);
    ++rows;
  }
  EXPECT_EQ(rows, 6);
  EXPECT_EQ((nextBit + 7) / 8, stream.size());
}
