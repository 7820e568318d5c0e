#include "records/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>

namespace {

std::optional<double> fixedSeconds;  // set while a test holds the clock

constexpr double kSecondsPerDay = 86400.0;
// Days from 30 Dec 1899 (OLE day 0) to 1 Jan 1970.
constexpr int64_t kOleDaysAt1970 = 25569;

// Days since 1 Jan 1970 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// The proleptic Gregorian date of a day count since 1 Jan 1970.
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

double SystemSeconds() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

double CurrentSeconds() { return fixedSeconds ? *fixedSeconds : SystemSeconds(); }

}  // namespace

CDateTime CClock::Now() { return CDateTime{DateTimeValid, NowOleDays()}; }

double CClock::NowOleDays() { return OleDaysFromTime(CurrentSeconds()); }

int32_t CClock::NowSeconds() { return static_cast<int32_t>(std::floor(CurrentSeconds())); }

void CClock::SetFixed(double secondsSince1970) { fixedSeconds = secondsSince1970; }

void CClock::Advance(double seconds) { fixedSeconds = CurrentSeconds() + seconds; }

void CClock::UseSystem() { fixedSeconds.reset(); }

std::optional<double> CClock::FixedSeconds() { return fixedSeconds; }

double OleDaysFromTime(double secondsSince1970) {
  const double whole = std::floor(secondsSince1970);
  const auto t = static_cast<std::time_t>(whole);
  std::tm local{};
  localtime_r(&t, &local);
  const int64_t day = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                    static_cast<unsigned>(local.tm_mday)) + kOleDaysAt1970;
  const double secondOfDay = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                             (secondsSince1970 - whole);
  const double fraction = secondOfDay / kSecondsPerDay;
  // OLE dates before day 0 count the day backwards but the time forwards.
  return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

int64_t TimeFromOleDays(double days) {
  const double dayPart = std::trunc(days);
  int64_t secondOfDay = std::llround(std::fabs(days - dayPart) * kSecondsPerDay);
  auto day = static_cast<int64_t>(dayPart);
  if (secondOfDay >= 86400) {  // rounded up to the next midnight
    secondOfDay -= 86400;
    day += days < 0 ? -1 : 1;
  }
  int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(day - kOleDaysAt1970, y, m, d);
  // Every field set, so that mktime judges daylight saving for this very
  // wall-clock time rather than for midnight.
  std::tm local{};
  local.tm_year = static_cast<int>(y - 1900);
  local.tm_mon = static_cast<int>(m) - 1;
  local.tm_mday = static_cast<int>(d);
  local.tm_hour = static_cast<int>(secondOfDay / 3600);
  local.tm_min = static_cast<int>(secondOfDay / 60 % 60);
  local.tm_sec = static_cast<int>(secondOfDay % 60);
  local.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&local));
}

int32_t SpanSeconds(double days) {
  return static_cast<int32_t>(std::trunc(days * kSecondsPerDay + 5.787037037037037e-6));
}
