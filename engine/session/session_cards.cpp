#include "engine/session/session.h"

namespace {

// "Did %s receive this victory point card on this turn?"
std::string VictoryPointQuestion(const std::string& name) {
  return "Did " + name + " receive this victory point card on this turn?";
}

}  // namespace

PlayCardOffer CGameSession::PlayCardOfferFor(int32_t player) const {
  PlayCardOffer offer;
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    offer.listed[p] = P(p).cardsBoughtThisTurn + P(p).cardsHeld > 0;
    if (offer.listed[p] && (offer.selected < 0 || p == f_.currentPlayer)) offer.selected = p;
  }
  if (offer.selected >= 0 && offer.listed[f_.currentPlayer]) offer.selected = f_.currentPlayer;
  if (player < 0 || player >= f_.playerCount || !offer.listed[player]) return offer;
  bool canPlay = f_.gameState == Turn && game_.gameOn != 0;
  bool actionCard = canPlay && player == f_.currentPlayer && P(player).cardsHeld > 0 &&
                    P(player).cardPlayedThisTurn == 0;
  offer.kinds[VictoryPointCard] = canPlay;
  offer.kinds[SoldierCard] = actionCard;
  offer.kinds[MonopolyCard] = offer.kinds[RoadBuildingCard] = offer.kinds[YearOfPlentyCard] =
      actionCard && f_.turn.rolled;
  return offer;
}

bool CGameSession::OnBuyCard() {
  if (f_.gameState != Turn || !f_.turn.buyCardEnabled || game_.gameOn == 0) return false;
  int32_t p = f_.currentPlayer;
  P(p).cardsBoughtThisTurn += 1;
  bool traded = false;
  if (Tracks()) {
    std::size_t depth = undo_.size();
    AutoTrade(PurchaseCard, false);
    traded = undo_.size() > depth;
    Pay(p, PurchaseCard);
  }
  CUndoNode node;
  node.kind = BoughtCard;
  node.value = p;
  // One Undo takes back the purchase together with its own bank trade.
  node.continues = traded;
  RecordAction(std::move(node));
  Refresh();
  return true;
}

void CGameSession::UndoBoughtCard(CUndoNode& node) {
  P(node.value).cardsBoughtThisTurn -= 1;
  Refund(node.value, PurchaseCard);
}

bool CGameSession::PlayVictoryPoint(int32_t player) {
  if (!PlayCardOfferFor(player).kinds[VictoryPointCard]) return false;
  CPlayerGame& seat = P(player);
  AddVictoryPoints(player, 1);
  bool fromThisTurn = seat.cardsBoughtThisTurn > 0;
  if (seat.cardsBoughtThisTurn > 0 && seat.cardsHeld > 0)
    fromThisTurn = ui_.AskYesNo("Victory Point", VictoryPointQuestion(PlayerName(player)));
  if (fromThisTurn) seat.cardsBoughtThisTurn -= 1;
  else seat.cardsHeld -= 1;
  seat.cardsPlayed[VictoryPointCard] += 1;
  CUndoNode node;
  node.kind = PlayedVictoryPoint;
  node.value = (fromThisTurn ? 1 : 0) + 10 * player;
  RecordAction(std::move(node));
  Refresh();
  CheckVictory();
  return true;
}

void CGameSession::UndoPlayedVictoryPoint(CUndoNode& node) {
  int32_t p = node.value / 10;
  RemoveVictoryPoints(p, 1);
  if (node.value % 10 == 1) P(p).cardsBoughtThisTurn += 1;
  else P(p).cardsHeld += 1;
  P(p).cardsPlayed[VictoryPointCard] -= 1;
}

bool CGameSession::PlayMonopoly(int32_t resource) {
  if (resource < 0 || resource > 4 || !PlayCardOfferFor(f_.currentPlayer).kinds[MonopolyCard]) return false;
  int32_t cp = f_.currentPlayer;
  CUndoNode node;
  node.kind = PlayedMonopoly;
  node.resource = resource;
  if (Tracks()) {
    for (int32_t j = 0; j < f_.playerCount; ++j) {
      int32_t n = P(j).hand[resource];
      if (j == cp || n <= 0) continue;
      GainResources(MonopolyGain, cp, resource, n, j);
      LoseResources(TakenBy, j, resource, n, cp);
      node.amounts[j] = n;
    }
    ui_.StatisticsChanged(Report(8) | Report(13));
  }
  RecordAction(std::move(node));
  CPlayerGame& seat = P(cp);
  seat.cardsHeld -= 1;
  seat.cardsPlayed[MonopolyCard] += 1;
  seat.cardPlayedThisTurn = 1;
  Refresh();
  return true;
}

void CGameSession::UndoPlayedMonopoly(CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
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
}

