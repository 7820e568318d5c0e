#include "sample_game.h"

#include "engine/board/random_source.h"
#include "records/clock.h"
#include "records/game_record.h"
#include "records/record_io.h"

namespace {

// Fills every counter of a seat with values that differ from field to field,
// so a field written in the wrong place cannot go unnoticed.
void FillCounters(CPlayerGame& seat, int32_t base) {
  int32_t n = base;
  for (auto* a : {&seat.hand, &seat.gainedFromBoard, &seat.gainedFromCards, &seat.lostOnSeven,
                  &seat.givenToBank, &seat.receivedFromBank, &seat.cardsPlayed}) {
    for (int32_t& v : *a) v = ++n;
  }
  for (auto* m : {&seat.stolenFrom, &seat.lostToRobber, &seat.stolenBy, &seat.givenTo, &seat.receivedFrom}) {
    for (int row = 0; row < 3; ++row) {
      for (int32_t& v : (*m)[row]) v = ++n;
    }
  }
  for (int32_t& v : seat.bankTrades) v = ++n;
  for (int k = 0; k < 3; ++k) seat.tradesWith[k] = ++n;
  seat.victoryPoints = base % 11;
  seat.roadsLeft = 9;
  seat.citiesLeft = 3;
  seat.settlementsLeft = 2;
  seat.cardsBoughtThisTurn = 1;
  seat.cardsHeld = 2;
  seat.cardPlayedThisTurn = 1;
  seat.hasLargestArmy = base == 100;
  seat.hasLongestRoad = base == 200;
  seat.settlementsAt[base % 19] = 2;
  seat.citiesAt[(base + 5) % 19] = 1;
}

CPlayerGame Seat(const char* first, const char* last, int32_t id, int32_t color, int turns, int32_t base) {
  CPlayerGame seat;
  seat.player = CPlayer(first, last, id);
  seat.color = color;
  seat.SizePositions(37);
  FillCounters(seat, base);
  for (int t = 0; t < turns; ++t) seat.turnSeconds.push_back(30 + 7 * t);
  return seat;
}

}  // namespace

CPlayerGame AnnLeeSeat() { return Seat("Ann", "Lee", 1700000001, 0xEBEBEB, 10, 100); }

SampleGame MakeSampleGame() {
  CClock::SetFixed(1700000000.25);
  SampleGame s;
  CClock::UseSystem();
  // A start a quarter second into its second, as the documented bytes show.
  s.game.startTime = CDateTime{DateTimeValid, OleDaysFromTime(1700000000.25)};
  s.game.endTime = CDateTime{DateTimeValid, s.game.startTime.days + 0.0625};
  s.game.trackTrades = 1;
  s.game.boardGenerated = 1;
  s.game.players = {AnnLeeSeat(), Seat("Bob", "Stone", 1700000002, 0x2020DF, 9, 200),
                    Seat("Cara", "D\xEDsz", 1700000003, 0x0683FF, 9, 300)};
  const int32_t rolls[] = {6, 8, 7, 5, 9, 11, 4, 6, 3, 8, 10, 12, 2, 7, 6};
  for (std::size_t i = 0; i < std::size(rolls); ++i) {
    s.game.rolls.push_back(rolls[i]);
    ++s.game.rollCounts[i % 3][rolls[i] - 2];
  }

  s.history.AddGroup("Board Setup", 13);
  s.history.AddEntry("Placed an ore.", 2);
  s.history.AddEntry("Placed a timber.", 0);
  s.history.AddGroup("Chip Placement", 14);
  s.history.AddEntry("Placed the first chip.", 15);
  s.history.AddGroup("Turn 1 - Ann Lee", 38);
  s.history.AddEntry("Rolled an 8.", 44);
  s.history.AddEntry("Traded 2 ore to Bob Stone for 1 wheat.", 56);

  CFixedRandom draws({1234, 32767, 0, 20000, 777, 16000, 5, 31000});
  CBoardRandom random(draws, [] { return int64_t{1700000000}; });
  s.board.Reset(BoardKind::Standard, random);
  s.board.Generate(random);
  s.board.SetRoad(MakeEdgeId(0, 1), 0);
  s.board.SetRoad(MakeEdgeId(0, 2), 0);
  s.board.SetBuilding(MakeCornerId(0, 1), SettlementCode(0));
  s.board.SetBuilding(MakeCornerId(4, 3), CityCode(2));
  s.board.longestRoadLength = 2;
  s.board.longestRoadPath = {MakeEdgeId(0, 1), MakeEdgeId(0, 2)};
  return s;
}

std::vector<uint8_t> SampleRecordBytes(SampleGame& sample) {
  return EncodeGameRecord(sample.game, sample.history, sample.board);
}
