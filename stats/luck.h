#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/game.h"
#include "stats/dice_luck.h"

class CBoard;
class CGameDatabase;
class CGameSession;

// Luck: what each player received from the dice against what the dice owed
// them. At every roll the engine's production rule gives, for each possible
// total, the cards each player would receive (board, buildings, robber and,
// when trades are tracked, the bank's stock at that moment); the expectation
// is their sum weighted by the totals' 2d6 chances, and luck is what the roll
// gave minus that expectation. Each turn has exactly one roll, so a roll's
// figures are its turn's.

using ResourceExpectation = std::array<double, 5>;  // by ResourceType
using SeatExpectation = std::array<ResourceExpectation, 6>;

struct RollLuck {
  int32_t roller = -1;  // the seat that rolled
  int32_t total = 0;
  SeatExpectation expected{};  // per seat and resource
  SeatMatrix received{};       // what the roll gave

  double Expected(int32_t seat) const;
  int32_t Received(int32_t seat) const;
  double Luck(int32_t seat) const { return Received(seat) - Expected(seat); }
};

// The production of every total in the position a session is in now.
struct ProductionOutlook {
  std::array<SeatMatrix, kDiceTotals> gains{};  // per total 2..12
  SeatExpectation expected{};
};
ProductionOutlook ProductionOutlookOf(const CGameSession& session);
// The same from the parts of a position: `bank` is the bank's stock when
// trades are tracked, null when not.
ProductionOutlook ProductionOutlookOf(const CBoard& board, const std::vector<CPlayerGame>& players, int32_t seats,
                                      int32_t roller, const ResourceCounts* bank);

// Follows a game input by input and keeps the luck of every roll. Observe
// must see the session after every input and every undo: the expectation of
// a roll is taken from the last position that could take a roll.
class CLuckTracker {
 public:
  void Observe(const CGameSession& session);
  void Clear();
  const std::vector<RollLuck>& Rolls() const { return rolls_; }

 private:
  std::optional<ProductionOutlook> outlook_;  // of the last position that could take a roll
  int32_t outlookRoller_ = -1;
  std::vector<RollLuck> rolls_;
};

// The ways a player loses cards besides spending them.
enum LossCause { LostToRobber = 0, LostToSteals = 1, LostToDiscards = 2 };
constexpr int kLossCauses = 3;

struct SeatLuck {
  int32_t playerId = 0;
  std::string name;      // "First Last" (Windows-1252)
  int32_t colour = 0;    // 0x00BBGGRR
  ResourceExpectation expected{};
  ResourceCounts received{};
  std::array<int32_t, kLossCauses> lost{};
  // What an average player at this table lost the same way: the table's
  // total divided by the number of seats.
  std::array<double, kLossCauses> averageLost{};

  double ExpectedTotal() const;
  int32_t ReceivedTotal() const;
  double Luck() const { return ReceivedTotal() - ExpectedTotal(); }
  double ResourceLuck(int r) const { return received[r] - expected[r]; }
  // Positive when the player lost fewer cards than the average player.
  double LossLuck() const;
};

struct GameLuck {
  // Production and losses need the game's replay (or the live session); a
  // stored game without one has only its dice.
  bool hasProduction = false;
  DiceFigures dice;
  std::vector<RollLuck> rolls;
  std::vector<SeatLuck> seats;

  // Cumulative luck of a seat: 0, then after each roll (turn).
  std::vector<double> CumulativeLuck(int32_t seat) const;
  // Each seat's luck for the game.
  std::vector<double> SeatLuckTotals() const;
};

// A game followed roll by roll (a replay, or the live session's tracker).
GameLuck LuckOfGame(const CGame& game, const std::vector<RollLuck>& rolls);
// A stored game without a replay: the dice only, from its stored rolls.
GameLuck DiceLuckOfGame(const CGame& game);

// A luck figure in cards as shown everywhere: "%+.2f".
std::string LuckText(double luck);

// --- over the stored games ---------------------------------------------------------

// The replays of stored games. The driver that runs them lives with the
// script player; tests hand in their own.
class IReplayLuck {
 public:
  virtual ~IReplayLuck() = default;
  // The luck of every roll of a stored game from its replay; nothing when
  // the game has none (or it cannot be replayed).
  virtual std::optional<std::vector<RollLuck>> RollsOf(const CGame& game) = 0;
  // The game's production luck per seat; by default from RollsOf (a source
  // may keep these few figures to spare the replay).
  virtual std::optional<std::vector<double>> SeatLuckOf(const CGame& game);
};

// One person over the stored games: games and wins counted as the player
// lists count them (the first seat of the person in each game), and the
// production luck of the games that have a replay.
struct PlayerLuck {
  int32_t playerId = 0;
  std::string name;  // from the first game the person sat in
  int32_t games = 0;
  int32_t wins = 0;
  int32_t gamesWithReplay = 0;
  double totalLuck = 0.0;

  // The average luck per game with a replay; nothing without one.
  std::optional<double> AverageLuck() const;
};

// Every person seated in a stored game, in order of first appearance.
std::vector<PlayerLuck> LuckByPlayer(CGameDatabase& games, IReplayLuck& replays);
// The one person's figures (all zero when the person sat in no stored game).
PlayerLuck LuckOfPlayer(int32_t playerId, CGameDatabase& games, IReplayLuck& replays);
// "Average luck" of the player lists: the average as LuckText, "" without a replay.
std::string AverageLuckText(const PlayerLuck& figures);
// The same for one person out of LuckByPlayer's list ("" when not in it).
std::string AverageLuckTextOf(const std::vector<PlayerLuck>& people, int32_t playerId);
