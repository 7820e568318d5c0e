#include "records/game_database.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "records/archive.h"
#include "records/game_record.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForAppend(const std::string& path) {
  File file(std::fopen(path.c_str(), "ab"));
  if (!file) throw std::runtime_error("cannot open " + path + " for appending");
  if (std::fseek(file.get(), 0, SEEK_END) != 0) throw std::runtime_error("cannot seek in " + path);
  return file;
}

void WriteAll(std::FILE* file, const void* data, std::size_t n, const std::string& path) {
  if (std::fwrite(data, 1, n, file) != n || std::fflush(file) != 0)
    throw std::runtime_error("cannot write " + path);
}

}  // namespace

CGameDatabase::CGameDatabase(std::string dataDir) : dataDir_(std::move(dataDir)) {}

void CGameDatabase::AppendRecord(CGame& game, CHistoryLog& history, CBoard& board, const std::string& recordPath,
                                 const std::string& keyPath) {
  // The whole record is built first so that a failure never leaves half a
  // record in the file.
  std::vector<uint8_t> bytes;
  {
    CArchive ar(bytes);
    WriteGameRecord(ar, game, history, board);
    ar.Flush();
  }
  File records = OpenForAppend(recordPath);
  long start = std::ftell(records.get());
  if (start < 0) throw std::runtime_error("cannot tell the end of " + recordPath);
  WriteAll(records.get(), bytes.data(), bytes.size(), recordPath);
  records.reset();
  if (keyPath.empty()) return;
  // The key goes in only once its record is safely written.
  int32_t offset = static_cast<int32_t>(start);
  uint8_t le[4] = {static_cast<uint8_t>(offset), static_cast<uint8_t>(offset >> 8),
                   static_cast<uint8_t>(offset >> 16), static_cast<uint8_t>(offset >> 24)};
  File keys = OpenForAppend(keyPath);
  WriteAll(keys.get(), le, sizeof le, keyPath);
}
