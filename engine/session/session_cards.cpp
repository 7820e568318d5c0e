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

bool CGameSession::DoOnBuyCard() {
  if (Busy() || f_.gameState != Turn || !f_.turn.buyCardEnabled || game_.gameOn == 0) return false;
  if (Tracks()) {
    StartAutoTrade(PurchaseCard, false, true);  // buys the card once the trade is done
  } else {
    decision_.traded = false;
    FinishCardPurchase();
  }
  Refresh();
  return true;
}

void CGameSession::FinishCardPurchase() {
  int32_t p = f_.currentPlayer;
  P(p).cardsBoughtThisTurn += 1;
  Pay(p, PurchaseCard);
  // One Undo takes back the purchase together with its own bank trade.
  RecordAction(CUndoNode(BoughtCard, CardBoughtUndo{p}, decision_.traded));
  decision_.forCard = false;
  decision_.traded = false;
}

void CGameSession::UndoBoughtCard(const CUndoNode& node) {
  int32_t p = node.As<CardBoughtUndo>().player;
  P(p).cardsBoughtThisTurn -= 1;
  Refund(p, PurchaseCard);
}

bool CGameSession::DoPlayVictoryPoint(int32_t player) {
  if (Busy() || !PlayCardOfferFor(player).kinds[VictoryPointCard]) return false;
  const CPlayerGame& seat = P(player);
  if (seat.cardsBoughtThisTurn > 0 && seat.cardsHeld > 0) {
    // Only the user knows whether this card was bought in this turn.
    PendingDecision decision;
    decision.kind = DecisionKind::VictoryPointCard;
    decision.player = player;
    decision.caption = "Victory Point";
    decision.text = VictoryPointQuestion(PlayerName(player));
    OpenDecision(std::move(decision));
    Refresh();
    return true;
  }
  RevealVictoryPoint(player, seat.cardsBoughtThisTurn > 0);
  return true;
}

void CGameSession::RevealVictoryPoint(int32_t player, bool fromThisTurn) {
  CPlayerGame& seat = P(player);
  AddVictoryPoints(player, 1);
  if (fromThisTurn) seat.cardsBoughtThisTurn -= 1;
  else seat.cardsHeld -= 1;
  seat.cardsPlayed[VictoryPointCard] += 1;
  RecordAction(CUndoNode(PlayedVictoryPoint, VictoryPointUndo{player, fromThisTurn}));
  Refresh();
  CheckVictory();
}

void CGameSession::UndoPlayedVictoryPoint(const CUndoNode& node) {
  const VictoryPointUndo& card = node.As<VictoryPointUndo>();
  RemoveVictoryPoints(card.player, 1);
  if (card.fromThisTurn) P(card.player).cardsBoughtThisTurn += 1;
  else P(card.player).cardsHeld += 1;
  P(card.player).cardsPlayed[VictoryPointCard] -= 1;
}

bool CGameSession::DoPlayMonopoly(int32_t resource) {
  if (Busy() || !IsResource(resource) || !PlayCardOfferFor(f_.currentPlayer).kinds[MonopolyCard]) return false;
  int32_t cp = f_.currentPlayer;
  MonopolyUndo taken;
  taken.resource = resource;
  if (Tracks()) {
    for (int32_t j = 0; j < f_.playerCount; ++j) {
      int32_t n = P(j).hand[resource];
      if (j == cp || n <= 0) continue;
      GainResources(MonopolyGain, cp, resource, n, j);
      LoseResources(TakenBy, j, resource, n, cp);
      taken.amounts[j] = n;
    }
    ui_.StatisticsChanged(Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers));
  }
  RecordAction(CUndoNode(PlayedMonopoly, taken));
  PlayHeldCard(cp, MonopolyCard);
  Refresh();
  return true;
}

void CGameSession::UndoPlayedMonopoly(const CUndoNode& node) {
  const MonopolyUndo& taken = node.As<MonopolyUndo>();
  int32_t cp = f_.currentPlayer;
  ReturnPlayedCard(cp, MonopolyCard);
  if (Tracks()) {
    for (int32_t j = 0; j < f_.playerCount; ++j) {
      if (taken.amounts[j] <= 0) continue;
      GainResources(TakenBy, j, taken.resource, taken.amounts[j], cp);
      LoseResources(MonopolyGain, cp, taken.resource, taken.amounts[j], j);
    }
    ui_.StatisticsChanged(Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers));
  }
}

