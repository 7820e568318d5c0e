#include "records/archive.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive_test_util.h"
#include "records/archive_file.h"

namespace {

std::string StringOfLength(std::size_t n) {
  std::string s(n, 'x');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 26);
  return s;
}

// A FILE holding `bytes`, positioned at its start.
std::FILE* TempFileWith(const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

TEST(Archive, ScalarsAreLittleEndianAtTheirWidths) {
  auto bytes = Stored([](CArchive& ar) {
    ar << uint8_t{0xAB} << int8_t{-2} << uint16_t{0x1234} << int16_t{-2} << uint32_t{0xDEADBEEF}
       << int32_t{-3} << 1.0f << 1.5;
  });
  EXPECT_EQ(bytes, Bytes({0xAB, 0xFE, 0x34, 0x12, 0xFE, 0xFF, 0xEF, 0xBE, 0xAD, 0xDE, 0xFD, 0xFF, 0xFF,
                          0xFF, 0x00, 0x00, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));

  CArchive in{std::span<const uint8_t>(bytes)};
  uint8_t b; int8_t c; uint16_t w; int16_t s; uint32_t d; int32_t i; float f; double x;
  in >> b >> c >> w >> s >> d >> i >> f >> x;
  EXPECT_EQ(b, 0xAB); EXPECT_EQ(c, -2); EXPECT_EQ(w, 0x1234); EXPECT_EQ(s, -2);
  EXPECT_EQ(d, 0xDEADBEEFu); EXPECT_EQ(i, -3); EXPECT_EQ(f, 1.0f); EXPECT_EQ(x, 1.5);
}

TEST(Archive, StringPrefixFormsAtTheirBoundaries) {
  struct Case { std::size_t length; std::vector<uint8_t> prefix; };
  const Case cases[] = {
      {0, Bytes({0x00})},
      {254, Bytes({0xFE})},
      {255, Bytes({0xFF, 0xFF, 0x00})},
      {65533, Bytes({0xFF, 0xFD, 0xFF})},
      {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
      {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    std::string text = StringOfLength(c.length);
    auto bytes = Stored([&](CArchive& ar) { ar << text; });
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
    EXPECT_EQ(Prefix(bytes, c.prefix.size()), c.prefix);
    CArchive in{std::span<const uint8_t>(bytes)};
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.BytesLeft(), 0u);
  }
}

TEST(Archive, WideStringsReadAsWindows1252) {
  // FF FE FF, then a one-byte length 3 and "abc" in UTF-16.
  auto abc = Bytes({0xFF, 0xFE, 0xFF, 0x03, 'a', 0, 'b', 0, 'c', 0});
  CArchive in{std::span<const uint8_t>(abc)};
  EXPECT_EQ(in.ReadString(), "abc");

  // The second prefix may take its long forms; the euro sign maps to 0x80,
  // a CJK character and a surrogate pair to one '?' each.
  auto mixed = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x05, 0x00, 0xAC, 0x20, 0x2D, 0x4E, 0x3D, 0xD8, 0x00, 0xDE,
                      0xE9, 0x00, 0x01, 0x02});
  CArchive in2{std::span<const uint8_t>(mixed)};
  EXPECT_EQ(in2.ReadString(), "\x80??\xE9");
  uint8_t next = 0;
  in2 >> next;
  EXPECT_EQ(next, 0x01);  // the string consumed exactly its 5 code units

  auto shortWide = Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'});
  CArchive in3{std::span<const uint8_t>(shortWide)};
  try {
    in3.ReadString();
    FAIL() << "a wide string cut short must raise";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.cause, CArchiveException::endOfFile);
  }
}

TEST(Archive, DateTimesAndSpansAreStatusThenDays) {
  auto bytes = Stored([](CArchive& ar) {
    ar << CDateTime{DateTimeValid, 1.5} << CDateTimeSpan{DateTimeNull, 0.25};
  });
  EXPECT_EQ(bytes, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xD0, 0x3F}));
  CArchive in{std::span<const uint8_t>(bytes)};
  CDateTime t;
  CDateTimeSpan s;
  in >> t >> s;
  EXPECT_EQ(t, (CDateTime{DateTimeValid, 1.5}));
  EXPECT_EQ(s, (CDateTimeSpan{DateTimeNull, 0.25}));
}

TEST(Archive, ScalarsPastTheEndRaiseButRawBlocksComeBackShort) {
  auto two = Bytes({1, 2});
  CArchive in{std::span<const uint8_t>(two)};
  int32_t v = 0;
  try {
    in >> v;
    FAIL() << "an int32 from 2 bytes must raise";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.cause, CArchiveException::endOfFile);
  }

  auto eight = Bytes({1, 0, 0, 0, 2, 0, 0, 0});
  std::FILE* file = TempFileWith(eight);
  {
    CArchive fromFile(file, CArchive::load);
    std::array<int32_t, 6> block{9, 9, 9, 9, 9, 9};
    EXPECT_EQ(fromFile.ReadBlock(std::span<int32_t>(block)), 8u);
    EXPECT_EQ(block, (std::array<int32_t, 6>{1, 2, 9, 9, 9, 9}));
  }
  std::fclose(file);
}

TEST(Archive, DirectionIsEnforced) {
  std::vector<uint8_t> sink;
  CArchive out(sink);
  int32_t v = 0;
  EXPECT_TRUE(out.IsStoring());
  EXPECT_THROW(out >> v, CArchiveException);
  CArchive in{std::span<const uint8_t>(sink)};
  EXPECT_TRUE(in.IsLoading());
  EXPECT_THROW(in << v, CArchiveException);
}

