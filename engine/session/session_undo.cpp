#include <cstdlib>

#include "engine/session/session.h"
#include "records/clock.h"

void CGameSession::RecordAction(CUndoNode node) {
  node.lastPick = f_.lastPick;
  AddHistoryEntry(node);
  undo_.push_back(std::move(node));
  ui_.HistoryChanged();
}

bool CGameSession::CanUndo() const {
  return !undo_.empty() && f_.gameState != GameOver && game_.gameOn != 0;
}

bool CGameSession::UndoLast() {
  if (!CanUndo()) return false;
  while (TakeBackNewest() && !undo_.empty()) {
  }
  ui_.HistoryChanged();
  ui_.BoardChanged();
  Refresh();
  return true;
}

bool CGameSession::TakeBackNewest() {
  if (undo_.empty()) return false;
  CUndoNode node = std::move(undo_.back());
  undo_.pop_back();
  history_.RemoveNewestEntry();
  bool more = ReverseStep(node);
  f_.lastPick = node.lastPick;
  return more;
}

void CGameSession::RestoreLongestRoad(const CUndoNode& node) {
  board_.longestRoadLength = node.longestRoadLength;
  board_.longestRoadPath = node.longestRoadPath;
}

// The reverse step of each kind: it puts back exactly what the forward step
// changed (and what the node saved of it). Returns true when undo runs on
// into the next node: an automatic bank trade into its build, discards into
// their roll, a purchase into its own bank trade, a steal whose renewed
// dialog was cancelled into the robber move.
bool CGameSession::ReverseStep(CUndoNode& node) {
  switch (node.kind) {
    case PlacedTile:
      if (f_.gameState == ChipPlacement) {
        f_.gameState = BoardSetup;
        f_.pickEnabled = false;
      }
      board_.UndoTileEntry();
      return false;
    case PlacedChip:
      if (f_.gameState != ChipPlacement) {
        f_.gameState = ChipPlacement;
        f_.pickEnabled = true;
        f_.playerSelectionShown = false;
        ui_.PlayerDialogsChanged();
      }
      board_ = *node.board;
      f_.lastPick = node.previous;
      return false;
    case SelectedPlayers:
      game_.players = std::move(node.seats);
      f_.playerCount = static_cast<int32_t>(game_.players.size());
      f_.playersSelected = false;
      f_.playerSelectionShown = true;
      f_.playerOrderShown = false;
      ui_.PlayerDialogsChanged();
      return false;
    case SortedPlayers:
      game_.players = std::move(node.seats);
      f_.gameState = PlayerInformation;
      f_.pickEnabled = false;
      f_.lastPick = -1;
      f_.currentPlayer = 0;
      f_.playerOrderShown = true;
      ui_.PlayerDialogsChanged();
      return false;
    case InitialSettlement:
    case InitialRoad:
    case ShowedOptions:
    case PlacedRoad:
    case PlacedCity:
    case PlacedSettlement:
      ReversePlacement(node);
      return false;
    case Traded:
    case Discarded:
      ReverseTurnAction(node);
      return node.continues;
    case Stole:
      return ReverseStole(node);
    case BoughtCard:
      ReverseTurnAction(node);
      return node.continues;
    case Won:
    case WastedPoints:
      return false;
    default:
      ReverseTurnAction(node);
      return false;
  }
}

void CGameSession::ReversePlacement(const CUndoNode& node) {
  int32_t p = f_.currentPlayer;
  switch (node.kind) {
    case InitialSettlement: {
      int32_t corner = node.value / 100000 % 100 * 10 + node.value % 10;
      p = node.value / 10000000;
      board_.ClearBuilding(corner);
      P(p).settlementsLeft += 1;
      AdjustPositionCounts(p, corner, -1, 0);
      for (int r = 0; r < 5; ++r) LoseResources(Production, p, r, node.gains[p][r], -1);
      if (!f_.firstRound) ui_.StatisticsChanged(Report(7));
      RemoveVictoryPoints(p, 1);
      f_.placingSettlement = true;
      f_.initialSettlementCorner = node.previous;
      f_.initialRoadCandidates = node.candidates;
      break;
    }
    case InitialRoad: {
      if (f_.gameState == Turn) {
        f_.gameState = InitialPlacement;
        f_.pickEnabled = true;
        game_.turnStart = node.turnStart;
      }
      int32_t edge = node.value / 1000000;
      p = node.previous;
      board_.ClearRoad(edge);
      P(p).roadsLeft += 1;
      f_.initialSettlementCorner = node.value % 1000;
      // Back to the player who placed it, in the round it was placed in.
      f_.firstRound = node.firstRound;
      f_.currentPlayer = p;
      f_.placingSettlement = false;
      break;
    }
    case ShowedOptions:
      f_.gameState = Turn;
      f_.pickEnabled = false;
      f_.lastPick = -1;
      break;
    case PlacedRoad: {
      int32_t v = std::abs(node.value);
      int32_t o = node.value < 0 ? -(v % 100) : v % 100;
      int32_t freeBefore = v / 100000000;
      int32_t edge = v / 1000000 % 100 * 10 + v / 100000 % 10;
      board_.ClearRoad(edge);
      P(p).roadsLeft += 1;
      if (Tracks()) {
        if (freeBefore > 0) f_.freeRoads += 1;
        else Refund(p, PurchaseRoad);
      }
      if (o >= BonusFromNobody) {
        P(p).hasLongestRoad = 0;
        RemoveVictoryPoints(p, 2);
        if (o >= 0) {
          P(o).hasLongestRoad = 1;
          AddVictoryPoints(o, 2);
        }
      }
      RestoreLongestRoad(node);
      f_.gameState = PlaceRoad;
      f_.pickEnabled = true;
      f_.lastPick = -1;
      break;
    }
    case PlacedCity: {
      CitySite s = DecodeCitySiteCode(node.value);
      CornerId corner = MakeCornerId(s.position, s.corner);
      board_.DowngradeBuilding(corner);
      P(p).settlementsLeft -= 1;
      P(p).citiesLeft += 1;
      AdjustPositionCounts(p, corner, 1, -1);
      RemoveVictoryPoints(p, 1);
      Refund(p, PurchaseCity);
      f_.gameState = PlaceCity;
      f_.pickEnabled = true;
      f_.lastPick = -1;
      break;
    }
    case PlacedSettlement: {
      int32_t corner = node.value / 100000 % 100 * 10 + node.value % 10;
      int32_t lost = node.value / 10000000;
      board_.ClearBuilding(corner);
      P(p).settlementsLeft += 1;
      AdjustPositionCounts(p, corner, -1, 0);
      RemoveVictoryPoints(p, 1);
      Refund(p, PurchaseSettlement);
      if (lost > 0) {
        int32_t now = LongestRoadHolder();
        if (now >= 0) {
          P(now).hasLongestRoad = 0;
          RemoveVictoryPoints(now, 2);
        }
        P(lost - 1).hasLongestRoad = 1;
        AddVictoryPoints(lost - 1, 2);
      }
      RestoreLongestRoad(node);
      f_.gameState = PlaceSettlement;
      f_.pickEnabled = true;
      f_.lastPick = -1;
      break;
    }
    default: break;
  }
}
