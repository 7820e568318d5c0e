#include "records/game.h"

#include <utility>

#include "records/clock.h"
#include "records/record_fields.h"

// One reading of the clock, in whole seconds like every later reading of a
// game's times: the id and the start are the same second, and a journal of
// the game gives both back exactly from that one number.
CGame::CGame() : CGame(CClock::NowSeconds()) {}

CGame::CGame(int32_t startSeconds)
    : startTime{DateTimeValid, OleDaysFromTime(startSeconds)}, gameId(startSeconds) {}

void CGame::Serialize(CArchive& ar) {
  SerializeField(ar, startTime);
  SerializeField(ar, endTime);
  SerializeField(ar, gameId);
  SerializeField(ar, trackTrades);
  SerializeField(ar, boardGenerated);
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(players.size());
    for (CPlayerGame& seat : players) seat.Serialize(ar);
  } else {
    // Seats are read into a fresh list so that the count only ever grows
    // with seats actually present in the data.
    std::size_t count = ar.ReadCount(CPlayerGame::kMinStoredSize);
    std::vector<CPlayerGame> loaded;
    for (std::size_t i = 0; i < count; ++i) {
      loaded.emplace_back();
      loaded.back().Serialize(ar);
    }
    players = std::move(loaded);
  }
  SerializeField(ar, rolls);
  SerializeField(ar, rollCounts);
}
