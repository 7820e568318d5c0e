#include <algorithm>
#include <cstdlib>

#include "engine/board/longest_road.h"
#include "engine/board/placement_rules.h"
#include "engine/session/session.h"
#include "records/clock.h"


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
  if (!OffersCorner(board_, offeredSites_.Initial(board_), corner)) return false;
  int32_t p = f_.currentPlayer;
  InitialSettlementUndo placed;
  placed.player = p;
  placed.corner = corner;
  placed.cornerBefore = f_.initialSettlementCorner;
  placed.roadCandidatesBefore = f_.initialRoadCandidates;
  board_.SetBuilding(corner, SettlementCode(p));
  f_.initialSettlementCorner = corner;
  f_.initialRoadCandidates = InitialRoadCandidates(board_, corner);
  P(p).settlementsLeft -= 1;
  AdjustPositionCounts(p, corner, 1, 0);
  if (!f_.firstRound) {
    // The second settlement brings one card of each producing piece it touches.
    for (const PieceCorner& c : board_.CornerFormsOnBoard(IdPosition(corner), IdIndex(corner))) {
      int32_t type = Index(board_.Type(c.position));
      if (type >= 0 && type <= 4) placed.startingCards[type] += GainResources(Production, p, type, 1, -1);
    }
    ui_.StatisticsChanged(Report(StatReport::FromBoard));
  }
  AddVictoryPoints(p, 1);
  f_.placingSettlement = false;
  RecordAction(CUndoNode(InitialSettlement, placed));
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoInitialSettlement(const CUndoNode& node) {
  const InitialSettlementUndo& placed = node.As<InitialSettlementUndo>();
  int32_t p = placed.player;
  TakeBackSettlement(p, placed.corner);
  for (int r = 0; r < kResourceCount; ++r) LoseResources(Production, p, r, placed.startingCards[r], -1);
  if (!f_.firstRound) ui_.StatisticsChanged(Report(StatReport::FromBoard));
  RemoveVictoryPoints(p, 1);
  f_.placingSettlement = true;
  f_.initialSettlementCorner = placed.cornerBefore;
  f_.initialRoadCandidates = placed.roadCandidatesBefore;
}

bool CGameSession::PlaceInitialRoad(int32_t edge) {
  const auto& candidates = f_.initialRoadCandidates;
  if (edge < 0 || std::find(candidates.begin(), candidates.end(), edge) == candidates.end()) return false;
  int32_t p = f_.currentPlayer;
  RecordAction(CUndoNode(InitialRoad,
                         InitialRoadUndo{p, edge, f_.initialSettlementCorner, f_.firstRound, game_.turnStart}));
  board_.SetRoad(edge, p);
  P(p).roadsLeft -= 1;
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

void CGameSession::UndoInitialRoad(const CUndoNode& node) {
  const InitialRoadUndo& road = node.As<InitialRoadUndo>();
  if (f_.gameState == Turn) {
    f_.gameState = InitialPlacement;
    f_.pickEnabled = true;
    game_.turnStart = road.turnStartBefore;
  }
  int32_t p = road.player;
  board_.ClearRoad(road.edge);
  P(p).roadsLeft += 1;
  f_.initialSettlementCorner = road.settlementCorner;
  // Back to the player who placed it, in the round it was placed in.
  f_.firstRound = road.firstRound;
  f_.currentPlayer = p;
  f_.placingSettlement = false;
}

// --- building in a turn ---------------------------------------------------------

bool CGameSession::DoOnBuild(PurchaseKind kind) {
  if (Busy() || f_.gameState != Turn || !f_.turn.rolled || game_.gameOn == 0) return false;
  int index = kind == PurchaseSettlement ? 0 : kind == PurchaseCity ? 1 : kind == PurchaseRoad ? 2 : -1;
  if (index < 0 || !f_.buildButtons[index]) return false;
  RecordAction(CUndoNode(ShowedOptions, std::monostate{}));
  f_.gameState = kind == PurchaseSettlement ? PlaceSettlement : kind == PurchaseCity ? PlaceCity : PlaceRoad;
  f_.pickEnabled = true;
  f_.lastPick = -1;
  if (Tracks()) StartAutoTrade(kind, true, false);
  Refresh();
  return true;
}

void CGameSession::UndoShowedOptions(const CUndoNode& /*node*/) {
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.lastPick = -1;
}

bool CGameSession::BuildRoadAt(int32_t edge) {
  if (!OffersEdge(board_, f_.roadOptions, edge)) return false;
  int32_t p = f_.currentPlayer;
  RoadUndo road;
  road.edge = edge;
  road.longestRoad = SaveLongestRoad();
  road.freeRoadsBefore = f_.freeRoads;
  board_.SetRoad(edge, p);
  P(p).roadsLeft -= 1;
  if (Tracks()) {
    if (f_.freeRoads > 0) --f_.freeRoads;
    else Pay(p, PurchaseRoad);
  }
  int32_t holder = LongestRoadHolder();
  int32_t o = LongestRoadSearch(board_, p, RoadsBuilt(p), holder);
  if (o >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLongestRoad, o, p);
  road.longestRoadResult = o;
  return FinishBuild(CUndoNode(PlacedRoad, std::move(road)));
}

void CGameSession::UndoPlacedRoad(const CUndoNode& node) {
  const RoadUndo& road = node.As<RoadUndo>();
  int32_t p = f_.currentPlayer;
  int32_t o = road.longestRoadResult;
  board_.ClearRoad(road.edge);
  P(p).roadsLeft += 1;
  if (Tracks()) {
    if (road.freeRoadsBefore > 0) f_.freeRoads += 1;
    else Refund(p, PurchaseRoad);
  }
  if (o >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLongestRoad, p, o);
  RestoreLongestRoad(road.longestRoad);
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
  SettlementUndo placed;
  placed.corner = corner;
  placed.longestRoad = SaveLongestRoad();
  board_.SetBuilding(corner, SettlementCode(p));
  P(p).settlementsLeft -= 1;
  Pay(p, PurchaseSettlement);
  int32_t lost = ReexamineLongestRoad(p);
  AdjustPositionCounts(p, corner, 1, 0);
  AddVictoryPoints(p, 1);
  placed.longestRoadLoser = lost - 1;
  return FinishBuild(CUndoNode(PlacedSettlement, std::move(placed)));
}

void CGameSession::UndoPlacedSettlement(const CUndoNode& node) {
  const SettlementUndo& placed = node.As<SettlementUndo>();
  int32_t p = f_.currentPlayer;
  TakeBackSettlement(p, placed.corner);
  RemoveVictoryPoints(p, 1);
  Refund(p, PurchaseSettlement);
  if (placed.longestRoadLoser >= 0)
    MoveBonus(&CPlayerGame::hasLongestRoad, LongestRoadHolder(), placed.longestRoadLoser);
  RestoreLongestRoad(placed.longestRoad);
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
  return FinishBuild(CUndoNode(PlacedCity, CityUndo{CitySiteCodeOf(s.position, s.corner)}));
}

void CGameSession::UndoPlacedCity(const CUndoNode& node) {
  int32_t p = f_.currentPlayer;
  CitySite s = DecodeCitySiteCode(node.As<CityUndo>().site);
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

void CGameSession::TakeBackSettlement(int32_t player, CornerId corner) {
  board_.ClearBuilding(corner);
  P(player).settlementsLeft += 1;
  AdjustPositionCounts(player, corner, -1, 0);
}
