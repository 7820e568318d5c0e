#include "engine/session/production.h"

#include <algorithm>
#include <limits>

RollProduction ProductionOf(const CBoard& board, const std::vector<CPlayerGame>& seats, int32_t playerCount,
                            int32_t roller, int32_t total, const ResourceCounts* bank) {
  RollProduction produced;
  if (total == 7 || playerCount <= 0) return produced;
  std::vector<int32_t> producing;
  for (int b = 0; b < board.LandCount(); ++b)
    if (board.Piece(b).chip == total) producing.push_back(b);
  ResourceCounts stock;
  if (bank) stock = *bank;
  else stock.fill(std::numeric_limits<int32_t>::max());
  for (int32_t step = 0; step < playerCount; ++step) {
    int32_t p = (roller + step) % playerCount;
    const CPlayerGame& seat = seats.at(static_cast<std::size_t>(p));
    for (int32_t b : producing) {
      int32_t r = Index(board.Type(b));
      if (r < 0 || r > 4) continue;
      if (b == board.robberTile) {
        produced.withheld[p][r] += seat.settlementsAt[b] + 2 * seat.citiesAt[b];
        continue;
      }
      // Building by building (settlements, then cities), as far as the stock lasts.
      for (int32_t i = 0; i < seat.settlementsAt[b] + seat.citiesAt[b]; ++i) {
        int32_t served = std::min(i < seat.settlementsAt[b] ? 1 : 2, stock[r]);
        stock[r] -= served;
        produced.gains[p][r] += served;
      }
    }
  }
  return produced;
}
