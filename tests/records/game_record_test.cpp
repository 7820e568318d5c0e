#include "records/game_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "archive_test_util.h"
#include "records/archive.h"
#include "sample_game.h"

namespace {

// Reads one record from `bytes` into fresh objects; returns the version.
float ReadInto(const std::vector<uint8_t>& bytes, SampleGame& into) {
  CArchive ar{std::span<const uint8_t>(bytes)};
  return ReadGameRecord(ar, into.game, into.history, into.board);
}

TEST(GameRecord, StartsWithVersionAndRewritesToTheSameBytes) {
  SampleGame sample = MakeSampleGame();
  auto bytes = SampleRecordBytes(sample);
  EXPECT_EQ(Prefix(bytes, 4), Bytes({0x00, 0x00, 0x80, 0x3F}));

  SampleGame loaded;
  EXPECT_EQ(ReadInto(bytes, loaded), 1.0f);
  EXPECT_EQ(loaded.game.gameOn, 0);
  EXPECT_EQ(loaded.history, sample.history);
  EXPECT_EQ(loaded.board.Kind(), BoardKind::Standard);
  EXPECT_EQ(loaded.board.longestRoadPath, sample.board.longestRoadPath);
  EXPECT_EQ(SampleRecordBytes(loaded), bytes);

  // Section sizes add up: version, header, history, board.
  std::size_t header = Stored([&](CArchive& ar) { sample.game.Serialize(ar); }).size();
  std::size_t history = Stored([&](CArchive& ar) { sample.history.Serialize(ar); }).size();
  EXPECT_EQ(bytes.size(), 4 + header + history + 5496 + 4 * 2);
}

TEST(GameRecord, TheVersionIsKeptAsStored) {
  SampleGame sample = MakeSampleGame();
  auto bytes = SampleRecordBytes(sample);
  const float other = 2.5f;
  std::memcpy(bytes.data(), &other, 4);
  SampleGame loaded;
  EXPECT_EQ(ReadInto(bytes, loaded), 2.5f);
}

TEST(GameRecord, HeaderReaderStopsBeforeTheHistory) {
  SampleGame sample = MakeSampleGame();
  auto bytes = SampleRecordBytes(sample);
  CArchive ar{std::span<const uint8_t>(bytes)};
  CGame header;
  EXPECT_EQ(ReadGameRecordHeader(ar, header), 1.0f);
  EXPECT_EQ(header.players.size(), 3u);
  EXPECT_EQ(header.players[2].player.lastName, "D\xEDsz");
  CHistoryLog history;
  history.Serialize(ar);
  EXPECT_EQ(history, sample.history);
}

TEST(GameRecord, RecordsFollowEachOtherInOneFile) {
  SampleGame first = MakeSampleGame();
  SampleGame second = MakeSampleGame();
  second.game.gameId += 1;
  second.history.AddEntry("Ended turn.", 54);
  std::FILE* file = std::tmpfile();
  {
    CArchive ar(file, CArchive::store);
    ar << std::string("H3D") << int32_t{2};
    WriteGameRecord(ar, first.game, first.history, first.board);
    WriteGameRecord(ar, second.game, second.history, second.board);
    ar.Flush();
  }
  std::rewind(file);
  {
    CArchive ar(file, CArchive::load);
    EXPECT_EQ(ar.ReadString(), "H3D");
    EXPECT_EQ(ar.ReadCount(CGame::kMinStoredSize), 2u);
    for (SampleGame* expected : {&first, &second}) {
      SampleGame loaded;
      ReadGameRecord(ar, loaded.game, loaded.history, loaded.board);
      EXPECT_EQ(loaded.game.gameId, expected->game.gameId);
      EXPECT_EQ(loaded.history, expected->history);
    }
    EXPECT_EQ(ar.BytesLeft(), 0u);
  }
  std::fclose(file);
}

TEST(GameRecord, EveryTruncationRaisesTheEndOfFileError) {
  SampleGame sample = MakeSampleGame();
  sample.game.players.resize(1);
  auto bytes = SampleRecordBytes(sample);
  std::size_t boardStart = 4;
  boardStart += Stored([&](CArchive& ar) { sample.game.Serialize(ar); }).size();
  boardStart += Stored([&](CArchive& ar) { sample.history.Serialize(ar); }).size();
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    std::vector<uint8_t> cut = Prefix(bytes, n);
    SampleGame loaded;
    try {
      ReadInto(cut, loaded);
      ADD_FAILURE() << "a record cut to " << n << " bytes read without error";
    } catch (const CArchiveException& e) {
      // A piece whose last raw block is cut short reads without error and
      // the board rejects it as damaged before the next value would run out.
      if (n < boardStart) {
        ASSERT_EQ(e.cause, CArchiveException::endOfFile) << "cut to " << n << " bytes";
      }
    }
  }
}

TEST(GameRecord, HugeCountsAreRejectedWithoutAllocating) {
  SampleGame sample = MakeSampleGame();
  auto bytes = SampleRecordBytes(sample);
  // Offsets of counts in the record: seats after version and 36 header bytes;
  // the first seat's position count after its 8 name bytes, id and colour.
  const std::size_t seatCount = 4 + 36;
  const std::size_t positionCount = seatCount + 4 + 8 + 4 + 4;
  for (std::size_t at : {seatCount, positionCount}) {
    SCOPED_TRACE(at);
    for (int32_t count : {0x7FFFFFFF, 1000000, -1}) {
      std::vector<uint8_t> hostile = bytes;
      std::memcpy(hostile.data() + at, &count, 4);
      SampleGame loaded;
      ResetLargestAllocation();
      EXPECT_THROW(ReadInto(hostile, loaded), CArchiveException);
      EXPECT_LT(LargestAllocationSinceReset(), 2 * bytes.size());
    }
  }
}

}  // namespace
