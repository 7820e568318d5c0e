#pragma once

// Reads the worked-example tables of docs/file-formats.md so that tests can
// hold the document against the bytes the code writes. A table follows a
// line "<!-- layout: NAME -->" and has the columns Offset, Size, Field and
// Bytes: the offset and size in decimal, the bytes in hex (a trailing "…"
// means only the first bytes of the field are shown).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct LayoutRow {
  uint64_t offset = 0;
  uint64_t size = 0;
  std::string field;
  std::vector<uint8_t> bytes;  // the first bytes of the field as shown
};

inline std::string ReadDocument(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::vector<std::string> TableCells(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '|') {
      std::size_t b = cell.find_first_not_of(" `");
      std::size_t e = cell.find_last_not_of(" `");
      cells.push_back(b == std::string::npos ? "" : cell.substr(b, e - b + 1));
      cell.clear();
    } else {
      cell += line[i];
    }
  }
  return cells;
}

// The rows of the table named `name`; empty when there is none.
inline std::vector<LayoutRow> LayoutTable(const std::string& doc, const std::string& name) {
  std::vector<LayoutRow> rows;
  std::size_t at = doc.find("<!-- layout: " + name + " -->");
  if (at == std::string::npos) return rows;
  std::istringstream lines(doc.substr(at));
  std::string line;
  std::getline(lines, line);  // the marker
  int tableLine = 0;
  while (std::getline(lines, line)) {
    if (line.empty() && tableLine == 0) continue;
    if (line.empty() || line[0] != '|') break;
    if (++tableLine <= 2) continue;  // header and rule
    std::vector<std::string> cells = TableCells(line);
    if (cells.size() < 4) break;
    LayoutRow row;
    row.offset = std::stoull(cells[0]);
    row.size = std::stoull(cells[1]);
    row.field = cells[2];
    std::istringstream hex(cells[3]);
    std::string byte;
    while (hex >> byte && byte.find("…") == std::string::npos) {
      row.bytes.push_back(static_cast<uint8_t>(std::stoul(byte, nullptr, 16)));
    }
    rows.push_back(row);
  }
  return rows;
}

// The table `name` covers bytes [start, end) of `bytes` field after field,
// and every row shows the bytes found at its offset.
inline void ExpectLayout(const std::string& doc, const std::string& name, const std::vector<uint8_t>& bytes,
                         uint64_t start, uint64_t end) {
  SCOPED_TRACE("layout " + name);
  std::vector<LayoutRow> rows = LayoutTable(doc, name);
  ASSERT_FALSE(rows.empty()) << "no table";
  ASSERT_LE(end, bytes.size());
  uint64_t next = start;
  for (const LayoutRow& row : rows) {
    SCOPED_TRACE(row.field);
    EXPECT_EQ(row.offset, next);
    next = row.offset + row.size;
    ASSERT_LE(row.offset + row.bytes.size(), bytes.size());
    EXPECT_LE(row.bytes.size(), row.size);
    std::vector<uint8_t> found(bytes.begin() + static_cast<std::ptrdiff_t>(row.offset),
                               bytes.begin() + static_cast<std::ptrdiff_t>(row.offset + row.bytes.size()));
    EXPECT_EQ(found, row.bytes);
  }
  EXPECT_EQ(next, end) << "the table does not end where the data does";
}

// Prints a table skeleton for `bytes` [start, end) in the given field sizes,
// for writing the document; fields named by the caller.
inline std::string LayoutSkeleton(const std::vector<uint8_t>& bytes, uint64_t start,
                                  const std::vector<std::pair<std::string, uint64_t>>& fields) {
  std::ostringstream out;
  uint64_t at = start;
  for (const auto& [field, size] : fields) {
    out << "| " << at << " | " << size << " | " << field << " | ";
    for (uint64_t i = 0; i < std::min<uint64_t>(size, 8); ++i) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%02X", bytes[at + i]);
      out << (i ? " " : "") << hex;
    }
    if (size > 8) out << " …";
    out << " |\n";
    at += size;
  }
  return out.str();
}
