#include "stats/game_statistics.h"

#include <algorithm>

#include "engine/board/building_code.h"
#include "records/game.h"
#include "stats/section_compute.h"

int StatSeatCount(const CGame& game) { return static_cast<int>(std::min<size_t>(game.players.size(), kMaxPlayers)); }

SectionFigures CGameStatistics::Compute(int section) const {
  switch (StatSectionKindOf(section)) {
    case StatSectionKind::Heading: return {};
    case StatSectionKind::Frequencies: return ComputeFrequencies(game_);
    case StatSectionKind::FrequenciesByPlayer: return ComputeFrequenciesByPlayer(game_);
    case StatSectionKind::TimePerTurn: return ComputeTimePerTurn(game_);
    case StatSectionKind::Resources: return ComputeResourceSection(game_, section);
    case StatSectionKind::NumberOfTrades: return ComputeNumberOfTrades(game_);
    case StatSectionKind::TradingPartners: return ComputeTradingPartners(game_);
    case StatSectionKind::TradingRatios: return ComputeTradingRatios(game_);
  }
  return {};
}

std::array<SectionFigures, kStatSectionCount> CGameStatistics::ComputeAll() const {
  std::array<SectionFigures, kStatSectionCount> all;
  for (int section = 0; section < kStatSectionCount; ++section) all[section] = Compute(section);
  return all;
}
