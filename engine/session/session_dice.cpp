#include <numeric>

#include "engine/session/production.h"
#include "engine/session/session.h"
#include "records/clock.h"

namespace {

// "Ann: 2 Ore, 1 Sheep" - the first name, a colon and each resource received.
std::string ProductionLine(const std::string& firstName, const ResourceCounts& gained) {
  std::string line = firstName + ":";
  for (int r = 0; r < kResourceCount; ++r) {
    if (gained[r] != 0) line += " " + std::to_string(gained[r]) + " " + TileName(r) + ",";
  }
  line.pop_back();
  return line;
}

}  // namespace

bool CGameSession::DoOnRoll(int32_t total) {
  if (Busy() || f_.gameState != Turn || f_.turn.rolled || game_.gameOn == 0 || total < 2 || total > 12) return false;
  if (total == 7 && Tracks()) {
    // The seven check: the roll waits for the discards, and a Cancel drops it.
    PendingDecision decision;
    decision.kind = DecisionKind::Discards;
    decision.discards = DiscardRequirements();
    bool anyone = false;
    for (int32_t n : decision.discards.required) anyone = anyone || n > 0;
    if (anyone) {
      OpenDecision(std::move(decision));
      Refresh();
      return true;
    }
  }
  FinishRoll(total, {});
  return true;
}

// The roll with its consequences, once any discards are taken.
void CGameSession::FinishRoll(int32_t total, std::vector<CUndoNode> discards) {
  int32_t cp = f_.currentPlayer;
  RollUndo roll;
  roll.total = total;
  roll.lastRollBefore = f_.turn.lastRoll;
  roll.robberPlacerBefore = board_.robberPlacer;
  if (total == 7) {
    f_.turn.lastRoll = 7;
    f_.turn.rolled = true;
    f_.gameState = PlaceRobber;
    f_.pickEnabled = true;
    f_.lastPick = -1;
    board_.robberPlacer = cp;
  } else {
    f_.turn.lastRoll = total;
    f_.producingTiles.clear();
    for (int b = 0; b < board_.LandCount(); ++b)
      if (board_.Piece(b).chip == total) f_.producingTiles.push_back(b);
    Produce(roll);
    f_.gameState = GoodsReceived;
    f_.turn.rolled = false;
    ui_.StatisticsChanged(Report(StatReport::FromBoard) | Report(StatReport::FromRobberPlacement));
  }
  RecordAction(CUndoNode(f_.rollsStarted ? Roll : RollFirst, std::move(roll)));
  for (CUndoNode& d : discards) RecordAction(std::move(d));
  game_.rolls.push_back(total);
  game_.rollCounts[cp][total - 2] += 1;
  f_.rollsStarted = true;
  ui_.StatisticsChanged(Report(StatReport::Frequencies) | (discards.empty() ? 0 : Report(StatReport::FromSevenRoll)));
  Refresh();
  ui_.BoardChanged();
}

void CGameSession::UndoRoll(const CUndoNode& node) {
  const RollUndo& roll = node.As<RollUndo>();
  int32_t cp = f_.currentPlayer;
  f_.rollsStarted = node.kind == Roll;
  int32_t total = roll.total;
  if (total != 7) {
    for (int32_t p = 0; p < f_.playerCount; ++p) {
      for (int r = 0; r < kResourceCount; ++r) {
        LoseResources(Production, p, r, roll.gains[p][r], -1);
        LoseResources(RobberBlocked, p, r, roll.withheld[p][r], board_.robberPlacer);
      }
    }
    ui_.StatisticsChanged(Report(StatReport::FromBoard) | Report(StatReport::FromRobberPlacement));
  }
  board_.robberPlacer = roll.robberPlacerBefore;
  game_.rolls.pop_back();
  game_.rollCounts[cp][total - 2] -= 1;
  ui_.StatisticsChanged(Report(StatReport::Frequencies));
  f_.turn.productionLines = {};
  f_.turn.productionLineShown = {};
  f_.turn.lastRoll = roll.lastRollBefore;
  f_.turn.rolled = false;
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.lastPick = -1;
  f_.producingTiles.clear();
}

