#pragma once

#include <cstdint>
#include <vector>

// The playing order decided by dice rolls at the table. Every player not yet
// placed rolls; a player whose roll no other rolling player shares is placed
// at once, by rank (the number of rolling players who rolled higher); tied
// players roll again among themselves, and only their order among each other
// is decided by the new rolls.
class CDiceRollOrder {
 public:
  // `players` roll (seat indices, in the order they are asked); `firstPlace`
  // is the first playing-order place they compete for (places before it are
  // already taken).
  CDiceRollOrder(std::vector<int32_t> players, int32_t firstPlace);

  // Seats still rolling in this round, and whether each has rolled.
  const std::vector<int32_t>& Rolling() const { return rolling_; }
  bool HasRolled(int32_t seat) const;
  int32_t RollOf(int32_t seat) const;  // 0 when not rolled in this round
  // The first rolling player without a roll this round, -1 when none.
  int32_t NextRoller() const;

  // Enters a roll of 2..12 for a rolling player (a second roll in the same
  // round replaces the first). When the round is complete the untied players
  // are placed and the tied ones start a new round. Returns the placements
  // this roll completed, as (seat, place) pairs; false for an invalid roll.
  struct Placement {
    int32_t seat;
    int32_t place;
  };
  bool Roll(int32_t seat, int32_t total, std::vector<Placement>* placed);

  bool Done() const { return rolling_.empty(); }

 private:
  struct Roller {
    int32_t seat;
    int32_t roll = 0;
    int32_t rank = 0;  // places ahead of this player among the rollers
    int32_t ties = 0;
  };
  Roller* Find(int32_t seat);
  const Roller* Find(int32_t seat) const;
  void CompleteRound(std::vector<Placement>* placed);

  std::vector<Roller> rollers_;   // still on the left
  std::vector<int32_t> rolling_;  // their seats, in asking order
  int32_t firstPlace_;
};
