#include <algorithm>
#include <cstdlib>

#include "engine/board/longest_road.h"
#include "engine/board/placement_rules.h"
#include "engine/session/session.h"
#include "records/clock.h"

namespace {

// k + N_(k-1) * 10 + N_k * 1000 + P * 100000: a corner with its pieces.
int32_t CornerPayload(int32_t corner) {
  int p = IdPosition(corner), k = IdIndex(corner);
  const PositionRow& row = PositionTableRow(p);
  return k + row.neighbor[Wrap6(k - 1)] * 10 + row.neighbor[k] * 1000 + p * 100000;
}

}  // namespace

void CGameSession::AdjustPositionCounts(int32_t player, int32_t corner, int32_t settlements, int32_t cities) {
  CPlayerGame& seat = P(player);
  for (const PieceCorner& c : board_.CornerFormsOnBoard(IdPosition(corner), IdIndex(corner))) {
    if (static_cast<std::size_t>(c.position) < seat.settlementsAt.size()) seat.settlementsAt[c.position] += settlements;
    if (static_cast<std::size_t>(c.position) < seat.citiesAt.size()) seat.citiesAt[c.position] += cities;
  }
}

int32_t CGameSession::LongestRoadHolder() const {
  for (int32_t i = 0; i < f_.playerCount; ++i)
    if (P(i).hasLongestRoad) return i;
  return -1;
}

int32_t CGameSession::RoadsBuilt(int32_t player) const { return 15 - P(player).roadsLeft; }

// --- initial placement ---------------------------------------------------------

