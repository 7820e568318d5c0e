#include "records/record_io.h"

#include "records/archive.h"
#include "records/file_system.h"
#include "records/game_record.h"

namespace {

template <class ReadFn>
uint64_t ReadAt(IReadableFile& file, uint64_t offset, ReadFn read) {
  CArchive ar(file, offset);
  read(ar);
  return ar.Position();
}

}  // namespace

std::optional<uint64_t> ReadHeaderAt(IReadableFile& file, uint64_t offset, CGame& game) {
  try {
    return ReadAt(file, offset, [&](CArchive& ar) { ReadGameRecordHeader(ar, game); });
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
}

uint64_t ReadRecordOrThrow(IReadableFile& file, uint64_t offset, CGame& game, CHistoryLog& history, CBoard& board) {
  return ReadAt(file, offset, [&](CArchive& ar) { ReadGameRecord(ar, game, history, board); });
}

std::optional<uint64_t> ReadRecordAt(IReadableFile& file, uint64_t offset, CGame& game, CHistoryLog& history,
                                     CBoard& board) {
  try {
    return ReadRecordOrThrow(file, offset, game, history, board);
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
}

std::vector<uint8_t> EncodeGameRecord(CGame& game, CHistoryLog& history, CBoard& board) {
  std::vector<uint8_t> bytes;
  {
    CArchive ar(bytes);
    WriteGameRecord(ar, game, history, board);
    ar.Flush();
  }
  return bytes;
}

void AppendInt32(std::vector<uint8_t>& bytes, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
}
