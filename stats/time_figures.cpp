// "Time per turn": the lengths of the finished turns of every seat.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "records/game.h"
#include "stats/game_statistics.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"

namespace {

// Shown for the average of no turns (and the shortest of no turns at all).
constexpr const char* kNoTurns = "0:00";

struct TurnSums {
  int64_t turns = 0;
  int64_t total = 0;
  int64_t longest = 0;
  int64_t shortest = 0;

  void Add(const std::vector<int32_t>& lengths) {
    for (int32_t length : lengths) {
      longest = turns == 0 ? length : std::max<int64_t>(longest, length);
      shortest = turns == 0 ? length : std::min<int64_t>(shortest, length);
      total += length;
      ++turns;
    }
  }

  std::string Average() const { return turns == 0 ? kNoTurns : FormatDuration(total / turns); }
};

}  // namespace

SectionFigures ComputeTimePerTurn(const CGame& game) {
  SectionFigures figures;
  TurnSums all;
  for (int s = 0; s < StatSeatCount(game); ++s) {
    TurnSums seat;
    seat.Add(game.players[s].turnSeconds);
    all.Add(game.players[s].turnSeconds);
    figures.rows.push_back({FormatCount(seat.turns), FormatDuration(seat.total), seat.Average(),
                            FormatDuration(seat.longest), FormatDuration(seat.shortest)});
  }
  figures.rows.push_back({FormatCount(all.turns), FormatDuration(all.total), all.Average(),
                          FormatDuration(all.longest),
                          all.turns == 0 ? std::string(kNoTurns) : FormatDuration(all.shortest)});
  return figures;
}
