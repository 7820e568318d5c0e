#include <numeric>

#include "engine/session/session.h"
#include "records/clock.h"

namespace {

int32_t HandTotal(const ResourceCounts& hand) { return std::accumulate(hand.begin(), hand.end(), 0); }

// "Ann: 2 Ore, 1 Sheep" - the first name, a colon and each resource received.
std::string ProductionLine(const std::string& firstName, const ResourceCounts& gained) {
  std::string line = firstName + ":";
  for (int r = 0; r < 5; ++r) {
    if (gained[r] != 0) line += " " + std::to_string(gained[r]) + " " + TileName(r) + ",";
  }
  line.pop_back();
  return line;
}

}  // namespace

bool CGameSession::OnRoll(int32_t total) {
  if (f_.gameState != Turn || f_.turn.rolled || game_.gameOn == 0 || total < 2 || total > 12) return false;
  int32_t cp = f_.currentPlayer;
  CUndoNode node;
  node.kind = f_.rollsStarted ? Roll : RollFirst;
  node.roll = total;
  node.previous = f_.turn.lastRoll;
  node.party = board_.robberPlacer;
  std::vector<CUndoNode> discards;
  if (total == 7) {
    if (Tracks() && !TakeDiscards(discards)) {
      Refresh();  // the roll is dropped; the dice pad stays for a new total
      return false;
    }
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
    Produce(node);
    f_.gameState = GoodsReceived;
    f_.turn.rolled = false;
    ui_.StatisticsChanged(Report(7) | Report(12));
  }
  RecordAction(std::move(node));
  for (CUndoNode& d : discards) RecordAction(std::move(d));
  game_.rolls.push_back(total);
  game_.rollCounts[cp][total - 2] += 1;
  f_.rollsStarted = true;
  ui_.StatisticsChanged(Report(1) | (discards.empty() ? 0 : Report(14)));
  Refresh();
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoRoll(CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
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
}

void CGameSession::Produce(CUndoNode& node) {
  for (int32_t step = 0; step < f_.playerCount; ++step) {
    int32_t p = (f_.currentPlayer + step) % f_.playerCount;
    const CPlayerGame& seat = P(p);
    for (int32_t b : f_.producingTiles) {
      int32_t r = Index(board_.Type(b));
      if (r < 0 || r > 4) continue;
      bool robbed = b == board_.robberTile;
      auto produce = [&](int32_t amount) {
        if (robbed) node.withheld[p][r] += GainResources(RobberBlocked, p, r, amount, board_.robberPlacer);
        else node.gains[p][r] += GainResources(Production, p, r, amount, -1);
      };
      for (int32_t i = 0; i < seat.settlementsAt[b]; ++i) produce(1);
      for (int32_t i = 0; i < seat.citiesAt[b]; ++i) produce(2);
    }
  }
  for (int32_t p = 0; p < 6; ++p) {
    bool any = p < f_.playerCount && HandTotal(node.gains[p]) > 0;
    f_.turn.productionLines[p] = any ? ProductionLine(P(p).player.firstName, node.gains[p]) : std::string();
    f_.turn.productionLineShown[p] = any;
  }
}

DiscardOffer CGameSession::DiscardRequirements() const {
  DiscardOffer offer;
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    offer.hands[p] = P(p).hand;
    int32_t held = HandTotal(P(p).hand);
    if (held > board_.Constants().discardLimit) offer.required[p] = held / 2;
  }
  return offer;
}

// The seven check: asks for the discards and takes them. False when the user
// cancelled (or answered something the dialog would not accept).
bool CGameSession::TakeDiscards(std::vector<CUndoNode>& discards) {
  DiscardOffer offer = DiscardRequirements();
  bool anyone = false;
  for (int32_t n : offer.required) anyone = anyone || n > 0;
  if (!anyone) return true;
  std::optional<SeatMatrix> answer = ui_.ChooseDiscards(offer);
  if (!answer) return false;
  for (int32_t p = 0; p < 6; ++p) {
    int32_t sum = 0;
    for (int r = 0; r < 5; ++r) {
      int32_t n = (*answer)[p][r];
      if (n < 0 || (p < f_.playerCount && n > P(p).hand[r])) return false;
      sum += n;
    }
    if (sum != offer.required[p]) return false;
  }
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    if (offer.required[p] == 0) continue;
    for (int r = 0; r < 5; ++r) LoseResources(Discard, p, r, (*answer)[p][r], -1);
    CUndoNode node;
    node.kind = Discarded;
    node.party = p;
    node.give = (*answer)[p];
    node.continues = true;
    discards.push_back(std::move(node));
  }
  return true;
}

void CGameSession::UndoDiscarded(CUndoNode& node) {
  for (int r = 0; r < 5; ++r) GainResources(Discard, node.party, r, node.give[r], -1);
  ui_.StatisticsChanged(Report(14));
}

