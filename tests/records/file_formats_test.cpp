// docs/file-formats.md against the code: each stored file is written by the
// program's own writers from the document's worked example, and every field
// table of the document must list the fields at the offsets, in the sizes
// and with the bytes found in what was written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "layout_tables.h"
#include "records/archive.h"
#include "records/database_ui.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/game_record.h"
#include "records/memory_file_system.h"
#include "records/player_database.h"
#include "records/record_io.h"
#include "sample_game.h"

namespace {

class QuietUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

// The example database of the document: the sample game twice (ids 1001
// and 1002) and the players Ann Lee (77) and Bob Stone (78).
struct Example {
  CMemoryFileSystem files;
  CGameDatabase games{"data", files};
  CPlayerDatabase players{"data", files};

  Example() {
    for (int32_t id : {1001, 1002}) {
      SampleGame g = MakeSampleGame();
      g.game.gameId = id;
      games.AppendRecord(g.game, g.history, g.board, games.RecordPath(), games.KeyPath());
    }
    players.AddPlayer(CPlayer("Ann", "Lee", 77));
    players.AddPlayer(CPlayer("Bob", "Stone", 78));
    QuietUi ui;
    ExportGames(games, "example.h3d", {1, 0}, ui);
  }
  std::vector<uint8_t> File(const std::string& path) { return files.Files().at(path); }
};

// Offsets inside the first game record of the example.
struct RecordMarks {
  uint64_t headerEnd = 0;   // after the seats, rolls and roll counts
  uint64_t firstSeat = 0;   // CPlayerGame of seat 0
  uint64_t secondSeat = 0;
  uint64_t historyEnd = 0;  // the board section starts here
};

RecordMarks MarksOf(const std::vector<uint8_t>& record) {
  RecordMarks marks;
  CArchive ar{std::span<const uint8_t>(record)};
  auto position = [&] { return record.size() - *ar.BytesLeft(); };
  float version = 0;
  CGame game;
  ar >> version >> game.startTime >> game.endTime >> game.gameId >> game.trackTrades >> game.boardGenerated;
  ar.ReadCount(1);
  marks.firstSeat = position();
  CPlayerGame seat;
  seat.Serialize(ar);
  marks.secondSeat = position();
  CArchive whole{std::span<const uint8_t>(record)};
  ReadGameRecordHeader(whole, game);
  marks.headerEnd = record.size() - *whole.BytesLeft();
  CHistoryLog history;
  history.Serialize(whole);
  marks.historyEnd = record.size() - *whole.BytesLeft();
  return marks;
}

const std::string& Document() {
  static const std::string doc = ReadDocument(H3D_FILE_FORMATS_DOC);
  return doc;
}

}  // namespace

TEST(FileFormatsDocument, PlayerDatabaseAndKeyIndex) {
  Example example;
  std::vector<uint8_t> players = example.File("data/player.db");
  ExpectLayout(Document(), "player-db", players, 0, players.size());
  std::vector<uint8_t> keys = example.File("data/keys.db");
  ExpectLayout(Document(), "key-index", keys, 0, keys.size());
}

TEST(FileFormatsDocument, GameRecordSeatAndBoard) {
  Example example;
  std::vector<uint8_t> db = example.File("data/game.db");
  std::vector<uint8_t> record(db.begin(), db.begin() + example.games.Offsets()[1]);
  RecordMarks marks = MarksOf(record);
  if (const char* dump = std::getenv("H3D_DUMP_LAYOUT")) {
    std::printf("record %zu header %lu seat0 %lu seat1 %lu history %lu\n", record.size(),
                static_cast<unsigned long>(marks.headerEnd), static_cast<unsigned long>(marks.firstSeat),
                static_cast<unsigned long>(marks.secondSeat), static_cast<unsigned long>(marks.historyEnd));
    for (const auto& [path, bytes] : example.files.Files()) {
      std::string name = std::string(dump) + "/" + path.substr(path.rfind('/') + 1);
      FILE* f = std::fopen(name.c_str(), "wb");
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
  }
  ExpectLayout(Document(), "game-record", record, 0, record.size());
  ExpectLayout(Document(), "seat", record, marks.firstSeat, marks.secondSeat);
  ExpectLayout(Document(), "history", record, marks.headerEnd, marks.historyEnd);
  ExpectLayout(Document(), "board-section", record, marks.historyEnd, record.size());
  ExpectLayout(Document(), "board-piece", record, marks.historyEnd + 4, marks.historyEnd + 4 + 148);
}

TEST(FileFormatsDocument, ExportFile) {
  Example example;
  std::vector<uint8_t> file = example.File("example.h3d");
  ExpectLayout(Document(), "export-file", file, 0, file.size());
}