void CGameSession::Produce(RollUndo& roll) {
  RollProduction produced =
      ProductionOf(board_, game_.players, f_.playerCount, f_.currentPlayer, roll.total, Tracks() ? &f_.bank : nullptr);
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    for (int r = 0; r < kResourceCount; ++r) {
      roll.withheld[p][r] += GainResources(RobberBlocked, p, r, produced.withheld[p][r], board_.robberPlacer);
      roll.gains[p][r] += GainResources(Production, p, r, produced.gains[p][r], -1);
    }
  }
  for (int32_t p = 0; p < kMaxPlayers; ++p) {
    bool any = p < f_.playerCount && CardTotal(roll.gains[p]) > 0;
    f_.turn.productionLines[p] = any ? ProductionLine(P(p).player.firstName, roll.gains[p]) : std::string();
    f_.turn.productionLineShown[p] = any;
  }
}

DiscardOffer CGameSession::DiscardRequirements() const {
  DiscardOffer offer;
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    offer.hands[p] = P(p).hand;
    int32_t held = CardTotal(P(p).hand);
    if (held > board_.Constants().discardLimit) offer.required[p] = held / 2;
  }
  return offer;
}

void CGameSession::UndoDiscarded(const CUndoNode& node) {
  const ExchangeUndo& lost = node.As<ExchangeUndo>();
  for (int r = 0; r < kResourceCount; ++r) GainResources(Discard, lost.party, r, lost.give[r], -1);
  ui_.StatisticsChanged(Report(StatReport::FromSevenRoll));
}

bool CGameSession::DoOnContinue() {
  if (Busy() || f_.gameState != GoodsReceived) return false;
  ContinueUndo shown;
  shown.roll = f_.turn.lastRoll;
  shown.lines.assign(f_.turn.productionLines.begin(), f_.turn.productionLines.begin() + f_.playerCount);
  for (std::size_t p = 0; p < shown.lines.size(); ++p)
    if (!f_.turn.productionLineShown[p]) shown.lines[p].clear();
  RecordAction(CUndoNode(Continue, std::move(shown)));
  f_.turn.productionLines = {};
  f_.turn.productionLineShown = {};
  f_.producingTiles.clear();
  f_.gameState = Turn;
  f_.turn.rolled = true;
  Refresh();
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoContinue(const CUndoNode& node) {
  const ContinueUndo& shown = node.As<ContinueUndo>();
  for (std::size_t p = 0; p < shown.lines.size() && p < 6; ++p) {
    f_.turn.productionLines[p] = shown.lines[p];
    f_.turn.productionLineShown[p] = !shown.lines[p].empty();
  }
  f_.producingTiles.clear();
  for (int b = 0; b < board_.LandCount(); ++b)
    if (board_.Piece(b).chip == shown.roll) f_.producingTiles.push_back(b);
  f_.turn.lastRoll = shown.roll;
  f_.turn.rolled = false;
  f_.gameState = GoodsReceived;
}

// --- the robber ---------------------------------------------------------------

StealOffer CGameSession::StealCandidates() const {
  StealOffer offer;
  int32_t at = board_.robberTile;
  if (!board_.OnBoard(at)) return offer;
  for (BuildingCode code : board_.Piece(at).building) {
    if (code == kNoBuilding) continue;
    int32_t owner = BuildingOwner(code);
    if (owner != f_.currentPlayer && owner < f_.playerCount && CardTotal(P(owner).hand) > 0)
      offer.candidates[owner] = true;
  }
  for (int32_t p = 0; p < f_.playerCount; ++p)
    if (offer.candidates[p]) offer.hands[p] = P(p).hand;
  return offer;
}

bool CGameSession::MoveRobberTo(int32_t position) {
  if (!board_.IsLandPosition(position) || position == board_.robberTile) return false;
  RecordAction(CUndoNode(PlacedRobber, RobberUndo{board_.robberTile, board_.robberPlacer, f_.soldierRobber}));
  board_.robberTile = position;
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.soldierRobber = false;
  if (Tracks()) OfferSteal();
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoPlacedRobber(const CUndoNode& node) {
  const RobberUndo& before = node.As<RobberUndo>();
  board_.robberTile = before.tileBefore;
  board_.robberPlacer = before.placerBefore;
  f_.soldierRobber = before.soldier;
  f_.pickEnabled = true;
  f_.lastPick = -1;
  f_.gameState = PlaceRobber;
}

// The steal after the robber waits for the user's choice; a Cancel takes the
// robber move back (CancelDecision).
bool CGameSession::OfferSteal() {
  PendingDecision decision;
  decision.kind = DecisionKind::Steal;
  decision.steal = StealCandidates();
  bool any = false;
  for (bool c : decision.steal.candidates) any = any || c;
  if (any) OpenDecision(std::move(decision));
  return any;
}

void CGameSession::Steal(const StealChoice& choice) {
  if (choice.resource < 5) {
    GainResources(Stolen, f_.currentPlayer, choice.resource, 1, choice.victim);
    LoseResources(TakenBy, choice.victim, choice.resource, 1, f_.currentPlayer);
    ui_.StatisticsChanged(Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers));
  }
  RecordAction(CUndoNode(Stole, StealUndo{choice.victim, choice.resource}));
}

// Takes the stolen card back and leaves the steal pending again: a new
// choice is recorded as a new steal, a Cancel takes the robber move back.
void CGameSession::UndoStole(const CUndoNode& node) {
  const StealUndo& steal = node.As<StealUndo>();
  if (steal.resource < 5) {
    LoseResources(Stolen, f_.currentPlayer, steal.resource, 1, steal.victim);
    GainResources(TakenBy, steal.victim, steal.resource, 1, f_.currentPlayer);
    ui_.StatisticsChanged(Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers));
  }
  OfferSteal();
}

