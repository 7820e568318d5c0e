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

constexpr StatSectionMask Sections(std::initializer_list<int> list) {
  StatSectionMask mask = 0;
  for (int n : list) mask |= StatSection(n);
  return mask;
}

// What each section brings along when it is recomputed.
constexpr StatSectionMask kRefreshGroup[kStatSectionCount] = {
    0,                        // 0 heading
    Sections({1, 2}),         // rolls feed both frequency tables
    Sections({1, 2}),
    0,                        // 3 heading
    Sections({4}),
    0,                        // 5 heading
    Sections({6}),
    Sections({7, 6}),         // each gain table feeds the total gained
    Sections({8, 6}),
    Sections({9, 6}),
    0,                        // 10 heading
    Sections({11}),
    Sections({12, 11}),       // each loss table feeds the total lost
    Sections({13, 11}),
    Sections({14, 11}),
    0,                        // 15 heading
    Sections({16, 17, 18, 19, 20, 21, 22}),  // one trade moves every trading table
    Sections({16, 17, 18, 19, 20, 21, 22}),
    Sections({16, 17, 18, 19, 20, 21, 22}),
    Sections({16, 17, 18, 19, 20, 21, 22}),
    Sections({16, 17, 18, 19, 20, 21, 22}),
    Sections({16, 17, 18, 19, 20, 21, 22}),
    Sections({16, 17, 18, 19, 20, 21, 22}),
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

bool HasDetailText(int section) { return section == 8 || section == 11 || section == 12 || section == 13; }

StatSectionMask SectionsToRefresh(StatSectionMask changed) {
  StatSectionMask result = 0;
  for (int n = 0; n < kStatSectionCount; ++n)
    if (changed & StatSection(n)) result |= kRefreshGroup[n];
  return result;
}
