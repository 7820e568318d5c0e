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

// Walks the undo steps from now down to the line's place, as UndoLast and the
// Cancel of a renewed steal would take them.
UndoToHerePlan CGameSession::PlanUndoTo(std::size_t line) const {
  const std::vector<CHistoryItem>& items = history_.Log().Items();
  if (!CanUndo() || line >= items.size()) return {};
  // Every recorded action has one entry: the entries up to the line are the
  // undo depth right after it.
  std::size_t target = 0, entries = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].isTopLevel) continue;
    ++entries;
    if (i <= line) target = entries;
  }
  if (items[line].isTopLevel) {
    target = 0;
    for (std::size_t i = 0; i < line; ++i) target += items[i].isTopLevel ? 0 : 1;
  }
  if (entries != undo_.size() || target >= entries) return {};

  UndoToHerePlan plan;
  std::size_t depth = undo_.size();
  while (depth > target) {
    plan.inputs.push_back(UndoInput::Undo);
    while (depth > 0 && RunsOn(undo_[--depth])) {
    }
    // An undone steal is asked again; its Cancel takes the robber move back.
    if (undo_[depth].kind == Stole && depth > 0) {
      plan.inputs.push_back(UndoInput::CancelSteal);
      --depth;
    }
  }
  if (depth != target) return {};
  plan.actions = static_cast<int32_t>(entries - target);
  return plan;
}

bool CGameSession::RunsOn(const CUndoNode& node) {
  return (node.kind == BoughtCard || node.kind == Traded || node.kind == Discarded) && node.continues;
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
    case BoughtCard: UndoBoughtCard(node); return RunsOn(node);
    case PlayedVictoryPoint: UndoPlayedVictoryPoint(node); return false;
    case PlayedMonopoly: UndoPlayedMonopoly(node); return false;
    case PlayedRoadBuilding: UndoPlayedRoadBuilding(node); return false;
    case PlayedYearOfPlenty: UndoPlayedYearOfPlenty(node); return false;
    case PlayedSoldier: UndoPlayedSoldier(node); return false;
    case Traded: UndoTraded(node); return RunsOn(node);
    case Stole: UndoStole(node); return false;
    case Discarded: UndoDiscarded(node); return RunsOn(node);
    case Won:
    case WastedPoints: return false;
  }
  return false;
}
