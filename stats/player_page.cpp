#include "stats/player_page.h"
#include "stats/grid_text.h"

#include <algorithm>
#include <unordered_set>

#include "records/clock.h"
#include "records/database_ui.h"
#include "records/formatted.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/player_database.h"
#include "records/player_list.h"
#include "stats/stat_format.h"

namespace {

// The first seat of `playerId` in `game`, -1 when they did not sit there.
int FirstSeatOf(const CGame& game, int32_t playerId) {
  for (std::size_t s = 0; s < game.players.size(); ++s)
    if (game.players[s].player.playerId == playerId) return static_cast<int>(s);
  return -1;
}

bool Won(const CPlayerGame& seat) { return seat.victoryPoints > 9; }

template <std::size_t N>
int64_t Sum(const std::array<int32_t, N>& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum += v;
  return sum;
}

int64_t Sum(const SeatMatrix& matrix) {
  int64_t sum = 0;
  for (const ResourceCounts& row : matrix) sum += Sum(row);
  return sum;
}

void AddHabits(CHabitSums& h, const CPlayerGame& seat) {
  h.fromBoard += Sum(seat.gainedFromBoard);
  h.lostOnSeven += Sum(seat.lostOnSeven);
  h.robbed += Sum(seat.stolenBy);
  h.robbing += Sum(seat.stolenFrom);
  h.tradesWithPlayers += Sum(seat.tradesWith);
  h.tradesWithBank += Sum(seat.bankTrades);
  const int64_t hidden = HiddenPointsOf(seat);
  h.cardsPlayed += Sum(seat.cardsPlayed);
  h.cardsBought += seat.cardsHeld + seat.cardsBoughtThisTurn + Sum(seat.cardsPlayed) + hidden;
  h.longestRoad += seat.hasLongestRoad != 0;
  h.largestArmy += seat.hasLargestArmy != 0;
}

std::string SeatNames(const CGame& game) {
  std::string names;
  for (const CPlayerGame& seat : game.players) names += (names.empty() ? "" : ", ") + seat.player.DisplayName();
  return names;
}

// Everyone at the highest non-zero count, ordered by name.
std::vector<CPersonCount> TopTied(std::vector<CPersonCount> people) {
  int best = 0;
  for (const CPersonCount& p : people) best = std::max(best, p.count);
  std::erase_if(people, [best](const CPersonCount& p) { return best == 0 || p.count != best; });
  return people;
}

// "Bob Ray (2)", "Bob Ray, Cleo Stone (2 each)" or "none".
std::string TiedText(const std::vector<CPersonCount>& people) {
  if (people.empty()) return "none";
  std::string names;
  for (const CPersonCount& p : people) names += (names.empty() ? "" : ", ") + p.name;
  return names + " (" + std::to_string(people.front().count) + (people.size() > 1 ? " each)" : ")");
}

std::string PartnersText(const std::vector<CPersonCount>& people) {
  if (people.empty()) return "none";
  std::string text;
  for (const CPersonCount& p : people) text += (text.empty() ? "" : ", ") + p.name + " (" + std::to_string(p.count) + ")";
  return text;
}

std::string RateText(const CWinTally& t) {
  return Formatted("%.1f%% (%d of %d)", t.RatePercent(), t.wins, t.games);
}

}  // namespace