bool CGameSession::PlayRoadBuilding() {
  if (!PlayCardOfferFor(f_.currentPlayer).kinds[RoadBuildingCard]) return false;
  CUndoNode node;
  node.kind = PlayedRoadBuilding;
  RecordAction(std::move(node));
  CPlayerGame& seat = P(f_.currentPlayer);
  seat.cardsHeld -= 1;
  seat.cardsPlayed[RoadBuildingCard] += 1;
  if (Tracks()) f_.freeRoads = 2;
  seat.cardPlayedThisTurn = 1;
  Refresh();
  return true;
}

void CGameSession::UndoPlayedRoadBuilding(CUndoNode& /*node*/) {
  int32_t cp = f_.currentPlayer;
  P(cp).cardsHeld += 1;
  P(cp).cardsPlayed[RoadBuildingCard] -= 1;
  P(cp).cardPlayedThisTurn = 0;
  f_.freeRoads = 0;
}

std::array<bool, 5> CGameSession::YearOfPlentyChoices() const {
  std::array<bool, 5> choices{};
  for (int r = 0; r < 5; ++r) choices[r] = f_.bank[r] > 0;
  return choices;
}

bool CGameSession::PlayYearOfPlenty(const ResourceCounts& counts) {
  if (!PlayCardOfferFor(f_.currentPlayer).kinds[YearOfPlentyCard]) return false;
  int32_t cp = f_.currentPlayer;
  CUndoNode node;
  node.kind = PlayedYearOfPlenty;
  if (Tracks()) {
    // The dialog takes exactly two cards, and only what the bank holds.
    int32_t sum = 0;
    for (int r = 0; r < 5; ++r) {
      if (counts[r] < 0 || counts[r] > f_.bank[r]) return false;
      sum += counts[r];
    }
    if (sum != 2) return false;
    for (int r = 4; r >= 0; --r) GainResources(YearOfPlenty, cp, r, counts[r], -1);
    node.value = counts[0] * 10000 + counts[1] * 1000 + counts[2] * 100 + counts[3] * 10 + counts[4];
    ui_.StatisticsChanged(Report(9));
  }
  RecordAction(std::move(node));
  CPlayerGame& seat = P(cp);
  seat.cardsHeld -= 1;
  seat.cardsPlayed[YearOfPlentyCard] += 1;
  seat.cardPlayedThisTurn = 1;
  Refresh();
  return true;
}

void CGameSession::UndoPlayedYearOfPlenty(CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
  P(cp).cardsHeld += 1;
  P(cp).cardsPlayed[YearOfPlentyCard] -= 1;
  P(cp).cardPlayedThisTurn = 0;
  const int32_t digits[5] = {node.value / 10000, node.value / 1000 % 10, node.value / 100 % 10,
                             node.value / 10 % 10, node.value % 10};
  if (Tracks()) {
    for (int r = 0; r < 5; ++r) LoseResources(YearOfPlenty, cp, r, digits[r], -1);
    ui_.StatisticsChanged(Report(9));
  }
}

// Largest Army needs 3 Soldiers and strictly more than the holder.
int32_t CGameSession::UpdateLargestArmy() {
  int32_t c = f_.currentPlayer;
  int32_t soldiers = P(c).cardsPlayed[SoldierCard];
  if (soldiers <= 2) return BonusNoChange;
  int32_t h = -1;
  for (int32_t i = 0; i < f_.playerCount && h < 0; ++i)
    if (P(i).hasLargestArmy) h = i;
  if (h == c) return BonusKept;
  if (h >= 0 && P(h).cardsPlayed[SoldierCard] >= soldiers) return BonusNoChange;
  MoveBonus(&CPlayerGame::hasLargestArmy, h, c);
  return h >= 0 ? h : BonusFromNobody;
}

bool CGameSession::PlaySoldier() {
  if (!PlayCardOfferFor(f_.currentPlayer).kinds[SoldierCard]) return false;
  int32_t cp = f_.currentPlayer;
  CPlayerGame& seat = P(cp);
  f_.soldierRobber = true;
  seat.cardsHeld -= 1;
  seat.cardsPlayed[SoldierCard] += 1;
  CUndoNode node;
  node.kind = PlayedSoldier;
  node.value = UpdateLargestArmy();
  node.previous = board_.robberPlacer;
  RecordAction(std::move(node));
  f_.pickEnabled = true;
  board_.robberPlacer = cp;
  f_.lastPick = -1;
  f_.gameState = PlaceRobber;
  seat.cardPlayedThisTurn = 1;
  Refresh();
  CheckVictory();
  return true;
}

void CGameSession::UndoPlayedSoldier(CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
  f_.soldierRobber = false;
  P(cp).cardsHeld += 1;
  P(cp).cardsPlayed[SoldierCard] -= 1;
  P(cp).cardPlayedThisTurn = 0;
  int32_t h = node.value;
  if (h >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLargestArmy, cp, h);
  board_.robberPlacer = node.previous;
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.lastPick = -1;
}
