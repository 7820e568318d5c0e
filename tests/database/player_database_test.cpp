#include <filesystem>

#include "database_fixture.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "literal_figures.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "records/player_list.h"

namespace {

void Store(CGameDatabase& db, int32_t gameId, const std::vector<SeatSpec>& seats) {
  SampleGame g = MakeGame(gameId, seats);
  db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
}

}  // namespace

TEST_F(DatabaseTest, PlayerFileBytes) {
  CPlayerDatabase players(dir.string());
  players.Save();
  EXPECT_EQ(ReadBytes(players.Path()), (std::vector<uint8_t>{0, 0, 0, 0}));
  players.Load();
  EXPECT_EQ(players.Count(), 0);
  EXPECT_EQ(players.GetPlayer(3).firstName, "");  // an empty list gives a blank player

  players.AddPlayer(CPlayer("Ann", "Lee", 1));
  EXPECT_EQ(ReadBytes(players.Path()),
            (std::vector<uint8_t>{1, 0, 0, 0, 3, 'A', 'n', 'n', 3, 'L', 'e', 'e', 1, 0, 0, 0}));
  EXPECT_EQ(players.GetPlayer(7).playerId, 1);  // out of range gives player 0
  EXPECT_FALSE(std::filesystem::exists(players.Path() + ".tmp"));
}

TEST_F(DatabaseTest, PlayersAddedInOneSecondGetDistinctIds) {
  CPlayerDatabase players(dir.string());
  EXPECT_EQ(players.AddPlayer(CPlayer("Ann", "Lee", 500)).playerId, 500);
  EXPECT_EQ(players.AddPlayer(CPlayer("Bob", "Ray", 500)).playerId, 501);
  EXPECT_EQ(players.AddPlayer(CPlayer("Cy", "Orr", 500)).playerId, 502);
  players.Load();
  ASSERT_EQ(players.Count(), 3);
  EXPECT_EQ(players.GetPlayer(1).firstName, "Bob");
  EXPECT_EQ(players.GetPlayer(1).playerId, 501);
  EXPECT_EQ(players.GetPlayer(2).playerId, 502);
}

TEST_F(DatabaseTest, DamagedPlayerFileKeepsThePlayersBeforeTheDamage) {
  CPlayerDatabase players(dir.string());
  players.AddPlayer(CPlayer("Ann", "Lee", 1));
  players.AddPlayer(CPlayer("Bob", "Stone", 2));
  std::vector<uint8_t> bytes = ReadBytes(players.Path());
  bytes.resize(bytes.size() - 3);
  WriteBytes(players.Path(), bytes);
  EXPECT_THROW(players.Load(), CDatabaseError);
  EXPECT_EQ(players.Count(), 1);

  WriteBytes(players.Path(), {0x00, 0xCA, 0x9A, 0x3B});  // a billion players in four bytes
  EXPECT_THROW(players.Load(), CDatabaseError);
  EXPECT_EQ(players.Count(), 0);
}

TEST_F(DatabaseTest, FailedSaveIsReportedAndChangesNothing) {
  CPlayerDatabase players((dir / "missing").string());
  EXPECT_ANY_THROW(players.AddPlayer(CPlayer("Ann", "Lee", 1)));
  EXPECT_EQ(players.Count(), 0);
}

TEST_F(DatabaseTest, FiguresCountGamesWinsAndAverage) {
  CGameDatabase db(dir.string());
  Store(db, 1, {{7, "Ann", "Lee", 10}, {8, "Bob", "Stone", 4}, {9, "Cy", "Day", 3}});
  Store(db, 2, {{8, "Bob", "Stone", 10}, {7, "Ann", "Lee", 8}, {9, "Cy", "Day", 3}});
  Store(db, 3, {{9, "Cy", "Day", 2}, {8, "Bob", "Stone", 9}, {7, "Ann", "Lee", 12}});
  Store(db, 4, {{9, "Cy", "Day", 11}, {9, "Cy", "Day", 2}, {8, "Bob", "Stone", 9}});  // Cy twice: first seat counts
  CPlayerDatabase players(dir.string());
  players.AddPlayer(CPlayer("Ann", "Lee", 7));
  players.AddPlayer(CPlayer("Cy", "Day", 9));
  players.AddPlayer(CPlayer("Zed", "Nobody", 5));
  players.AddPlayer(CPlayer("ann", "lee", 7));  // same second as Ann: stored with the next free id

  std::vector<CPlayerFigures> figures = players.Figures(db);
  EXPECT_EQ(figures[0].GamesText(), "3");
  EXPECT_EQ(figures[0].WinsText(), "2");
  EXPECT_EQ(figures[0].AverageText(), "10.00");
  EXPECT_EQ(figures[1].games, 4);
  EXPECT_EQ(figures[1].wins, 1);
  EXPECT_EQ(figures[2].AverageText(), "0.00");
  for (int i = 0; i < players.Count(); ++i) {
    CPlayerFigures literal = LiteralFigures(players.GetPlayer(i), db);
    EXPECT_EQ(figures[i].games, literal.games);
    EXPECT_EQ(figures[i].wins, literal.wins);
    EXPECT_EQ(figures[i].pointSum, literal.pointSum);
  }

  std::vector<CPlayerListRow> rows = PlayerList(players, db);
  std::vector<std::string> names;
  for (const CPlayerListRow& row : rows) names.push_back(std::to_string(row.index) + " " + row.name);
  EXPECT_EQ(names, (std::vector<std::string>{"1 Day, Cy", "0 Lee, Ann", "3 lee, ann", "2 Nobody, Zed"}));
}

