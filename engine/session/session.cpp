#include "engine/session/session.h"

#include <algorithm>

#include "engine/board/placement_rules.h"

CGameSession::CGameSession(CGame& game, ISessionUi& ui, const SessionServices& services)
    : game_(game),
      ui_(ui),
      clock_(services.clock),
      random_(services.random),
      store_(services.store),
      board_(FixedBoard(BoardKind::Standard)) {  // until NewGame or ShowStoredGame
  ResetFields();
  Refresh();
}

void CGameSession::ResetFields() {
  f_ = CSessionFields{};
  f_.bank.fill(board_.Constants().bankStock);
  f_.playerCount = static_cast<int32_t>(game_.players.size());
  undo_.clear();
  history_.Clear();
  pending_ = PendingDecision{};
  decision_ = DecisionContext{};
}

void CGameSession::DoNewGame(int32_t players, bool trackTrades, bool generateBoard) {
  BoardKind kind = BoardKindForPlayers(players);
  int32_t seats = FewestPlayers(kind);
  game_.players.assign(seats, CPlayerGame{});
  game_.trackTrades = trackTrades ? 1 : 0;
  game_.boardGenerated = generateBoard ? 1 : 0;
  game_.gameOn = 1;
  game_.rolls.clear();
  game_.rollCounts = {};
  board_.Reset(kind, random_);
  for (CPlayerGame& seat : game_.players) seat.SizePositions(board_.TileCount());
  ResetFields();
  if (generateBoard) {
    board_.Generate(random_);
    board_.RebuildHarbourIndex();
    f_.gameState = PlayerInformation;
    f_.playerSelectionShown = true;
  }
  Refresh();
  ui_.BoardChanged();
  ui_.HistoryChanged();
  ui_.StatisticsChanged(kAllReports);
}

void CGameSession::ShowStoredGame(const CBoard& board, const CHistoryLog& history) {
  board_ = board;
  ResetFields();
  history_.Load(history);
  game_.gameOn = 0;
  // The bank is not stored: with tracked trades it holds what no hand holds.
  if (Tracks())
    for (const CPlayerGame& seat : game_.players)
      for (int r = 0; r < kResourceCount; ++r) f_.bank[r] -= seat.hand[r];
  f_.gameState = GameOver;
  f_.playersSelected = true;
  f_.currentPlayer = 0;
  Refresh();
  ui_.BoardChanged();
  ui_.HistoryChanged();
  ui_.StatisticsChanged(kAllReports);
  for (int32_t p = -1; p < f_.playerCount; ++p) ui_.StatusRowChanged(p);
}

bool CGameSession::DoPick(int32_t id) {
  if (Busy() || !f_.pickEnabled || id < 0) return false;
  std::size_t depth = undo_.size();
  bool accepted = false;
  switch (f_.gameState) {
    case ChipPlacement: accepted = PickChip(id); break;
    case InitialPlacement:
      if (f_.placingSettlement) {
        accepted = PlaceInitialSettlement(id);
      } else if (board_.OnBoard(IdPosition(id)) && IdIndex(id) < 6) {
        accepted = PlaceInitialRoad(EdgeIdFromRoadPick(id, board_.Piece(IdPosition(id)).rotation));
      }
      break;
    case PlaceRoad:
      if (board_.OnBoard(IdPosition(id)) && IdIndex(id) < 6)
        accepted = BuildRoadAt(EdgeIdFromRoadPick(id, board_.Piece(IdPosition(id)).rotation));
      break;
    case PlaceSettlement: accepted = BuildSettlementAt(id); break;
    case PlaceCity: accepted = BuildCityAt(id); break;
    case PlaceRobber: accepted = MoveRobberTo(id); break;
    default: break;
  }
  // A click whose action the winner's dialog took back leaves no trace.
  if (accepted && undo_.size() > depth) f_.lastPick = id;
  if (f_.gameState == Turn || f_.gameState == GameOver || f_.gameState == PlayerInformation) f_.lastPick = -1;
  Refresh();
  return accepted;
}

bool CGameSession::DoPickRoadSide(int32_t position, int32_t logicalSide) {
  if (Busy() || !board_.OnBoard(position) || logicalSide < 0 || logicalSide > 5) return false;
  // The wedge drawn for logical side k: c = 1 - k + rotation / 60 (mod 6).
  int turn = static_cast<int>(board_.Piece(position).rotation) / 60;
  int drawn = Wrap6(1 - logicalSide + turn);
  return Pick(MakeEdgeId(position, drawn));
}

std::string CGameSession::PlayerName(int32_t player) const {
  if (player < 0 || player >= static_cast<int32_t>(game_.players.size())) return {};
  return game_.players[player].player.DisplayName();
}