std::string SeatLabel(int seat) {
  static const char* const kSeatNames[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth"};
  return seat >= 0 && seat < 6 ? kSeatNames[seat] : "Seat " + std::to_string(seat + 1);
}

int32_t HiddenPointsOf(const CPlayerGame& seat) {
  const int32_t shown = (5 - seat.settlementsLeft) + 2 * (4 - seat.citiesLeft) + 2 * (seat.hasLongestRoad != 0) +
                        2 * (seat.hasLargestArmy != 0) + seat.cardsPlayed[0];
  return std::max(0, seat.victoryPoints - shown);
}

// ---------------------------------------------------------------- gathering

CPlayerPageBuilder::CPlayerPageBuilder(CPlayer player) { page_.player = std::move(player); }

void CPlayerPageBuilder::AddGame(int index, const CGame& game) {
  const int32_t id = page_.player.playerId;
  const int seatIndex = FirstSeatOf(game, id);
  if (seatIndex < 0) return;
  const CPlayerGame& seat = game.players[static_cast<std::size_t>(seatIndex)];
  const bool won = Won(seat);

  ++page_.games;
  page_.pointSum += seat.victoryPoints;
  page_.lengthSeconds += std::max<int32_t>(0, SpanSeconds(game.endTime.days - game.startTime.days));
  for (CWinTally* tally : {&page_.bySeat[seatIndex], &page_.byPlayerCount[static_cast<int>(game.players.size())],
                           &page_.months[ListMonth(game.startTime.days)]}) {
    ++tally->games;
    tally->wins += won;
  }
  AddHabits(page_.habits, seat);

  // Every other person once, with their first seat.
  bool shared = false;
  std::unordered_set<int32_t> seen{id};
  for (const CPlayerGame& other : game.players) {
    if (!seen.insert(other.player.playerId).second) continue;
    Opponent& o = opponents_[other.player.playerId];
    o.seatName = other.player.DisplayName();
    ++o.met;
    o.beaten += won;
    o.wonAgainst += Won(other);
    shared = shared || Won(other);
  }
  if (won) {
    ++page_.wins;
    page_.sharedWins += shared;
  }

  page_.recentGames.push_back({index, game.startTime.days, seatIndex, static_cast<int>(game.players.size()),
                               seat.victoryPoints, won, SeatNames(game)});
  // Newest start first (stored order is the order games ended); equal starts
  // keep database order. Only the newest few are kept.
  std::stable_sort(page_.recentGames.begin(), page_.recentGames.end(),
                   [](const CPageGame& a, const CPageGame& b) { return a.startDays > b.startDays; });
  if (page_.recentGames.size() > CPlayerPage::kRecentGames) page_.recentGames.pop_back();
}

CPlayerPage CPlayerPageBuilder::Finish(const CPlayerDatabase* players) {
  std::vector<CPersonCount> beaten, wonAgainst, met;
  for (const auto& [otherId, o] : opponents_) {
    std::string name = o.seatName;
    if (players != nullptr) {
      for (const CPlayer& known : players->Players())
        if (known.playerId == otherId) name = known.DisplayName();
    }
    beaten.push_back({otherId, name, o.beaten});
    wonAgainst.push_back({otherId, name, o.wonAgainst});
    met.push_back({otherId, name, o.met});
  }
  auto byName = [](const CPersonCount& a, const CPersonCount& b) {
    return PlayerNameLess(a.name, b.name) || (!PlayerNameLess(b.name, a.name) && a.playerId < b.playerId);
  };
  for (auto* list : {&beaten, &wonAgainst, &met}) std::sort(list->begin(), list->end(), byName);
  page_.rivals = TopTied(std::move(beaten));
  page_.nemeses = TopTied(std::move(wonAgainst));
  std::stable_sort(met.begin(), met.end(), [](const CPersonCount& a, const CPersonCount& b) { return a.count > b.count; });
  if (met.size() > 3) met.resize(3);
  page_.partners = std::move(met);

  // The months between the first and the last game, empty ones included.
  if (!page_.months.empty()) {
    const int first = page_.months.begin()->first, last = page_.months.rbegin()->first;
    for (int m = first; m <= last; ++m) page_.months[m];
  }
  return std::move(page_);
}

CPlayerPage BuildPlayerPage(const CPlayerDatabase& players, CGameDatabase& games, int index) {
  if (index < 0 || index >= players.Count()) {
    throw CDatabaseError("There is no player " + std::to_string(index) + " in the player database.");
  }
  CPlayerPageBuilder builder(players.GetPlayer(index));
  games.ForEachHeader([&](int gameIndex, const CGame& game) { builder.AddGame(gameIndex, game); });
  return builder.Finish(&players);
}

// ---------------------------------------------------------------- texts

std::vector<CPageLine> PlayerPageLines(const CPlayerPage& page) {
  std::vector<CPageLine> lines;
  auto add = [&lines](const char* section, std::string label, std::string value) {
    lines.push_back({section, std::move(label), std::move(value)});
  };
  add("Record", "Player", page.player.DisplayName());
  add("Record", "Games", FormatCount(page.games));
  add("Record", "Wins", FormatCount(page.wins));
  add("Record", "Shared wins", FormatCount(page.sharedWins));
  add("Record", "Win rate", Formatted("%.1f%%", page.WinRatePercent()));
  add("Record", "Average points", FormatAverage(page.AveragePoints()));
  add("Record", "Average game length", FormatDuration(page.AverageLengthSeconds()));

  add("People", "Rival", TiedText(page.rivals));
  add("People", "Nemesis", TiedText(page.nemeses));
  add("People", "Played with most", PartnersText(page.partners));

  for (const auto& [seat, tally] : page.bySeat) add("Win rate by seat", SeatLabel(seat), RateText(tally));
  for (const auto& [count, tally] : page.byPlayerCount)
    add("Win rate by players", std::to_string(count) + " players", RateText(tally));

  const CHabitSums& h = page.habits;
  const std::pair<const char*, int64_t> habits[] = {
      {"Resources from the board", h.fromBoard},    {"Cards lost on a 7", h.lostOnSeven},
      {"Cards robbed from them", h.robbed},         {"Cards they robbed", h.robbing},
      {"Trades with players", h.tradesWithPlayers}, {"Trades with the bank", h.tradesWithBank},
      {"Development cards bought", h.cardsBought},  {"Development cards played", h.cardsPlayed},
      {"Longest Road at the end", h.longestRoad},   {"Largest Army at the end", h.largestArmy},
  };
  for (const auto& [label, sum] : habits) add("Per game", label, FormatAverage(page.PerGame(sum)));
  add("Per game", "Luck (games with a replay)", page.averageLuck.empty() ? "no replays" : page.averageLuck);

  for (const auto& [month, tally] : page.months)
    add("Games per month", Formatted("%04d-%02d", month / 12, month % 12 + 1),
        Formatted("%d %s, %d won", tally.games, tally.games == 1 ? "game" : "games", tally.wins));

  for (const CPageGame& g : page.recentGames) {
    add("Last games", "Game " + std::to_string(g.index),
        Formatted("%s; %s seat of %d; %d points; %s; ", ListDate(g.startDays).c_str(), SeatLabel(g.seat).c_str(),
                  g.seats, g.points, g.won ? "won" : "lost") +
            g.players);
  }
  return lines;
}

std::string PlayerPageText(const CPlayerPage& page) {
  std::string text, section;
  for (const CPageLine& line : PlayerPageLines(page)) {
    if (line.section != section) {
      section = line.section;
      text += (text.empty() ? "" : "\n") + section + "\n";
    }
    text += "  " + line.label + "\t" + line.value + "\n";
  }
  return text + "\n" + kTieNote + "\n";
}

std::string PlayerPageCsv(const CPlayerPage& page) {
  std::string text = "Section,Figure,Value\n";
  for (const CPageLine& line : PlayerPageLines(page))
    text += CsvField(line.section) + "," + CsvField(line.label) + "," + CsvField(line.value) + "\n";
  return text;
}