TEST_F(DatabaseTest, FiguresKeepTheLatestStartedGameWhateverTheStoredOrder) {
  CGameDatabase db(dir.string());
  const double starts[] = {45000.5, 45200.25, 45100.0};
  for (int g = 0; g < 3; ++g) {
    SampleGame sample = MakeGame(g + 1, {{7, "Ann", "Lee", 10}, {8, "Bob", "Stone", 4}, {9, "Cy", "Day", 3}});
    sample.game.startTime.days = starts[g];
    if (g == 1) sample.game.players[0].player.playerId = 6;  // Ann not in the latest game
    db.AppendRecord(sample.game, sample.history, sample.board, db.RecordPath(), db.KeyPath());
  }
  CPlayerDatabase players(dir.string());
  players.AddPlayer(CPlayer("Ann", "Lee", 7));
  players.AddPlayer(CPlayer("Bob", "Stone", 8));
  players.AddPlayer(CPlayer("Zed", "Nobody", 5));
  std::vector<CPlayerFigures> figures = players.Figures(db);
  EXPECT_EQ(figures[0].games, 2);
  EXPECT_DOUBLE_EQ(figures[0].lastGameStart, 45100.0);
  EXPECT_DOUBLE_EQ(figures[1].lastGameStart, 45200.25);
  EXPECT_EQ(figures[2].games, 0);
  EXPECT_DOUBLE_EQ(figures[2].lastGameStart, 0.0);
}

TEST_F(DatabaseTest, RenameInGamesRewritesTheFirstMatchingSeat) {
  CGameDatabase db(dir.string());
  Store(db, 1, {{7, "Ann", "Lee", 10}, {8, "Bob", "Stone", 4}, {7, "Ann", "Lee", 3}});
  Store(db, 2, {{8, "Bob", "Stone", 10}, {9, "Cy", "Day", 8}, {10, "Di", "Fox", 3}});
  CPlayerDatabase players(dir.string());
  players.AddPlayer(CPlayer("Ann", "Lee", 7));
  players.AddPlayer(CPlayer("Eve", "Gray", 11));
  players.SetNames(0, "Anna", "Lee-Park");
  players.Save();

  EXPECT_EQ(players.RenameInGames(0, db, ui), 1);
  EXPECT_EQ(ui.messages.back(), "Update games: 1 game was updated to Anna Lee-Park.");
  CGame game;
  db.ReadHeader(0, game);
  EXPECT_EQ(game.players[0].player.DisplayName(), "Anna Lee-Park");
  EXPECT_EQ(game.players[2].player.DisplayName(), "Ann Lee");
  EXPECT_EQ(ui.waits, 0);

  std::vector<uint8_t> before = ReadBytes(db.RecordPath());
  EXPECT_EQ(players.RenameInGames(1, db, ui), 0);
  EXPECT_EQ(ui.messages.back(), "Update games: Eve Gray was not in any games in the database.");
  EXPECT_EQ(ReadBytes(db.RecordPath()), before);

  Store(db, 3, {{7, "Ann", "Lee", 10}, {8, "Bob", "Stone", 4}, {9, "Cy", "Day", 3}});
  players.RenameInGames(0, db, ui);
  EXPECT_EQ(ui.messages.back(), "Update games: 2 games were updated to Anna Lee-Park.");
}

TEST_F(DatabaseTest, ImportFromGamesAddsEachUnknownPersonOnce) {
  CGameDatabase db(dir.string());
  CPlayerDatabase players(dir.string());
  players.ImportFromGames(db, ui);
  EXPECT_EQ(ui.messages.back(), "Import players: There were no new players in the game database.");

  Store(db, 1, {{7, "Ann", "Lee", 10}, {8, "Bob", "Stone", 4}, {9, "Cy", "Day", 3}});
  Store(db, 2, {{9, "Cyrus", "Day", 10}, {8, "Bob", "Stone", 4}, {7, "Ann", "Lee", 3}});
  players.AddPlayer(CPlayer("Ann", "Lee", 7));
  players.AddPlayer(CPlayer("Bob", "Stone", 8));
  EXPECT_EQ(players.ImportFromGames(db, ui), 1);
  EXPECT_EQ(ui.messages.back(), "Import players: 1 player was added from the game database.");
  EXPECT_EQ(players.GetPlayer(2).DisplayName(), "Cy Day");  // names of the first game

  CPlayerDatabase fresh(dir.string());
  EXPECT_EQ(fresh.ImportFromGames(db, ui), 3);
  EXPECT_EQ(ui.messages.back(), "Import players: 3 players were added from the game database.");
  players.Load();
  EXPECT_EQ(players.ImportFromGames(db, ui), 0);
  EXPECT_EQ(ui.messages.back(), "Import players: There were no new players in the game database.");
}