bool CGameSession::PlaceInitialSettlement(int32_t corner) {
  if (!OffersCorner(board_, OfferedInitialSettlements(board_), corner)) return false;
  int32_t p = f_.currentPlayer;
  CUndoNode node;
  node.kind = InitialSettlement;
  node.value = CornerPayload(corner) + p * 10000000;
  node.previous = f_.initialSettlementCorner;
  node.candidates = f_.initialRoadCandidates;
  board_.SetBuilding(corner, SettlementCode(p));
  f_.initialSettlementCorner = corner;
  f_.initialRoadCandidates = InitialRoadCandidates(board_, corner);
  P(p).settlementsLeft -= 1;
  AdjustPositionCounts(p, corner, 1, 0);
  if (!f_.firstRound) {
    // The second settlement brings one card of each producing piece it touches.
    for (const PieceCorner& c : board_.CornerFormsOnBoard(IdPosition(corner), IdIndex(corner))) {
      int32_t type = Index(board_.Type(c.position));
      if (type >= 0 && type <= 4) node.gains[p][type] += GainResources(Production, p, type, 1, -1);
    }
    ui_.StatisticsChanged(Report(7));
  }
  AddVictoryPoints(p, 1);
  f_.placingSettlement = false;
  RecordAction(std::move(node));
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoInitialSettlement(CUndoNode& node) {
  int32_t corner = node.value / 100000 % 100 * 10 + node.value % 10;
  int32_t p = node.value / 10000000;
  board_.ClearBuilding(corner);
  P(p).settlementsLeft += 1;
  AdjustPositionCounts(p, corner, -1, 0);
  for (int r = 0; r < 5; ++r) LoseResources(Production, p, r, node.gains[p][r], -1);
  if (!f_.firstRound) ui_.StatisticsChanged(Report(7));
  RemoveVictoryPoints(p, 1);
  f_.placingSettlement = true;
  f_.initialSettlementCorner = node.previous;
  f_.initialRoadCandidates = node.candidates;
}

bool CGameSession::PlaceInitialRoad(int32_t edge) {
  const auto& candidates = f_.initialRoadCandidates;
  if (edge < 0 || std::find(candidates.begin(), candidates.end(), edge) == candidates.end()) return false;
  int32_t p = f_.currentPlayer;
  int f = IdIndex(edge);
  int n = board_.Piece(IdPosition(edge)).neighbor[f];
  CUndoNode node;
  node.kind = InitialRoad;
  node.value = f_.initialSettlementCorner + Wrap6(f + 3) * 1000 + n * 10000 + edge * 1000000;
  node.previous = p;
  node.firstRound = f_.firstRound;
  node.turnStart = game_.turnStart;
  board_.SetRoad(edge, p);
  P(p).roadsLeft -= 1;
  RecordAction(std::move(node));
  // Snake order: 0, 1, ..., n-1, n-1, ..., 1, 0.
  f_.placingSettlement = true;
  if (f_.firstRound) {
    if (p + 1 >= f_.playerCount) f_.firstRound = false;
    else f_.currentPlayer = p + 1;
  } else if (p == 0) {
    f_.gameState = Turn;
    f_.pickEnabled = false;
    f_.lastPick = -1;
    f_.currentPlayer = 0;
    f_.turn.rolled = false;
    game_.turnStart = clock_.Now();
  } else {
    f_.currentPlayer = p - 1;
  }
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoInitialRoad(CUndoNode& node) {
  if (f_.gameState == Turn) {
    f_.gameState = InitialPlacement;
    f_.pickEnabled = true;
    game_.turnStart = node.turnStart;
  }
  int32_t edge = node.value / 1000000;
  int32_t p = node.previous;
  board_.ClearRoad(edge);
  P(p).roadsLeft += 1;
  f_.initialSettlementCorner = node.value % 1000;
  // Back to the player who placed it, in the round it was placed in.
  f_.firstRound = node.firstRound;
  f_.currentPlayer = p;
  f_.placingSettlement = false;
}

// --- building in a turn ---------------------------------------------------------

bool CGameSession::OnBuild(PurchaseKind kind) {
  if (f_.gameState != Turn || !f_.turn.rolled || game_.gameOn == 0) return false;
  int index = kind == PurchaseSettlement ? 0 : kind == PurchaseCity ? 1 : kind == PurchaseRoad ? 2 : -1;
  if (index < 0 || !f_.buildButtons[index]) return false;
  CUndoNode node;
  node.kind = ShowedOptions;
  RecordAction(std::move(node));
  f_.gameState = kind == PurchaseSettlement ? PlaceSettlement : kind == PurchaseCity ? PlaceCity : PlaceRoad;
  f_.pickEnabled = true;
  f_.lastPick = -1;
  if (Tracks()) AutoTrade(kind, true);
  Refresh();
  return true;
}

void CGameSession::UndoShowedOptions(CUndoNode& /*node*/) {
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.lastPick = -1;
}

bool CGameSession::BuildRoadAt(int32_t edge) {
  if (!OffersEdge(board_, f_.roadOptions, edge)) return false;
  int32_t p = f_.currentPlayer;
  CUndoNode node;
  node.kind = PlacedRoad;
  node.longestRoadLength = board_.longestRoadLength;
  node.longestRoadPath = board_.longestRoadPath;
  int32_t freeBefore = f_.freeRoads;
  board_.SetRoad(edge, p);
  P(p).roadsLeft -= 1;
  if (Tracks()) {
    if (f_.freeRoads > 0) --f_.freeRoads;
    else Pay(p, PurchaseRoad);
  }
  int32_t holder = LongestRoadHolder();
  int32_t o = LongestRoadSearch(board_, p, RoadsBuilt(p), holder);
  if (o >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLongestRoad, o, p);
  int f = IdIndex(edge), position = IdPosition(edge);
  int n = board_.Piece(position).neighbor[f];
  int32_t value = std::abs(o) + Wrap6(f + 3) * 100 + n * 1000 + f * 100000 + position * 1000000 +
                  freeBefore * 100000000;
  node.value = o < 0 ? -value : value;
  return FinishBuild(std::move(node));
}

void CGameSession::UndoPlacedRoad(CUndoNode& node) {
  int32_t p = f_.currentPlayer;
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
  if (o >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLongestRoad, p, o);
  RestoreLongestRoad(node);
  f_.gameState = PlaceRoad;
  f_.pickEnabled = true;
  f_.lastPick = -1;
}

// A settlement may cut the road of the player holding the Longest Road; the
// bonus and its points move as the re-measured roads say. Returns index + 1
// of the player who lost it, 0 if none.
int32_t CGameSession::ReexamineLongestRoad(int32_t builder) {
  std::vector<int> built;
  for (int32_t i = 0; i < f_.playerCount; ++i) built.push_back(RoadsBuilt(i));
  RoadCutResult cut = ::ReexamineLongestRoad(board_, builder, LongestRoadHolder(), built);
  if (cut.lost < 0) return 0;
  MoveBonus(&CPlayerGame::hasLongestRoad, cut.lost, cut.gained);
  return cut.lost + 1;
}

bool CGameSession::BuildSettlementAt(int32_t corner) {
  if (!OffersCorner(board_, f_.settlementOptions, corner)) return false;
  int32_t p = f_.currentPlayer;
  CUndoNode node;
  node.kind = PlacedSettlement;
  node.longestRoadLength = board_.longestRoadLength;
  node.longestRoadPath = board_.longestRoadPath;
  board_.SetBuilding(corner, SettlementCode(p));
  P(p).settlementsLeft -= 1;
  Pay(p, PurchaseSettlement);
  int32_t lost = ReexamineLongestRoad(p);
  AdjustPositionCounts(p, corner, 1, 0);
  AddVictoryPoints(p, 1);
  node.value = CornerPayload(corner) + lost * 10000000;
  return FinishBuild(std::move(node));
}

void CGameSession::UndoPlacedSettlement(CUndoNode& node) {
  int32_t p = f_.currentPlayer;
  int32_t corner = node.value / 100000 % 100 * 10 + node.value % 10;
  int32_t lost = node.value / 10000000;
  board_.ClearBuilding(corner);
  P(p).settlementsLeft += 1;
  AdjustPositionCounts(p, corner, -1, 0);
  RemoveVictoryPoints(p, 1);
  Refund(p, PurchaseSettlement);
  if (lost > 0) MoveBonus(&CPlayerGame::hasLongestRoad, LongestRoadHolder(), lost - 1);
  RestoreLongestRoad(node);
  f_.gameState = PlaceSettlement;
  f_.pickEnabled = true;
  f_.lastPick = -1;
}

bool CGameSession::BuildCityAt(int32_t site) {
  if (site < 0) return false;
  CitySite s = DecodeCitySiteCode(site);
  if (!board_.OnBoard(s.position) || s.corner > 5) return false;
  CornerId corner = MakeCornerId(s.position, s.corner);
  CornerId canon = CanonicalCorner(board_, corner);
  bool offered = std::any_of(f_.cityOptions.begin(), f_.cityOptions.end(), [&](CitySiteCode c) {
    CitySite o = DecodeCitySiteCode(c);
    return CanonicalCorner(board_, MakeCornerId(o.position, o.corner)) == canon;
  });
  if (!offered) return false;
  int32_t p = f_.currentPlayer;
  board_.UpgradeBuilding(corner);
  P(p).citiesLeft -= 1;
  P(p).settlementsLeft += 1;
  AdjustPositionCounts(p, corner, -1, 1);
  AddVictoryPoints(p, 1);
  Pay(p, PurchaseCity);
  CUndoNode node;
  node.kind = PlacedCity;
  node.value = CitySiteCodeOf(s.position, s.corner);
  return FinishBuild(std::move(node));
}

void CGameSession::UndoPlacedCity(CUndoNode& node) {
  int32_t p = f_.currentPlayer;
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
}

// The end of every road, settlement and city build: the action is recorded,
// the turn goes on and the victory check runs.
bool CGameSession::FinishBuild(CUndoNode node) {
  RecordAction(std::move(node));
  f_.gameState = Turn;
  f_.pickEnabled = false;
  ui_.BoardChanged();
  CheckVictory();
  return true;
}