bool CGameSession::OnContinue() {
  if (f_.gameState != GoodsReceived) return false;
  CUndoNode node;
  node.kind = Continue;
  node.roll = f_.turn.lastRoll;
  node.lines.assign(f_.turn.productionLines.begin(), f_.turn.productionLines.begin() + f_.playerCount);
  for (std::size_t p = 0; p < node.lines.size(); ++p)
    if (!f_.turn.productionLineShown[p]) node.lines[p].clear();
  RecordAction(std::move(node));
  f_.turn.productionLines = {};
  f_.turn.productionLineShown = {};
  f_.producingTiles.clear();
  f_.gameState = Turn;
  f_.turn.rolled = true;
  Refresh();
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoContinue(CUndoNode& node) {
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
}

// --- the robber ---------------------------------------------------------------

StealOffer CGameSession::StealCandidates() const {
  StealOffer offer;
  int32_t at = board_.robberTile;
  if (!board_.OnBoard(at)) return offer;
  for (BuildingCode code : board_.Piece(at).building) {
    if (code == kNoBuilding) continue;
    int32_t owner = BuildingOwner(code);
    if (owner != f_.currentPlayer && owner < f_.playerCount && HandTotal(P(owner).hand) > 0)
      offer.candidates[owner] = true;
  }
  for (int32_t p = 0; p < f_.playerCount; ++p)
    if (offer.candidates[p]) offer.hands[p] = P(p).hand;
  return offer;
}

bool CGameSession::MoveRobberTo(int32_t position) {
  if (!board_.IsLandPosition(position) || position == board_.robberTile) return false;
  CUndoNode node;
  node.kind = PlacedRobber;
  node.value = board_.robberTile * 100 + board_.robberPlacer * 10 + (f_.soldierRobber ? 1 : 0);
  board_.robberTile = position;
  f_.gameState = Turn;
  f_.pickEnabled = false;
  RecordAction(std::move(node));
  f_.soldierRobber = false;
  if (Tracks() && OfferSteal() == StealOutcome::Cancelled) {
    // Cancelling the steal takes the robber back: robber mode again.
    TakeBackNewest();
    ui_.HistoryChanged();
    ui_.BoardChanged();
    return false;
  }
  ui_.BoardChanged();
  return true;
}

void CGameSession::UndoPlacedRobber(CUndoNode& node) {
  board_.robberTile = node.value / 100;
  board_.robberPlacer = node.value / 10 % 10;
  f_.soldierRobber = node.value % 10 != 0;
  f_.pickEnabled = true;
  f_.lastPick = -1;
  f_.gameState = PlaceRobber;
}

CGameSession::StealOutcome CGameSession::OfferSteal() {
  StealOffer offer = StealCandidates();
  bool any = false;
  for (bool c : offer.candidates) any = any || c;
  if (!any) return StealOutcome::NoCandidates;
  std::optional<StealChoice> choice = ui_.ChooseSteal(offer);
  if (!choice || choice->victim < 0 || choice->victim > 5 || !offer.candidates[choice->victim] ||
      choice->resource < 0 || choice->resource > 5 ||
      (choice->resource < 5 && P(choice->victim).hand[choice->resource] <= 0))
    return StealOutcome::Cancelled;
  CUndoNode node;
  node.kind = Stole;
  node.value = choice->victim * 10 + choice->resource;
  if (choice->resource < 5) {
    GainResources(Stolen, f_.currentPlayer, choice->resource, 1, choice->victim);
    LoseResources(TakenBy, choice->victim, choice->resource, 1, f_.currentPlayer);
    ui_.StatisticsChanged(Report(8) | Report(13));
  }
  RecordAction(std::move(node));
  return StealOutcome::Stolen;
}

// Takes the stolen card back, then offers the steal again: a new choice ends
// the undo there, a cancel (or nobody left to rob) lets it run on into the
// robber move.
bool CGameSession::UndoStole(CUndoNode& node) {
  int32_t victim = node.value / 10, resource = node.value % 10;
  if (resource < 5) {
    LoseResources(Stolen, f_.currentPlayer, resource, 1, victim);
    GainResources(TakenBy, victim, resource, 1, f_.currentPlayer);
    ui_.StatisticsChanged(Report(8) | Report(13));
  }
  StealOutcome outcome = OfferSteal();
  return outcome == StealOutcome::Cancelled;
}

// --- end of turn -----------------------------------------------------------------

bool CGameSession::OnEndTurn() {
  if (f_.gameState != Turn || !f_.turn.rolled || game_.gameOn == 0) return false;
  int32_t cp = f_.currentPlayer;
  CPlayerGame& seat = P(cp);
  CUndoNode node;
  node.kind = EndTurn;
  node.value = seat.cardsBoughtThisTurn + 10 * seat.cardPlayedThisTurn;
  // The value's last digit cannot hold ten or more cards bought in a turn.
  node.amounts = {seat.cardsBoughtThisTurn, seat.cardPlayedThisTurn, 0, 0, 0, 0};
  node.previous = f_.freeRoads;
  RecordAction(std::move(node));
  seat.cardsHeld += seat.cardsBoughtThisTurn;
  seat.cardsBoughtThisTurn = 0;
  seat.cardPlayedThisTurn = 0;
  f_.freeRoads = 0;
  CDateTime now = clock_.Now();
  seat.turnSeconds.push_back(SpanSeconds(now.days - game_.turnStart.days));
  game_.turnStart = now;
  ui_.StatisticsChanged(Report(4));
  f_.currentPlayer = (cp + 1) % f_.playerCount;
  f_.turn.rolled = false;
  Refresh();
  return true;
}

void CGameSession::UndoEndTurn(CUndoNode& node) {
  int32_t cp = (f_.currentPlayer + f_.playerCount - 1) % f_.playerCount;
  f_.currentPlayer = cp;
  CPlayerGame& seat = P(cp);
  seat.cardPlayedThisTurn = node.amounts[1];
  seat.cardsBoughtThisTurn = node.amounts[0];
  seat.cardsHeld -= node.amounts[0];
  int32_t s = seat.turnSeconds.back();
  seat.turnSeconds.pop_back();
  // The resumed turn goes on from its length at End Turn.
  game_.turnStart = clock_.Now();
  game_.turnStart.days -= s / 86400.0;
  f_.freeRoads = node.previous;
  f_.turn.rolled = true;
  ui_.StatisticsChanged(Report(4));
}
