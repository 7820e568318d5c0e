// The playing order decided by dice rolls: ranks, ties and the rounds of the
// tied players.
#include <gtest/gtest.h>

#include "engine/session/dice_roll_order.h"

namespace {

using Placements = std::vector<CDiceRollOrder::Placement>;

// Rolls for the players in asking order; returns every placement made.
Placements RollAll(CDiceRollOrder& order, std::initializer_list<int> totals) {
  Placements all;
  for (int total : totals) {
    const int32_t seat = order.NextRoller();
    EXPECT_GE(seat, 0);
    Placements placed;
    EXPECT_TRUE(order.Roll(seat, total, &placed));
    all.insert(all.end(), placed.begin(), placed.end());
  }
  return all;
}

// The seat given each of the first `places` places (-1: none given).
std::vector<int32_t> SeatsByPlace(const Placements& placed, int places) {
  std::vector<int32_t> seats(places, -1);
  for (const auto& p : placed) {
    EXPECT_EQ(seats.at(p.place), -1) << "place " << p.place << " given twice";
    seats.at(p.place) = p.seat;
  }
  return seats;
}

TEST(DiceRollOrder, TwoTiedPlayersRollAgainAndOnlyTheirOrderIsDecided) {
  CDiceRollOrder order({0, 1, 2}, 0);
  EXPECT_EQ(SeatsByPlace(RollAll(order, {8, 8, 11}), 3), (std::vector<int32_t>{2, -1, -1}));
  EXPECT_EQ(order.Rolling(), (std::vector<int32_t>{0, 1}));
  EXPECT_FALSE(order.HasRolled(0));
  EXPECT_EQ(order.NextRoller(), 0);

  // The second round's low roll is still above the third player's 11 from
  // the first round: only the two tied players are reordered.
  Placements second = RollAll(order, {3, 6});
  EXPECT_TRUE(order.Done());
  EXPECT_EQ(SeatsByPlace(second, 3), (std::vector<int32_t>{-1, 1, 0}));
}

TEST(DiceRollOrder, AnUntiedLowRollTakesItsPlaceWhileHigherPlayersStillRoll) {
  // 11, 11, 8: the 8 is third whatever the two 11s roll next; it must not
  // take the first free place.
  CDiceRollOrder order({0, 1, 2}, 0);
  EXPECT_EQ(SeatsByPlace(RollAll(order, {11, 11, 8}), 3), (std::vector<int32_t>{-1, -1, 2}));
  Placements second = RollAll(order, {4, 10});
  EXPECT_EQ(SeatsByPlace(second, 3), (std::vector<int32_t>{1, 0, -1}));
}

TEST(DiceRollOrder, ThreeWayTieSplitsOverSeveralRoundsAfterManualPlaces) {
  // Two places were filled by hand; four players roll for places 2..5.
  CDiceRollOrder order({1, 3, 4, 5}, 2);
  EXPECT_EQ(SeatsByPlace(RollAll(order, {6, 6, 6, 12}), 6), (std::vector<int32_t>{-1, -1, 5, -1, -1, -1}));
  // 9, 5, 9: seat 3 is last; seats 1 and 4 tie again.
  EXPECT_EQ(SeatsByPlace(RollAll(order, {9, 5, 9}), 6), (std::vector<int32_t>{-1, -1, -1, -1, -1, 3}));
  EXPECT_EQ(order.Rolling(), (std::vector<int32_t>{1, 4}));
  Placements round3 = RollAll(order, {2, 7});
  EXPECT_TRUE(order.Done());
  EXPECT_EQ(SeatsByPlace(round3, 6), (std::vector<int32_t>{-1, -1, -1, 4, 1, -1}));
}

TEST(DiceRollOrder, RejectsRollsOutsideTheDiceAndPlayersNotRolling) {
  CDiceRollOrder order({0, 2}, 0);
  EXPECT_FALSE(order.Roll(0, 1, nullptr));
  EXPECT_FALSE(order.Roll(0, 13, nullptr));
  EXPECT_FALSE(order.Roll(1, 7, nullptr));
  // A roll entered again for the same player replaces the first.
  EXPECT_TRUE(order.Roll(2, 4, nullptr));
  EXPECT_TRUE(order.Roll(2, 9, nullptr));
  EXPECT_EQ(order.RollOf(2), 9);
  EXPECT_EQ(order.NextRoller(), 0);
  Placements placed;
  EXPECT_TRUE(order.Roll(0, 5, &placed));
  EXPECT_EQ(SeatsByPlace(placed, 2), (std::vector<int32_t>{2, 0}));
  EXPECT_FALSE(order.Roll(0, 5, nullptr));  // everybody is placed
}

}  // namespace
