// Number formats and the catalogue's refresh groups.
#include <gtest/gtest.h>

#include "engine/session/session_ui.h"
#include "records/formatted.h"
#include "stats/stat_format.h"
#include "stats/stats_catalogue.h"

namespace {

TEST(StatFormat, DurationsDropEmptyHoursAndMinutes) {
  EXPECT_EQ(FormatDuration(3725), "1:02:05");
  EXPECT_EQ(FormatDuration(75), "1:15");
  EXPECT_EQ(FormatDuration(45), ":45");
  EXPECT_EQ(FormatDuration(0), ":00");
  EXPECT_EQ(FormatDuration(3600), "1:00:00");
  EXPECT_EQ(FormatDuration(60), "1:00");
  EXPECT_EQ(FormatDuration(36000 + 59), "10:00:59");
  EXPECT_EQ(FormatDuration(600), "10:00");
}

TEST(StatFormat, NegativeDurationsKeepTheirDigitsTogether) {
  EXPECT_EQ(FormatDuration(-75), "-1:15");
  EXPECT_EQ(FormatDuration(-3725), "-1:02:05");
}

TEST(StatFormat, LongTextsAreNeverCutOff) {
  const std::string name(300, 'x');
  EXPECT_EQ(Formatted("%s; %d points", name.c_str(), 7), name + "; 7 points");
  EXPECT_EQ(FormatAverage(1e100).size(), 104u);  // 101 digits and ".00"
  EXPECT_EQ(Formatted("%d", 12), "12");
}

TEST(StatFormat, NumbersAndGuardedDivision) {
  EXPECT_EQ(FormatCount(-3), "-3");
  EXPECT_EQ(FormatCount(4294967296LL), "4294967296");
  EXPECT_EQ(FormatAverage(20.0 / 3), "6.67");
  EXPECT_EQ(FormatRollPercent(200.0 / 3), "66.67%");
  EXPECT_EQ(FormatShare(100.0 / 3), "33.3");
  EXPECT_EQ(GuardedRatio(5, 0), 0.0);
  // Wider than any buffer a short number needs: written whole, not cut.
  EXPECT_EQ(FormatAverage(1e300).size(), 304u);
}

TEST(StatCatalogue, NamesKindsAndTree) {
  EXPECT_STREQ(StatSectionName(0), "Dice rolls");
  EXPECT_STREQ(StatSectionName(14), "From a 7 roll");
  EXPECT_STREQ(StatSectionName(22), "Resources received from others");
  EXPECT_STREQ(StatSectionName(kStatReportCount), "");
  for (int heading : {0, 3, 5, 10, 15}) EXPECT_TRUE(IsStatHeading(heading)) << heading;
  int headings = 0;
  for (int s = 0; s < kStatSectionCount; ++s) headings += IsStatHeading(s);
  EXPECT_EQ(headings, 5);
  EXPECT_EQ(StatSectionParent(2), 0);
  EXPECT_EQ(StatSectionParent(4), 3);
  EXPECT_EQ(StatSectionParent(14), 10);
  EXPECT_EQ(StatSectionParent(22), 15);
  EXPECT_EQ(StatSectionParent(15), 15);
}

TEST(StatCatalogue, ChangedInputsBringTheirDependentSections) {
  auto set = [](std::initializer_list<int> list) {
    StatSectionMask mask = 0;
    for (int n : list) mask |= StatSection(n);
    return mask;
  };
  // The session's notifications, as it sends them.
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::Frequencies)), set({1, 2}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::FromBoard) | Report(StatReport::FromRobberPlacement)), set({6, 7, 11, 12}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers)), set({6, 8, 11, 13}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::ByDevelopmentCards)), set({6, 9}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::FromSevenRoll)), set({11, 14}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::NumberOfTrades)), set({16, 17, 18, 19, 20, 21, 22}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::TimePerTurn)), set({4}));
  EXPECT_EQ(SectionsToRefresh(Report(StatReport::DiceRolls) | Report(StatReport::ResourcesGained)), 0u);
  EXPECT_EQ(kAllStatSections, kAllReports);
  EXPECT_EQ(SectionsToRefresh(kAllReports), kAllStatSections & ~set({0, 3, 5, 10, 15}));
}

}  // namespace
