#include <algorithm>
#include <memory>

#include "engine/board/player_colours.h"
#include "engine/session/session.h"

bool CGameSession::DoChooseTile(int32_t tileType) {
  if (Busy() || f_.gameState != BoardSetup || tileType < 0 || tileType > 12) return false;
  if (!f_.palette.enabled[tileType]) return false;  // the palette offers only what is left
  TileEntryResult result = board_.EnterTile(static_cast<TileType>(tileType));
  if (result == TileEntryResult::Ignored) return false;
  RecordAction(CUndoNode(PlacedTile, TilePlacedUndo{tileType}));
  if (result == TileEntryResult::BoardComplete) {
    f_.gameState = ChipPlacement;
    f_.pickEnabled = true;
    board_.SetAwaitingFirstChip(true);
    board_.RebuildHarbourIndex();
  }
  Refresh();
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoPlacedTile(const CUndoNode& /*node*/) {
  if (f_.gameState == ChipPlacement) {
    f_.gameState = BoardSetup;
    f_.pickEnabled = false;
  }
  board_.UndoTileEntry();
}

bool CGameSession::PickChip(int32_t position) {
  auto before = std::make_shared<const CBoard>(board_);
  ChipPickResult result = board_.PickChip(position);
  if (result == ChipPickResult::Ignored) return false;
  RecordAction(CUndoNode(PlacedChip, ChipPlacedUndo{position, std::move(before), f_.lastPick}));
  if (result == ChipPickResult::SecondChip) {
    f_.gameState = PlayerInformation;
    f_.pickEnabled = false;
    f_.playerSelectionShown = true;
    ui_.PlayerDialogsChanged();
  }
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoPlacedChip(const CUndoNode& node) {
  const ChipPlacedUndo& chip = node.As<ChipPlacedUndo>();
  if (f_.gameState != ChipPlacement) {
    f_.gameState = ChipPlacement;
    f_.pickEnabled = true;
    f_.playerSelectionShown = false;
    ui_.PlayerDialogsChanged();
  }
  board_ = *chip.boardBefore;
  f_.lastPick = chip.lastPickBefore;
}

bool CGameSession::DoSelectPlayers(const std::vector<SeatChoice>& seats) {
  if (Busy() || f_.gameState != PlayerInformation || f_.playersSelected) return false;
  const auto low = static_cast<std::size_t>(FewestPlayers(board_.Kind()));
  const auto high = static_cast<std::size_t>(MostPlayers(board_.Kind()));
  if (seats.size() < low || seats.size() > high) return false;
  std::vector<SeatChoice> byBox = seats;
  std::sort(byBox.begin(), byBox.end(), [](const SeatChoice& a, const SeatChoice& b) { return a.box < b.box; });
  for (std::size_t i = 0; i < byBox.size(); ++i) {
    if (byBox[i].box < 0 || byBox[i].box > 5 || (i > 0 && byBox[i].box == byBox[i - 1].box)) return false;
  }
  CUndoNode node(SelectedPlayers, SeatsUndo{game_.players});
  game_.players.assign(byBox.size(), CPlayerGame{});
  for (std::size_t i = 0; i < byBox.size(); ++i) {
    game_.players[i].player = byBox[i].player;
    game_.players[i].color = SeatBoxColour(byBox[i].box);
    game_.players[i].SizePositions(board_.TileCount());
  }
  f_.playerCount = static_cast<int32_t>(byBox.size());
  game_.gameOn = 1;
  f_.playersSelected = true;
  f_.playerSelectionShown = false;
  f_.playerOrderShown = true;
  RecordAction(std::move(node));
  ui_.PlayerDialogsChanged();
  Refresh();
  return true;
}

void CGameSession::UndoSelectedPlayers(CUndoNode& node) {
  game_.players = std::move(node.As<SeatsUndo>().seatsBefore);
  f_.playerCount = static_cast<int32_t>(game_.players.size());
  f_.playersSelected = false;
  f_.playerSelectionShown = true;
  f_.playerOrderShown = false;
  ui_.PlayerDialogsChanged();
}

bool CGameSession::DoSortPlayers(const std::vector<int32_t>& order) {
  if (Busy() || f_.gameState != PlayerInformation || !f_.playersSelected) return false;
  std::size_t n = game_.players.size();
  if (order.size() != n) return false;
  std::vector<bool> seen(n, false);
  for (int32_t i : order) {
    if (i < 0 || static_cast<std::size_t>(i) >= n || seen[i]) return false;
    seen[i] = true;
  }
  CUndoNode node(SortedPlayers, SeatsUndo{game_.players});
  const std::vector<CPlayerGame>& before = node.As<SeatsUndo>().seatsBefore;
  for (std::size_t i = 0; i < n; ++i) game_.players[i] = before[order[i]];
  f_.playerOrderShown = false;
  RecordAction(std::move(node));
  // Initial placement begins with the first player placing a settlement.
  f_.gameState = InitialPlacement;
  f_.pickEnabled = true;
  f_.lastPick = -1;
  f_.currentPlayer = 0;
  f_.firstRound = true;
  f_.placingSettlement = true;
  f_.sidePanel = SidePanelKind::TurnPanel;
  ui_.PlayerDialogsChanged();
  ui_.StatisticsChanged(kAllReports);
  Refresh();
  return true;
}

void CGameSession::UndoSortedPlayers(CUndoNode& node) {
  game_.players = std::move(node.As<SeatsUndo>().seatsBefore);
  f_.gameState = PlayerInformation;
  f_.pickEnabled = false;
  f_.lastPick = -1;
  f_.currentPlayer = 0;
  f_.playerOrderShown = true;
  ui_.PlayerDialogsChanged();
}

bool CGameSession::DoCancelPlayerOrder() {
  if (Busy() || f_.gameState != PlayerInformation || !f_.playersSelected || undo_.empty()) return false;
  // Cancel takes the selection back, which shows the selection dialog again.
  TakeBackNewest();
  ui_.HistoryChanged();
  Refresh();
  return true;
}
