#include "stats/luck.h"

#include <cstdio>
#include <numeric>
#include <unordered_map>

#include "records/game_database.h"
#include "records/player_database.h"

namespace {

double Sum(const ResourceExpectation& values) { return std::accumulate(values.begin(), values.end(), 0.0); }
int32_t Sum(const ResourceCounts& values) { return std::accumulate(values.begin(), values.end(), 0); }

std::vector<SeatLuck> SeatsOf(const CGame& game) {
  std::vector<SeatLuck> seats;
  for (const CPlayerGame& seat : game.players) {
    SeatLuck luck;
    luck.playerId = seat.player.playerId;
    luck.name = seat.player.DisplayName();
    luck.colour = seat.color;
    seats.push_back(luck);
  }
  return seats;
}

// Cards lost to the robber's blocking, to thieves (robber steals and
// Monopoly) and to discards on a 7, with the table's average of each.
void AddLosses(const CGame& game, std::vector<SeatLuck>& seats) {
  std::array<double, kLossCauses> tableTotal{};
  for (std::size_t s = 0; s < seats.size(); ++s) {
    const CPlayerGame& seat = game.players[s];
    for (int k = 0; k < 6; ++k) {
      seats[s].lost[LostToRobber] += Sum(seat.lostToRobber[k]);
      seats[s].lost[LostToSteals] += Sum(seat.stolenBy[k]);
    }
    seats[s].lost[LostToDiscards] = Sum(seat.lostOnSeven);
    for (int c = 0; c < kLossCauses; ++c) tableTotal[c] += seats[s].lost[c];
  }
  for (SeatLuck& seat : seats)
    for (int c = 0; c < kLossCauses; ++c) seat.averageLost[c] = tableTotal[c] / static_cast<double>(seats.size());
}

// The first seat of a person counts, as in the player lists.
int FirstSeatOf(const CGame& game, int32_t playerId) {
  for (std::size_t s = 0; s < game.players.size(); ++s)
    if (game.players[s].player.playerId == playerId) return static_cast<int>(s);
  return -1;
}

}  // namespace

double RollLuck::Expected(int32_t seat) const { return Sum(expected.at(static_cast<std::size_t>(seat))); }
int32_t RollLuck::Received(int32_t seat) const { return Sum(received.at(static_cast<std::size_t>(seat))); }

double SeatLuck::ExpectedTotal() const { return Sum(expected); }
int32_t SeatLuck::ReceivedTotal() const { return Sum(received); }
double SeatLuck::LossLuck() const {
  double luck = 0.0;
  for (int c = 0; c < kLossCauses; ++c) luck += averageLost[c] - lost[c];
  return luck;
}

std::vector<double> GameLuck::CumulativeLuck(int32_t seat) const {
  std::vector<double> line = {0.0};
  for (const RollLuck& roll : rolls) line.push_back(line.back() + roll.Luck(seat));
  return line;
}

std::vector<double> GameLuck::SeatLuckTotals() const {
  std::vector<double> totals;
  for (const SeatLuck& seat : seats) totals.push_back(seat.Luck());
  return totals;
}

GameLuck LuckOfGame(const CGame& game, const std::vector<RollLuck>& rolls) {
  GameLuck luck;
  luck.hasProduction = true;
  luck.rolls = rolls;
  std::vector<int32_t> totals;
  for (const RollLuck& roll : rolls) totals.push_back(roll.total);
  luck.dice = DiceFiguresOf(totals);
  luck.seats = SeatsOf(game);
  for (std::size_t s = 0; s < luck.seats.size() && s < 6; ++s) {
    for (const RollLuck& roll : rolls) {
      for (int r = 0; r < 5; ++r) {
        luck.seats[s].expected[r] += roll.expected[s][r];
        luck.seats[s].received[r] += roll.received[s][r];
      }
    }
  }
  AddLosses(game, luck.seats);
  return luck;
}

GameLuck DiceLuckOfGame(const CGame& game) {
  GameLuck luck;
  luck.seats = SeatsOf(game);
  TotalCounts counts{};
  for (const auto& seatCounts : game.rollCounts)
    for (int i = 0; i < kDiceTotals; ++i) counts[i] += seatCounts[i];
  // The list of rolls gives the order too, when it agrees with the counts.
  DiceFigures ordered = DiceFiguresOf(game.rolls);
  luck.dice = ordered.counts == counts ? ordered : DiceFiguresOfCounts(counts);
  return luck;
}

std::string LuckText(double luck) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.2f", luck);
  return text;
}

std::optional<std::vector<double>> IReplayLuck::SeatLuckOf(const CGame& game) {
  std::optional<std::vector<RollLuck>> rolls = RollsOf(game);
  if (!rolls) return std::nullopt;
  return LuckOfGame(game, *rolls).SeatLuckTotals();
}

std::optional<double> PlayerLuck::AverageLuck() const {
  if (gamesWithReplay == 0) return std::nullopt;
  return totalLuck / gamesWithReplay;
}

namespace {

// Every person, or only `onlyId` (the other games are not replayed).
std::vector<PlayerLuck> CollectLuck(CGameDatabase& games, IReplayLuck& replays, std::optional<int32_t> onlyId) {
  std::vector<PlayerLuck> people;
  std::unordered_map<int32_t, std::size_t> byId;
  games.ForEachHeader([&](int, const CGame& game) {
    if (onlyId && FirstSeatOf(game, *onlyId) < 0) return;
    std::optional<std::vector<double>> luck = replays.SeatLuckOf(game);
    for (std::size_t s = 0; s < game.players.size(); ++s) {
      int32_t id = game.players[s].player.playerId;
      if (FirstSeatOf(game, id) != static_cast<int>(s) || (onlyId && id != *onlyId)) continue;
      auto [found, added] = byId.emplace(id, people.size());
      if (added) {
        people.emplace_back();
        people.back().playerId = id;
        people.back().name = game.players[s].player.DisplayName();
      }
      PlayerLuck& person = people[found->second];
      CPlayerFigures figures;
      AddGameToFigures(figures, id, game);
      person.games += figures.games;
      person.wins += figures.wins;
      if (luck && s < luck->size()) {
        person.gamesWithReplay += 1;
        person.totalLuck += (*luck)[s];
      }
    }
  });
  return people;
}

}  // namespace

std::vector<PlayerLuck> LuckByPlayer(CGameDatabase& games, IReplayLuck& replays) {
  return CollectLuck(games, replays, std::nullopt);
}

PlayerLuck LuckOfPlayer(int32_t playerId, CGameDatabase& games, IReplayLuck& replays) {
  std::vector<PlayerLuck> found = CollectLuck(games, replays, playerId);
  if (!found.empty()) return found.front();
  PlayerLuck nobody;
  nobody.playerId = playerId;
  return nobody;
}

std::string AverageLuckText(const PlayerLuck& figures) {
  std::optional<double> average = figures.AverageLuck();
  return average ? LuckText(*average) : std::string();
}

std::string AverageLuckTextOf(const std::vector<PlayerLuck>& people, int32_t playerId) {
  for (const PlayerLuck& person : people)
    if (person.playerId == playerId) return AverageLuckText(person);
  return std::string();
}
