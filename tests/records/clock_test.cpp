#include "records/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Runs the tests of this file in a chosen time zone and restores the clock.
class ClockTest : public ::testing::Test {
 protected:
  void UseZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
  void TearDown() override {
    CClock::UseSystem();
    unsetenv("TZ");
    tzset();
  }
};

TEST_F(ClockTest, OleDaysCountFromThe30thOfDecember1899LocalTime) {
  UseZone("UTC");
  EXPECT_DOUBLE_EQ(OleDaysFromTime(0.0), 25569.0);               // 1 Jan 1970 00:00
  EXPECT_DOUBLE_EQ(OleDaysFromTime(43200.0), 25569.5);           // noon
  EXPECT_DOUBLE_EQ(OleDaysFromTime(-2209032000.0), 1.5);         // 31 Dec 1899 noon
  EXPECT_DOUBLE_EQ(OleDaysFromTime(-2209226400.0), -1.25);       // 29 Dec 1899 06:00
  EXPECT_EQ(TimeFromOleDays(-1.25), -2209226400);

  UseZone("America/New_York");  // UTC-5 in January, UTC-4 in July
  EXPECT_DOUBLE_EQ(OleDaysFromTime(0.0), 25568.0 + 19.0 / 24.0);
  const double july = 1720000000.0;  // 3 July 2024 09:46:40 UTC
  EXPECT_DOUBLE_EQ(OleDaysFromTime(july), 45476.0 + (5 * 3600 + 46 * 60 + 40) / 86400.0);
}

TEST_F(ClockTest, ConversionsRoundTripToTheSecond) {
  for (const char* zone : {"UTC", "Europe/Berlin", "America/New_York"}) {
    UseZone(zone);
    for (int64_t t : {int64_t{0}, int64_t{1000000000}, int64_t{1711846800}, int64_t{1730000000}}) {
      EXPECT_EQ(TimeFromOleDays(OleDaysFromTime(static_cast<double>(t))), t) << zone << " " << t;
    }
  }
}

TEST_F(ClockTest, SpansTruncateToWholeSeconds) {
  EXPECT_EQ(SpanSeconds(1.0), 86400);
  EXPECT_EQ(SpanSeconds(90.0 / 86400.0), 90);
  EXPECT_EQ(SpanSeconds(89.9999 / 86400.0), 89);  // never rounded up to the next second
  EXPECT_EQ(SpanSeconds(0.0), 0);
  // A difference of two OLE days that lost a little to rounding still counts
  // the full second thanks to the small addend.
  const double start = OleDaysFromTime(1700000000.0);
  const double end = OleDaysFromTime(1700000061.0);
  EXPECT_EQ(SpanSeconds(end - start), 61);
}

TEST_F(ClockTest, AFixedClockCanBeMovedOn) {
  UseZone("UTC");
  CClock::SetFixed(86400.0 * 2 + 0.5);
  EXPECT_EQ(CClock::NowSeconds(), 172800);
  EXPECT_DOUBLE_EQ(CClock::NowOleDays(), 25571.0 + 0.5 / 86400.0);
  EXPECT_EQ(CClock::Now().status, DateTimeValid);
  const double before = CClock::NowOleDays();
  CClock::Advance(90.0);
  EXPECT_EQ(CClock::NowSeconds(), 172890);
  EXPECT_EQ(SpanSeconds(CClock::NowOleDays() - before), 90);

  CClock::UseSystem();
  const auto now = static_cast<int64_t>(std::time(nullptr));
  EXPECT_NEAR(static_cast<double>(CClock::NowSeconds()), static_cast<double>(now), 2.0);
}

}  // namespace