bool CGameSession::DoPlayRoadBuilding() {
  if (Busy() || !PlayCardOfferFor(f_.currentPlayer).kinds[RoadBuildingCard]) return false;
  RecordAction(CUndoNode(PlayedRoadBuilding, std::monostate{}));
  PlayHeldCard(f_.currentPlayer, RoadBuildingCard);
  if (Tracks()) f_.freeRoads = 2;
  Refresh();
  return true;
}

void CGameSession::UndoPlayedRoadBuilding(const CUndoNode& /*node*/) {
  ReturnPlayedCard(f_.currentPlayer, RoadBuildingCard);
  f_.freeRoads = 0;
}

std::array<bool, kResourceCount> CGameSession::YearOfPlentyChoices() const {
  std::array<bool, kResourceCount> choices{};
  for (int r = 0; r < kResourceCount; ++r) choices[r] = f_.bank[r] > 0;
  return choices;
}

bool CGameSession::DoPlayYearOfPlenty(const ResourceCounts& counts) {
  if (Busy() || !PlayCardOfferFor(f_.currentPlayer).kinds[YearOfPlentyCard]) return false;
  int32_t cp = f_.currentPlayer;
  YearOfPlentyUndo taken;
  if (Tracks()) {
    // The dialog takes exactly two cards, and only what the bank holds.
    int32_t sum = 0;
    for (int r = 0; r < kResourceCount; ++r) {
      if (counts[r] < 0 || counts[r] > f_.bank[r]) return false;
      sum += counts[r];
    }
    if (sum != 2) return false;
    for (int r = 4; r >= 0; --r) GainResources(YearOfPlenty, cp, r, counts[r], -1);
    taken.counts = counts;
    ui_.StatisticsChanged(Report(StatReport::ByDevelopmentCards));
  }
  RecordAction(CUndoNode(PlayedYearOfPlenty, taken));
  PlayHeldCard(cp, YearOfPlentyCard);
  Refresh();
  return true;
}

void CGameSession::UndoPlayedYearOfPlenty(const CUndoNode& node) {
  const ResourceCounts& counts = node.As<YearOfPlentyUndo>().counts;
  int32_t cp = f_.currentPlayer;
  ReturnPlayedCard(cp, YearOfPlentyCard);
  if (Tracks()) {
    for (int r = 0; r < kResourceCount; ++r) LoseResources(YearOfPlenty, cp, r, counts[r], -1);
    ui_.StatisticsChanged(Report(StatReport::ByDevelopmentCards));
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

bool CGameSession::DoPlaySoldier() {
  if (Busy() || !PlayCardOfferFor(f_.currentPlayer).kinds[SoldierCard]) return false;
  int32_t cp = f_.currentPlayer;
  f_.soldierRobber = true;
  PlayHeldCard(cp, SoldierCard);
  int32_t army = UpdateLargestArmy();
  RecordAction(CUndoNode(PlayedSoldier, SoldierUndo{army, board_.robberPlacer}));
  f_.pickEnabled = true;
  board_.robberPlacer = cp;
  f_.lastPick = -1;
  f_.gameState = PlaceRobber;
  Refresh();
  CheckVictory();
  return true;
}

void CGameSession::UndoPlayedSoldier(const CUndoNode& node) {
  const SoldierUndo& played = node.As<SoldierUndo>();
  int32_t cp = f_.currentPlayer;
  f_.soldierRobber = false;
  ReturnPlayedCard(cp, SoldierCard);
  int32_t h = played.largestArmyResult;
  if (h >= BonusFromNobody) MoveBonus(&CPlayerGame::hasLargestArmy, cp, h);
  board_.robberPlacer = played.robberPlacerBefore;
  f_.gameState = Turn;
  f_.pickEnabled = false;
  f_.lastPick = -1;
}

void CGameSession::PlayHeldCard(int32_t player, DevCardKind kind) {
  CPlayerGame& seat = P(player);
  seat.cardsHeld -= 1;
  seat.cardsPlayed[kind] += 1;
  seat.cardPlayedThisTurn = 1;
}

void CGameSession::ReturnPlayedCard(int32_t player, DevCardKind kind) {
  CPlayerGame& seat = P(player);
  seat.cardsHeld += 1;
  seat.cardsPlayed[kind] -= 1;
  seat.cardPlayedThisTurn = 0;
}
