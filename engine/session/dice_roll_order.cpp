#include "engine/session/dice_roll_order.h"

#include <algorithm>

CDiceRollOrder::CDiceRollOrder(std::vector<int32_t> players, int32_t firstPlace)
    : rolling_(std::move(players)), firstPlace_(firstPlace) {
  for (int32_t seat : rolling_) rollers_.push_back(Roller{seat});
}

CDiceRollOrder::Roller* CDiceRollOrder::Find(int32_t seat) {
  auto found = std::find_if(rollers_.begin(), rollers_.end(), [seat](const Roller& r) { return r.seat == seat; });
  return found == rollers_.end() ? nullptr : &*found;
}

const CDiceRollOrder::Roller* CDiceRollOrder::Find(int32_t seat) const {
  return const_cast<CDiceRollOrder*>(this)->Find(seat);
}

bool CDiceRollOrder::HasRolled(int32_t seat) const { return RollOf(seat) != 0; }

int32_t CDiceRollOrder::RollOf(int32_t seat) const {
  const Roller* roller = Find(seat);
  return roller == nullptr ? 0 : roller->roll;
}

int32_t CDiceRollOrder::NextRoller() const {
  for (const Roller& r : rollers_) {
    if (r.roll == 0) return r.seat;
  }
  return -1;
}

bool CDiceRollOrder::Roll(int32_t seat, int32_t total, std::vector<Placement>* placed) {
  Roller* roller = Find(seat);
  if (roller == nullptr || total < 2 || total > 12) return false;
  roller->roll = total;
  if (NextRoller() < 0) CompleteRound(placed);
  return true;
}

void CDiceRollOrder::CompleteRound(std::vector<Placement>* placed) {
  // Every roller of this round shared its rank with the others it tied with
  // last round (all ranks are equal in the first round): the new rolls only
  // order the players within one rank.
  std::vector<Roller> before = rollers_;
  for (Roller& r : rollers_) {
    int32_t higher = 0;
    int32_t same = 0;
    for (const Roller& other : before) {
      if (other.seat == r.seat || other.rank != r.rank) continue;
      if (other.roll > r.roll) ++higher;
      if (other.roll == r.roll) ++same;
    }
    r.rank += higher;
    r.ties = same;
  }
  // An untied player takes the place of its rank: its place is decided even
  // while players ranked above it still roll for theirs.
  std::vector<Roller> stay;
  for (const Roller& r : rollers_) {
    if (r.ties == 0) {
      if (placed != nullptr) placed->push_back({r.seat, firstPlace_ + r.rank});
    } else {
      stay.push_back(r);
      stay.back().roll = 0;
    }
  }
  if (placed != nullptr) {
    std::sort(placed->begin(), placed->end(), [](const Placement& a, const Placement& b) { return a.place < b.place; });
  }
  rollers_ = std::move(stay);
  rolling_.clear();
  for (const Roller& r : rollers_) rolling_.push_back(r.seat);
}