TEST(Archive, FileBackingMatchesMemoryAcrossBufferRefills) {
  // Values straddle the 4096-byte buffer edge, including a long string.
  auto write = [](CArchive& ar) {
    for (int32_t i = 0; i < 1500; ++i) ar << i << static_cast<uint8_t>(i);
    ar << StringOfLength(9000) << 2.5;
  };
  auto memory = Stored(write);

  std::FILE* file = std::tmpfile();
  {
    CArchive ar(file, CArchive::store);
    write(ar);
    ar.Flush();
  }
  std::rewind(file);
  std::vector<uint8_t> onDisk(memory.size() + 1);
  ASSERT_EQ(std::fread(onDisk.data(), 1, onDisk.size(), file), memory.size());
  onDisk.pop_back();
  EXPECT_EQ(onDisk, memory);

  std::rewind(file);
  {
    CArchive in(file, CArchive::load);
    for (int32_t i = 0; i < 1500; ++i) {
      int32_t v = 0;
      uint8_t b = 0;
      in >> v >> b;
      ASSERT_EQ(v, i);
      ASSERT_EQ(b, static_cast<uint8_t>(i));
    }
    EXPECT_EQ(in.ReadString(), StringOfLength(9000));
    double d = 0;
    in >> d;
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(in.BytesLeft(), 0u);
  }
  std::fclose(file);
}

TEST(Archive, ArchivesOneAfterAnotherInOneFile) {
  // A loading archive gives back what it buffered but did not use, so the
  // next archive over the same file starts where the first one stopped.
  std::FILE* file = std::tmpfile();
  {
    CArchive first(file, CArchive::store);
    first << int32_t{7} << std::string("first");
  }
  {
    CArchive second(file, CArchive::store);
    second << int32_t{8} << std::string("second");
  }
  std::rewind(file);
  for (auto [number, text] : {std::pair{7, "first"}, std::pair{8, "second"}}) {
    CArchive in(file, CArchive::load);
    int32_t v = 0;
    in >> v;
    EXPECT_EQ(v, number);
    EXPECT_EQ(in.ReadString(), text);
  }
  std::fclose(file);
}

TEST(Archive, StoringArchiveKeepsItsTailUnlessUnwinding) {
  std::vector<uint8_t> kept;
  { CArchive ar(kept); ar << int32_t{1}; }
  EXPECT_EQ(kept, Bytes({1, 0, 0, 0}));

  std::vector<uint8_t> dropped;
  try {
    CArchive ar(dropped);
    ar << int32_t{1};
    throw std::runtime_error("record failed half way");
  } catch (const std::runtime_error&) {
  }
  EXPECT_TRUE(dropped.empty());
}

TEST(Archive, AnnouncedSizesBeyondTheDataAreRejectedWithoutAllocating) {
  struct Case { const char* name; std::vector<uint8_t> bytes; };
  const Case cases[] = {
      {"word length", Bytes({0xFF, 0xF0, 0xFF, 'a'})},
      {"dword length", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'})},
      {"wide dword length", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool onFile : {false, true}) {
      std::FILE* file = onFile ? TempFileWith(c.bytes) : nullptr;
      std::optional<CArchive> in;
      if (onFile) in.emplace(file, CArchive::load); else in.emplace(std::span<const uint8_t>(c.bytes));
      ResetLargestAllocation();
      try {
        in->ReadString();
        ADD_FAILURE() << "expected the end-of-file error";
      } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause, CArchiveException::endOfFile);
      }
      EXPECT_LT(LargestAllocationSinceReset(), 1024u);
      in.reset();  // the archive lets go of the file before it is closed
      if (file) std::fclose(file);
    }
  }

  auto hugeList = Bytes({0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0});
  CArchive in{std::span<const uint8_t>(hugeList)};
  std::vector<int32_t> list{5};
  ResetLargestAllocation();
  EXPECT_THROW(in.ReadInt32List(list), CArchiveException);
  EXPECT_LT(LargestAllocationSinceReset(), 1024u);

  auto negative = Bytes({0xFF, 0xFF, 0xFF, 0xFF});
  CArchive in2{std::span<const uint8_t>(negative)};
  try {
    in2.ReadCount(4);
    FAIL() << "a negative count must raise";
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.cause, CArchiveException::badIndex);
  }
}

}  // namespace

namespace {

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(ArchiveFile, OpenModesCreateTruncateAndAppend) {
  const auto dir = std::filesystem::temp_directory_path() / ("h3d_archive_file_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const auto path = dir / "game.db";

  EXPECT_FALSE(OpenArchiveFile(path, ArchiveFileMode::read));  // missing: no error, no file
  EXPECT_FALSE(std::filesystem::exists(path));

  for (int32_t value : {1, 2}) {  // appended one after the other
    ArchiveFile file = OpenArchiveFile(path, ArchiveFileMode::createAppend);
    ASSERT_TRUE(file);
    EXPECT_EQ(std::ftell(file.get()), (value - 1) * 4);
    CArchive ar(file.get(), CArchive::store);
    ar << value;
    ar.Flush();
  }
  EXPECT_EQ(FileBytes(path), Bytes({1, 0, 0, 0, 2, 0, 0, 0}));

  {
    ArchiveFile file = OpenArchiveFile(path, ArchiveFileMode::createWrite);
    CArchive ar(file.get(), CArchive::store);
    ar << uint8_t{9};
  }
  EXPECT_EQ(FileBytes(path), Bytes({9}));

  {
    // A store that the file refuses is reported, not taken as done.
    ArchiveFile file = OpenArchiveFile(path, ArchiveFileMode::read);
    CArchive ar(file.get(), CArchive::store);
    ar << int32_t{5};
    EXPECT_THROW(ar.Flush(), CArchiveException);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
