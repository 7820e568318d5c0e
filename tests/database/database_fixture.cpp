#include "database_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/game_database.h"

SampleGame MakeGame(int32_t gameId, const std::vector<SeatSpec>& seats) {
  SampleGame s = MakeSampleGame();
  s.game.gameId = gameId;
  std::vector<CPlayerGame> players;
  for (std::size_t i = 0; i < seats.size(); ++i) {
    CPlayerGame seat = s.game.players[i % s.game.players.size()];
    seat.player = CPlayer(seats[i].first, seats[i].last, seats[i].playerId);
    seat.victoryPoints = seats[i].points;
    players.push_back(seat);
  }
  s.game.players = players;
  return s;
}

std::vector<uint8_t> RecordBytes(SampleGame& game) { return SampleRecordBytes(game); }

std::vector<int32_t> ReadableGames(const std::string& dataDir, IFileSystem& files) {
  CGameDatabase db(dataDir, files);
  for (int i = 0; i < db.GameCount(); ++i) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    db.ReadRecord(i, game, history, board);
  }
  return db.GameIds();
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void RecordingUi::ShowMessage(const std::string& caption, const std::string& text) {
  messages.push_back(caption + ": " + text);
}

bool RecordingUi::AskYesNo(const std::string& caption, const std::string& text) {
  messages.push_back(caption + ": " + text);
  if (answers.empty()) return false;
  bool answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

void DatabaseTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "h3d-db-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  dir = pattern;
}

void DatabaseTest::TearDown() { std::filesystem::remove_all(dir); }

void DatabaseTest::StoreGames(int count) {
  CGameDatabase db(dir.string());
  for (int i = 0; i < count; ++i) {
    SampleGame g = MakeGame(1000 + i, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 8 + i % 3}, {3 + i, "Cara", "Day", 5}});
    db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
  }
}
