#include "engine/session/session.h"
#include "records/clock.h"

void CGameSession::ReverseTurnAction(const CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
  switch (node.kind) {
    case RollFirst:
    case Roll: {
      f_.rollsStarted = node.kind == Roll;
      int32_t total = node.roll;
      if (total != 7) {
        for (int32_t p = 0; p < f_.playerCount; ++p) {
          for (int r = 0; r < 5; ++r) {
            LoseResources(Production, p, r, node.gains[p][r], -1);
            LoseResources(RobberBlocked, p, r, node.withheld[p][r], board_.robberPlacer);
          }
        }
        ui_.StatisticsChanged(Report(7) | Report(12));
      }
      board_.robberPlacer = node.party;
      game_.rolls.pop_back();
      game_.rollCounts[cp][total - 2] -= 1;
      ui_.StatisticsChanged(Report(1));
      f_.turn.productionLines = {};
      f_.turn.productionLineShown = {};
      f_.turn.lastRoll = node.previous;
      f_.turn.rolled = false;
      f_.gameState = Turn;
      f_.pickEnabled = false;
      f_.lastPick = -1;
      f_.producingTiles.clear();
      break;
    }
    case Continue:
      for (std::size_t p = 0; p < node.lines.size() && p < 6; ++p) {
        f_.turn.productionLines[p] = node.lines[p];
        f_.turn.productionLineShown[p] = !node.lines[p].empty();
      }
      f_.producingTiles.clear();
      for (int b = 0; b < board_.LandCount(); ++b)
        if (board_.Piece(b).chip == node.roll) f_.producingTiles.push_back(b);
      f_.turn.lastRoll = node.roll;
      f_.turn.rolled = false;
      f_.gameState = GoodsReceived;
      break;
    case EndTurn: {
      cp = (cp + f_.playerCount - 1) % f_.playerCount;
      f_.currentPlayer = cp;
      CPlayerGame& seat = P(cp);
      seat.cardPlayedThisTurn = node.amounts[1];
      seat.cardsBoughtThisTurn = node.amounts[0];
      seat.cardsHeld -= node.amounts[0];
      int32_t s = seat.turnSeconds.back();
      seat.turnSeconds.pop_back();
      // The resumed turn goes on from its length at End Turn.
      game_.turnStart = CClock::Now();
      game_.turnStart.days -= s / 86400.0;
      f_.freeRoads = node.previous;
      f_.turn.rolled = true;
      ui_.StatisticsChanged(Report(4));
      break;
    }
    case PlacedRobber:
      board_.robberTile = node.value / 100;
      board_.robberPlacer = node.value / 10 % 10;
      f_.soldierRobber = node.value % 10 != 0;
      f_.pickEnabled = true;
      f_.lastPick = -1;
      f_.gameState = PlaceRobber;
      break;
    case BoughtCard:
      P(node.value).cardsBoughtThisTurn -= 1;
      Refund(node.value, PurchaseCard);
      break;
    case PlayedVictoryPoint: {
      int32_t p = node.value / 10;
      RemoveVictoryPoints(p, 1);
      if (node.value % 10 == 1) P(p).cardsBoughtThisTurn += 1;
      else P(p).cardsHeld += 1;
      P(p).cardsPlayed[VictoryPointCard] -= 1;
      break;
    }
    case PlayedMonopoly:
      P(cp).cardsHeld += 1;
      P(cp).cardsPlayed[MonopolyCard] -= 1;
      P(cp).cardPlayedThisTurn = 0;
      if (Tracks()) {
        for (int32_t j = 0; j < f_.playerCount; ++j) {
          if (node.amounts[j] <= 0) continue;
          GainResources(TakenBy, j, node.resource, node.amounts[j], cp);
          LoseResources(MonopolyGain, cp, node.resource, node.amounts[j], j);
        }
        ui_.StatisticsChanged(Report(8) | Report(13));
      }
      break;
    case PlayedRoadBuilding:
      P(cp).cardsHeld += 1;
      P(cp).cardsPlayed[RoadBuildingCard] -= 1;
      P(cp).cardPlayedThisTurn = 0;
      f_.freeRoads = 0;
      break;
    case PlayedYearOfPlenty: {
      P(cp).cardsHeld += 1;
      P(cp).cardsPlayed[YearOfPlentyCard] -= 1;
      P(cp).cardPlayedThisTurn = 0;
      const int32_t digits[5] = {node.value / 10000, node.value / 1000 % 10, node.value / 100 % 10,
                                 node.value / 10 % 10, node.value % 10};
      if (Tracks()) {
        for (int r = 0; r < 5; ++r) LoseResources(YearOfPlenty, cp, r, digits[r], -1);
        ui_.StatisticsChanged(Report(9));
      }
      break;
    }
    case PlayedSoldier: {
      f_.soldierRobber = false;
      P(cp).cardsHeld += 1;
      P(cp).cardsPlayed[SoldierCard] -= 1;
      P(cp).cardPlayedThisTurn = 0;
      int32_t h = node.value;
      if (h >= BonusFromNobody) {
        P(cp).hasLargestArmy = 0;
        RemoveVictoryPoints(cp, 2);
        if (h >= 0) {
          P(h).hasLargestArmy = 1;
          AddVictoryPoints(h, 2);
        }
      }
      board_.robberPlacer = node.previous;
      f_.gameState = Turn;
      f_.pickEnabled = false;
      f_.lastPick = -1;
      break;
    }
    case Traded:
      if (node.party < 0) {
        for (int r = 0; r < 5; ++r) {
          LoseResources(BankTrade, cp, r, node.get[r], -2);
          GainResources(BankTrade, cp, r, node.give[r], -2);
        }
        for (int i = 0; i < 3; ++i) P(cp).bankTrades[i] -= node.tradeCounts[i];
      } else {
        int32_t partner = node.party;
        CPlayerGame& me = P(cp);
        CPlayerGame& other = P(partner);
        for (int r = 0; r < 5; ++r) {
          if (Tracks()) {
            LoseResources(PlayerTrade, cp, r, node.get[r], partner);
            GainResources(PlayerTrade, cp, r, node.give[r], partner);
            LoseResources(PlayerTrade, partner, r, node.give[r], cp);
            GainResources(PlayerTrade, partner, r, node.get[r], cp);
          }
          me.givenTo[partner][r] -= node.give[r];
          me.receivedFrom[partner][r] -= node.get[r];
          other.givenTo[cp][r] -= node.get[r];
          other.receivedFrom[cp][r] -= node.give[r];
        }
        me.tradesWith[partner] -= 1;
        other.tradesWith[cp] -= 1;
      }
      ui_.StatisticsChanged(Report(16));
      break;
    case Discarded:
      for (int r = 0; r < 5; ++r) GainResources(Discard, node.party, r, node.give[r], -1);
      ui_.StatisticsChanged(Report(14));
      break;
    default: break;
  }
}

// Takes the stolen card back, then offers the steal again: a new choice ends
// the undo there, a cancel (or nobody left to rob) lets it run on into the
// robber move.
bool CGameSession::ReverseStole(const CUndoNode& node) {
  int32_t victim = node.value / 10, resource = node.value % 10;
  if (resource < 5) {
    LoseResources(Stolen, f_.currentPlayer, resource, 1, victim);
    GainResources(TakenBy, victim, resource, 1, f_.currentPlayer);
    ui_.StatisticsChanged(Report(8) | Report(13));
  }
  StealOutcome outcome = OfferSteal();
  return outcome == StealOutcome::Cancelled;
}
