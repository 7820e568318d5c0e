// Feeds arbitrary bytes to the game record reader, both as one record and as
// an export-style list ("H3D", count, records one after another). A record
// that reads must write back and read again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/game.h"
#include "records/game_record.h"
#include "records/record_io.h"

namespace {

struct Record {
  CGame game;
  CHistoryLog history;
  CBoard board;
};

std::vector<uint8_t> Write(Record& r) { return EncodeGameRecord(r.game, r.history, r.board); }

// Whatever reads once must come back unchanged from its own bytes.
void CheckRewrite(Record& r) {
  std::vector<uint8_t> once = Write(r);
  Record again;
  CArchive ar{std::span<const uint8_t>(once)};
  ReadGameRecord(ar, again.game, again.history, again.board);
  if (Write(again) != once) std::abort();
}

void ReadOne(std::span<const uint8_t> data) {
  try {
    Record r;
    CArchive ar(data);
    ReadGameRecord(ar, r.game, r.history, r.board);
    CheckRewrite(r);
  } catch (const CArchiveException&) {
  }
}

void ReadList(std::span<const uint8_t> data) {
  try {
    CArchive ar(data);
    std::string magic = ar.ReadString();
    std::size_t count = ar.ReadCount(CGame::kMinStoredSize);
    for (std::size_t i = 0; i < count; ++i) {
      Record r;
      ReadGameRecord(ar, r.game, r.history, r.board);
    }
  } catch (const CArchiveException&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  ReadOne(bytes);
  ReadList(bytes);
  return 0;
}
