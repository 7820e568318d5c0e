#include "stats/stats_catalogue.h"

#include <initializer_list>

namespace {

struct SectionEntry {
  const char* name;
  StatSectionKind kind;
};

using K = StatSectionKind;

// The catalogue in display order.
constexpr SectionEntry kSections[kStatSectionCount] = {
    {"Dice rolls", K::Heading},
    {"Frequencies", K::Frequencies},
    {"Frequencies by player", K::FrequenciesByPlayer},
    {"Time", K::Heading},
    {"Time per turn", K::TimePerTurn},
    {"Resources Gained", K::Heading},
    {"Total resources gained", K::Resources},
    {"From board", K::Resources},
    {"By stealing", K::Resources},
    {"By development cards", K::Resources},
    {"Resources Lost", K::Heading},
    {"Total resources lost", K::Resources},
    {"From robber placement", K::Resources},
    {"Stolen by others", K::Resources},
    {"From a 7 roll", K::Resources},
    {"Trading", K::Heading},
    {"Number of trades", K::NumberOfTrades},
    {"Trading partners", K::TradingPartners},
    {"Trading ratios", K::TradingRatios},
    {"Resources traded to bank", K::Resources},
    {"Resources received from bank", K::Resources},
    {"Resources traded to others", K::Resources},
    {"Resources received from others", K::Resources},
};

using R = StatReport;

constexpr StatSectionMask Sections(std::initializer_list<StatReport> list) {
  StatSectionMask mask = 0;
  for (StatReport r : list) mask |= StatSection(r);
  return mask;
}

constexpr StatSectionMask kAllTrading = Sections({R::NumberOfTrades, R::TradingPartners, R::TradingRatios,
                                                  R::TradedToBank, R::ReceivedFromBank, R::TradedToOthers,
                                                  R::ReceivedFromOthers});

// What each section brings along when it is recomputed.
constexpr StatSectionMask kRefreshGroup[kStatSectionCount] = {
    0,  // Dice rolls
    Sections({R::Frequencies, R::FrequenciesByPlayer}),  // rolls feed both frequency tables
    Sections({R::Frequencies, R::FrequenciesByPlayer}),
    0,  // Time
    Sections({R::TimePerTurn}),
    0,  // Resources Gained
    Sections({R::TotalGained}),
    Sections({R::FromBoard, R::TotalGained}),  // each gain table feeds the total gained
    Sections({R::ByStealing, R::TotalGained}),
    Sections({R::ByDevelopmentCards, R::TotalGained}),
    0,  // Resources Lost
    Sections({R::TotalLost}),
    Sections({R::FromRobberPlacement, R::TotalLost}),  // each loss table feeds the total lost
    Sections({R::StolenByOthers, R::TotalLost}),
    Sections({R::FromSevenRoll, R::TotalLost}),
    0,  // Trading
    kAllTrading,  // one trade moves every trading table
    kAllTrading,
    kAllTrading,
    kAllTrading,
    kAllTrading,
    kAllTrading,
    kAllTrading,
};

bool Valid(int section) { return section >= 0 && section < kStatSectionCount; }

}  // namespace

const char* StatSectionName(int section) { return Valid(section) ? kSections[section].name : ""; }

StatSectionKind StatSectionKindOf(int section) {
  return Valid(section) ? kSections[section].kind : StatSectionKind::Heading;
}

int StatSectionParent(int section) {
  if (!Valid(section)) return -1;
  while (section > 0 && !IsStatHeading(section)) --section;
  return section;
}

bool HasDetailText(int section) {
  switch (static_cast<StatReport>(section)) {
    case R::ByStealing:
    case R::TotalLost:
    case R::FromRobberPlacement:
    case R::StolenByOthers:
      return true;
    default:
      return false;
  }
}

StatSectionMask SectionsToRefresh(StatSectionMask changed) {
  StatSectionMask result = 0;
  for (int n = 0; n < kStatSectionCount; ++n)
    if (changed & StatSection(n)) result |= kRefreshGroup[n];
  return result;
}
