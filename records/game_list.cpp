#include "records/game_list.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "records/formatted.h"
#include "records/game.h"
#include "records/game_database.h"

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kOleDaysAt1970 = 25569;  // 30 Dec 1899 to 1 Jan 1970
// The range of OLE dates (years 100 to 9999); damaged values are held to it.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

double Sane(double days) { return std::isfinite(days) ? std::clamp(days, kFirstDay, kLastDay) : 0.0; }

// The calendar fields of a local date-time, to the nearest second. The day
// count is split in the OLE way (the fraction is the time of day even for
// days before 1899) and read back as a UTC calendar so no time zone enters.
std::tm Calendar(double days) {
  days = Sane(days);
  double dayPart = std::trunc(days);
  int64_t seconds = std::llround(std::fabs(days - dayPart) * kSecondsPerDay);
  int64_t day = static_cast<int64_t>(dayPart);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    day += days < 0 ? -1 : 1;
  }
  auto t = static_cast<std::time_t>((day - kOleDaysAt1970) * kSecondsPerDay + seconds);
  std::tm calendar{};
  gmtime_r(&t, &calendar);
  return calendar;
}

}  // namespace

std::string ListDate(double days) {
  std::tm c = Calendar(days);
  return Formatted("%d.%02d.%04d", c.tm_mon + 1, c.tm_mday, c.tm_year + 1900);
}

int ListMonth(double days) {
  std::tm c = Calendar(days);
  return (c.tm_year + 1900) * 12 + c.tm_mon;
}

std::string ListTime(double days) {
  std::tm c = Calendar(days);
  int hour = c.tm_hour % 12 == 0 ? 12 : c.tm_hour % 12;
  return Formatted("%d:%02d %s", hour, c.tm_min, c.tm_hour < 12 ? "AM" : "PM");
}

// Hours of the day part (0-23), minutes and seconds; a negative span (a game
// without an end) shows as 0h, 0m, 0s.
std::string ListLength(double spanDays) {
  double span = Sane(spanDays);
  int64_t seconds = span > 0 ? std::llround(span * kSecondsPerDay) : 0;
  return Formatted("%dh, %dm, %ds", static_cast<int>(seconds / 3600 % 24), static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60));
}

CGameListRow GameListRow(int index, const CGame& game) {
  CGameListRow row;
  row.index = index;
  row.date = ListDate(game.startTime.days);
  row.time = ListTime(game.startTime.days);
  row.playerCount = std::to_string(game.players.size());
  row.length = ListLength(game.endTime.days - game.startTime.days);
  for (const CPlayerGame& seat : game.players) {
    if (!row.players.empty()) row.players += ", ";
    row.players += seat.player.DisplayName();
  }
  return row;
}

std::vector<CGameListRow> GameList(CGameDatabase& games) {
  std::vector<CGameListRow> rows;
  rows.reserve(static_cast<std::size_t>(games.GameCount()));
  games.ForEachHeader([&](int index, const CGame& game) { rows.push_back(GameListRow(index, game)); });
  return rows;
}