// --- end of turn -----------------------------------------------------------------

bool CGameSession::DoOnEndTurn() {
  if (Busy() || f_.gameState != Turn || !f_.turn.rolled || game_.gameOn == 0) return false;
  int32_t cp = f_.currentPlayer;
  CPlayerGame& seat = P(cp);
  RecordAction(CUndoNode(EndTurn, EndTurnUndo{seat.cardsBoughtThisTurn, seat.cardPlayedThisTurn, f_.freeRoads}));
  seat.cardsHeld += seat.cardsBoughtThisTurn;
  seat.cardsBoughtThisTurn = 0;
  seat.cardPlayedThisTurn = 0;
  f_.freeRoads = 0;
  CDateTime now = clock_.Now();
  seat.turnSeconds.push_back(SpanSeconds(now.days - game_.turnStart.days));
  game_.turnStart = now;
  ui_.StatisticsChanged(Report(StatReport::TimePerTurn));
  f_.currentPlayer = (cp + 1) % f_.playerCount;
  f_.turn.rolled = false;
  Refresh();
  return true;
}

void CGameSession::UndoEndTurn(const CUndoNode& node) {
  const EndTurnUndo& ended = node.As<EndTurnUndo>();
  int32_t cp = (f_.currentPlayer + f_.playerCount - 1) % f_.playerCount;
  f_.currentPlayer = cp;
  CPlayerGame& seat = P(cp);
  seat.cardPlayedThisTurn = ended.cardPlayedThisTurn;
  seat.cardsBoughtThisTurn = ended.cardsBoughtThisTurn;
  seat.cardsHeld -= ended.cardsBoughtThisTurn;
  int32_t s = seat.turnSeconds.back();
  seat.turnSeconds.pop_back();
  // The resumed turn goes on from its length at End Turn.
  game_.turnStart = clock_.Now();
  game_.turnStart.days -= s / 86400.0;
  f_.freeRoads = ended.freeRoadsBefore;
  f_.turn.rolled = true;
  ui_.StatisticsChanged(Report(StatReport::TimePerTurn));
}
