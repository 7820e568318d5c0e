#include "engine/session/session.h"

namespace {

bool IsSeat(int32_t other) { return other >= 0 && other < kMaxPlayers; }

}  // namespace

// Gains move the kind's counter up (losses of the Discard and TakenBy kinds
// count the other way), so undoing with the same kind restores every counter.
int32_t CGameSession::GainResources(LedgerKind kind, int32_t player, int32_t r, int32_t count, int32_t other) {
  if (!IsResource(r) || count <= 0) return !IsResource(r) ? -1 : 0;
  if (Tracks() && LedgerUsesBank(kind)) {
    count = std::min(count, f_.bank[r]);
    f_.bank[r] -= count;
  }
  CPlayerGame& seat = P(player);
  if (kind != RobberBlocked) seat.hand[r] += count;
  switch (kind) {
    case Production: seat.gainedFromBoard[r] += count; break;
    case Stolen:
    case MonopolyGain: if (IsSeat(other)) seat.stolenFrom[other][r] += count; break;
    case YearOfPlenty: seat.gainedFromCards[r] += count; break;
    case Discard: seat.lostOnSeven[r] -= count; break;
    case TakenBy: if (IsSeat(other)) seat.stolenBy[other][r] -= count; break;
    case RobberBlocked: if (IsSeat(other)) seat.lostToRobber[other][r] += count; break;
    case BankTrade:
      if (other == -2) seat.givenToBank[r] -= count;
      else seat.receivedFromBank[r] += count;
      break;
    case Purchase:
    case PlayerTrade: break;
  }
  ui_.StatusRowChanged(player);
  ui_.StatusRowChanged(-1);
  return count;
}

void CGameSession::LoseResources(LedgerKind kind, int32_t player, int32_t r, int32_t count, int32_t other) {
  if (!IsResource(r) || count <= 0) return;
  if (Tracks() && LedgerUsesBank(kind)) f_.bank[r] += count;
  CPlayerGame& seat = P(player);
  if (kind != RobberBlocked) seat.hand[r] -= count;
  switch (kind) {
    case Production: seat.gainedFromBoard[r] -= count; break;
    case Stolen:
    case MonopolyGain: if (IsSeat(other)) seat.stolenFrom[other][r] -= count; break;
    case YearOfPlenty: seat.gainedFromCards[r] -= count; break;
    case Discard: seat.lostOnSeven[r] += count; break;
    case TakenBy: if (IsSeat(other)) seat.stolenBy[other][r] += count; break;
    case RobberBlocked: if (IsSeat(other)) seat.lostToRobber[other][r] -= count; break;
    case BankTrade:
      if (other == -2) seat.receivedFromBank[r] -= count;
      else seat.givenToBank[r] += count;
      break;
    case Purchase:
    case PlayerTrade: break;
  }
  ui_.StatusRowChanged(player);
  ui_.StatusRowChanged(-1);
}

void CGameSession::AddVictoryPoints(int32_t player, int32_t n) {
  P(player).victoryPoints += n;
  ui_.StatusRowChanged(player);
  ui_.StatusRowChanged(-1);
}

void CGameSession::RemoveVictoryPoints(int32_t player, int32_t n) {
  P(player).victoryPoints -= n;
  ui_.StatusRowChanged(player);
  ui_.StatusRowChanged(-1);
}

void CGameSession::MoveBonus(int32_t CPlayerGame::*flag, int32_t from, int32_t to) {
  if (from >= 0) {
    P(from).*flag = 0;
    RemoveVictoryPoints(from, 2);
  }
  if (to >= 0) {
    P(to).*flag = 1;
    AddVictoryPoints(to, 2);
  }
}

// Paying and refunding a purchase; only while trades are tracked.
void CGameSession::Pay(int32_t player, PurchaseKind kind) {
  if (!Tracks()) return;
  ResourceCounts cost = PurchaseCost(kind);
  for (int r = 0; r < kResourceCount; ++r) LoseResources(Purchase, player, r, cost[r], -1);
}

void CGameSession::Refund(int32_t player, PurchaseKind kind) {
  if (!Tracks()) return;
  ResourceCounts cost = PurchaseCost(kind);
  for (int r = 0; r < kResourceCount; ++r) GainResources(Purchase, player, r, cost[r], -1);
}
