#include <algorithm>
#include <optional>

#include "engine/board/harbour_ratio.h"
#include "engine/session/bank_trade_plan.h"
#include "engine/session/session.h"

namespace {

// " 8 SHEEP, 1 ORE" without the last comma.
std::string CardList(const ResourceCounts& counts, bool upperCase) {
  std::string text;
  for (int r = 0; r < kResourceCount; ++r)
    if (counts[r] > 0) text += " " + std::to_string(counts[r]) + " " + TileName(r, upperCase) + ",";
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace

int32_t CGameSession::TradeRatio(int32_t player, int32_t resource) const {
  if (!IsResource(resource)) return 4;
  return ::TradeRatio(board_, player, static_cast<ResourceType>(resource));
}

bool CGameSession::CanAfford(PurchaseKind kind) const {
  if (!Tracks()) return true;
  if (kind == PurchaseRoad && f_.freeRoads > 0) return true;
  int32_t p = f_.currentPlayer;
  if (p < 0 || p >= f_.playerCount) return false;
  std::array<int32_t, kResourceCount> ratios{};
  for (int r = 0; r < kResourceCount; ++r) ratios[r] = TradeRatio(p, r);
  return PlanBankTrade(P(p).hand, PurchaseCost(kind), ratios, f_.bank, nullptr).affordable;
}

// Makes the purchase affordable with trades at the player's best ratios. The
// player is asked which resource to give for each missing card while there
// is a choice, one pending question at a time; the plan is kept between the
// answers. A development card is bought once the trade is done.
void CGameSession::StartAutoTrade(PurchaseKind kind, bool runsOn, bool forCard) {
  decision_.purchase = kind;
  decision_.tradeRunsOn = runsOn;
  decision_.forCard = forCard;
  decision_.traded = false;
  int32_t p = f_.currentPlayer;
  if (kind == PurchaseRoad && f_.freeRoads > 0) {
    decision_.bankTrade = CBankTradeChain();
  } else {
    std::array<int32_t, kResourceCount> ratios{};
    for (int r = 0; r < kResourceCount; ++r) ratios[r] = TradeRatio(p, r);
    decision_.bankTrade = CBankTradeChain(P(p).hand, PurchaseCost(kind), ratios, f_.bank);
  }
  ContinueAutoTrade();
}

void CGameSession::ContinueAutoTrade() {
  CBankTradeChain& chain = decision_.bankTrade;
  if (std::optional<BankTradeQuestion> question = chain.Question()) {
    PendingDecision decision;
    decision.kind = DecisionKind::BankTradeResource;
    decision.bankTrade = *question;
    OpenDecision(std::move(decision));
    return;
  }
  chain.Finish();
  const BankTradePlan& plan = chain.Plan();
  if (plan.affordable && plan.tradesNeeded) {
    int32_t p = f_.currentPlayer;
    ExchangeUndo trade;
    trade.party = -2;
    trade.tradeCounts = plan.ratioCounts;
    for (int r = 0; r < kResourceCount; ++r) {
      LoseResources(BankTrade, p, r, plan.given[r], -1);
      trade.give[r] = plan.given[r];
    }
    for (int r = 0; r < kResourceCount; ++r) trade.get[r] = std::max(0, GainResources(BankTrade, p, r, plan.received[r], -1));
    for (int i = 0; i < 3; ++i) P(p).bankTrades[i] += plan.ratioCounts[i];
    ui_.StatisticsChanged(Report(StatReport::NumberOfTrades));
    std::string text = "Traded" + CardList(trade.give, true) + " to the bank for" + CardList(trade.get, true) + ".";
    RecordAction(CUndoNode(Traded, std::move(trade), decision_.tradeRunsOn));
    Notify("Trade to the bank", std::move(text));
    decision_.traded = true;
  }
  decision_.bankTrade = CBankTradeChain();
  if (decision_.forCard) FinishCardPurchase();
}

bool CGameSession::DoTradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get) {
  int32_t cp = f_.currentPlayer;
  if (Busy() || f_.gameState != Turn || !f_.turn.tradeEnabled || game_.gameOn == 0) return false;
  if (partner < 0 || partner >= f_.playerCount || partner == cp) return false;
  int giveKinds = 0, getKinds = 0;
  for (int r = 0; r < kResourceCount; ++r) {
    if (give[r] < 0 || get[r] < 0 || (give[r] > 0 && get[r] > 0)) return false;
    if (give[r] > P(cp).hand[r] || get[r] > P(partner).hand[r]) return false;
    giveKinds += give[r] > 0;
    getKinds += get[r] > 0;
  }
  // Each side's offer has four slots, and both sides must offer something.
  if (giveKinds == 0 || getKinds == 0 || giveKinds > 4 || getKinds > 4) return false;
  CPlayerGame& me = P(cp);
  CPlayerGame& other = P(partner);
  // Hands move whether or not trades are tracked: the bank takes no part.
  for (int r = 0; r < kResourceCount; ++r) {
    GainResources(PlayerTrade, cp, r, get[r], partner);
    LoseResources(PlayerTrade, cp, r, give[r], partner);
    GainResources(PlayerTrade, partner, r, give[r], cp);
    LoseResources(PlayerTrade, partner, r, get[r], cp);
    me.givenTo[partner][r] += give[r];
    me.receivedFrom[partner][r] += get[r];
    other.givenTo[cp][r] += get[r];
    other.receivedFrom[cp][r] += give[r];
  }
  me.tradesWith[partner] += 1;
  other.tradesWith[cp] += 1;
  ui_.StatisticsChanged(Report(StatReport::NumberOfTrades));
  RecordAction(CUndoNode(Traded, ExchangeUndo{partner, give, get, {}}));
  Refresh();
  return true;
}

std::array<bool, kResourceCount> CGameSession::BankDraggable() const {
  std::array<bool, kResourceCount> out{};
  int32_t p = f_.currentPlayer;
  if (!Tracks() || p < 0 || p >= f_.playerCount) return out;
  for (int r = 0; r < kResourceCount; ++r) out[r] = P(p).hand[r] >= TradeRatio(p, r);
  return out;
}

// One card dragged onto a bank picture: one trade at the best ratio. The
// bank must hold the wanted card, or the drop would take cards for nothing.
bool CGameSession::DoTradeWithBank(int32_t give, int32_t wanted) {
  if (Busy() || f_.gameState != Turn || !f_.turn.tradeEnabled || !Tracks() || game_.gameOn == 0) return false;
  if (!IsResource(give) || !IsResource(wanted) || give == wanted) return false;
  if (!BankDraggable()[give] || f_.bank[wanted] <= 0) return false;
  int32_t p = f_.currentPlayer;
  int32_t ratio = TradeRatio(p, give);
  ExchangeUndo trade;
  trade.party = -1;
  LoseResources(BankTrade, p, give, ratio, -1);
  trade.give[give] = ratio;
  trade.get[wanted] = GainResources(BankTrade, p, wanted, 1, -1);
  trade.tradeCounts[ratio - 2] = 1;
  P(p).bankTrades[ratio - 2] += 1;
  ui_.StatisticsChanged(Report(StatReport::NumberOfTrades));
  RecordAction(CUndoNode(Traded, std::move(trade)));
  Refresh();
  return true;
}

void CGameSession::UndoTraded(const CUndoNode& node) {
  const ExchangeUndo& trade = node.As<ExchangeUndo>();
  int32_t cp = f_.currentPlayer;
  if (trade.party < 0) {
    for (int r = 0; r < kResourceCount; ++r) {
      LoseResources(BankTrade, cp, r, trade.get[r], -2);
      GainResources(BankTrade, cp, r, trade.give[r], -2);
    }
    for (int i = 0; i < 3; ++i) P(cp).bankTrades[i] -= trade.tradeCounts[i];
  } else {
    int32_t partner = trade.party;
    CPlayerGame& me = P(cp);
    CPlayerGame& other = P(partner);
    for (int r = 0; r < kResourceCount; ++r) {
      LoseResources(PlayerTrade, cp, r, trade.get[r], partner);
      GainResources(PlayerTrade, cp, r, trade.give[r], partner);
      LoseResources(PlayerTrade, partner, r, trade.give[r], cp);
      GainResources(PlayerTrade, partner, r, trade.get[r], cp);
      me.givenTo[partner][r] -= trade.give[r];
      me.receivedFrom[partner][r] -= trade.get[r];
      other.givenTo[cp][r] -= trade.get[r];
      other.receivedFrom[cp][r] -= trade.give[r];
    }
    me.tradesWith[partner] -= 1;
    other.tradesWith[cp] -= 1;
  }
  ui_.StatisticsChanged(Report(StatReport::NumberOfTrades));
}
