#include "engine/session/session.h"

void CGameSession::RecordAction(CUndoNode node) {
  node.lastPick = f_.lastPick;
  AddHistoryEntry(node);
  undo_.push_back(std::move(node));
  ui_.HistoryChanged();
}

// Never while a decision is pending: its answer (or Cancel) comes first.
bool CGameSession::CanUndo() const {
  return !Busy() && !undo_.empty() && f_.gameState != GameOver && game_.gameOn != 0;
}

bool CGameSession::DoUndoLast() {
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

LongestRoadBefore CGameSession::SaveLongestRoad() const {
  return LongestRoadBefore{board_.longestRoadLength, board_.longestRoadPath};
}

void CGameSession::RestoreLongestRoad(const LongestRoadBefore& before) {
  board_.longestRoadLength = before.length;
  board_.longestRoadPath = before.path;
}

// Runs the reverse step of the node's kind (each sits next to its forward
// step). Returns true when undo runs on into the next node: an automatic bank
// trade into its build, discards into their roll, a purchase into its own
// bank trade. No reverse step asks anything: undoing a steal leaves the steal
// pending again, and its Cancel takes the robber move back.
bool CGameSession::ReverseStep(CUndoNode& node) {
  switch (node.kind) {
    case PlacedTile: UndoPlacedTile(node); return false;
    case PlacedChip: UndoPlacedChip(node); return false;
    case SelectedPlayers: UndoSelectedPlayers(node); return false;
    case SortedPlayers: UndoSortedPlayers(node); return false;
    case InitialSettlement: UndoInitialSettlement(node); return false;
    case InitialRoad: UndoInitialRoad(node); return false;
    case RollFirst:
    case Roll: UndoRoll(node); return false;
    case Continue: UndoContinue(node); return false;
    case EndTurn: UndoEndTurn(node); return false;
    case ShowedOptions: UndoShowedOptions(node); return false;
    case PlacedRoad: UndoPlacedRoad(node); return false;
    case PlacedCity: UndoPlacedCity(node); return false;
    case PlacedSettlement: UndoPlacedSettlement(node); return false;
    case PlacedRobber: UndoPlacedRobber(node); return false;
    case BoughtCard: UndoBoughtCard(node); return node.continues;
    case PlayedVictoryPoint: UndoPlayedVictoryPoint(node); return false;
    case PlayedMonopoly: UndoPlayedMonopoly(node); return false;
    case PlayedRoadBuilding: UndoPlayedRoadBuilding(node); return false;
    case PlayedYearOfPlenty: UndoPlayedYearOfPlenty(node); return false;
    case PlayedSoldier: UndoPlayedSoldier(node); return false;
    case Traded: UndoTraded(node); return node.continues;
    case Stole: UndoStole(node); return false;
    case Discarded: UndoDiscarded(node); return node.continues;
    case Won:
    case WastedPoints: return false;
  }
  return false;
}
