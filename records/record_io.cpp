#include "records/record_io.h"

#include <sys/stat.h>

#include "records/archive.h"
#include "records/game_record.h"

namespace {

template <class ReadFn>
uint64_t ReadAt(std::FILE* file, uint64_t offset, ReadFn read) {
  if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
    throw CArchiveException(CArchiveException::genericException);
  }
  {
    CArchive ar(file, CArchive::load);
    read(ar);
    ar.Flush();  // puts the file back just after what was read
  }
  long end = std::ftell(file);
  if (end < 0) throw CArchiveException(CArchiveException::genericException);
  return static_cast<uint64_t>(end);
}

}  // namespace

std::optional<uint64_t> ReadHeaderAt(std::FILE* file, uint64_t offset, CGame& game) {
  try {
    return ReadAt(file, offset, [&](CArchive& ar) { ReadGameRecordHeader(ar, game); });
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
}

uint64_t ReadRecordOrThrow(std::FILE* file, uint64_t offset, CGame& game, CHistoryLog& history, CBoard& board) {
  return ReadAt(file, offset, [&](CArchive& ar) { ReadGameRecord(ar, game, history, board); });
}

std::optional<uint64_t> ReadRecordAt(std::FILE* file, uint64_t offset, CGame& game, CHistoryLog& history,
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

uint64_t StoredFileSize(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || info.st_size < 0) return 0;
  return static_cast<uint64_t>(info.st_size);
}

void AppendInt32(std::vector<uint8_t>& bytes, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
}
