#include "engine/board/harbour_ratio.h"
#include "engine/session/bank_trade_plan.h"
#include "engine/session/session.h"

namespace {

// " 8 SHEEP, 1 ORE" without the last comma.
std::string CardList(const ResourceCounts& counts, bool upperCase) {
  std::string text;
  for (int r = 0; r < 5; ++r)
    if (counts[r] > 0) text += " " + std::to_string(counts[r]) + " " + TileName(r, upperCase) + ",";
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace

int32_t CGameSession::TradeRatio(int32_t player, int32_t resource) const {
  if (resource < 0 || resource > 4) return 4;
  return ::TradeRatio(board_, player, static_cast<ResourceType>(resource));
}

bool CGameSession::CanAfford(PurchaseKind kind) const {
  if (!Tracks()) return true;
  if (kind == PurchaseRoad && f_.freeRoads > 0) return true;
  int32_t p = f_.currentPlayer;
  if (p < 0 || p >= f_.playerCount) return false;
  std::array<int32_t, 5> ratios{};
  for (int r = 0; r < 5; ++r) ratios[r] = TradeRatio(p, r);
  return PlanBankTrade(P(p).hand, PurchaseCost(kind), ratios, f_.bank, nullptr).affordable;
}

// Makes the purchase affordable with trades at the player's best ratios,
// asking which resource to give for each missing card while there is a choice.
bool CGameSession::AutoTrade(PurchaseKind kind, bool continuesIntoPrevious) {
  if (kind == PurchaseRoad && f_.freeRoads > 0) return true;
  int32_t p = f_.currentPlayer;
  std::array<int32_t, 5> ratios{};
  for (int r = 0; r < 5; ++r) ratios[r] = TradeRatio(p, r);
  BankTradeChooser chooser = [this](int32_t wanted, const std::array<bool, 5>& tradeable) {
    return ui_.ChooseBankTradeResource(wanted, tradeable);
  };
  BankTradePlan plan = PlanBankTrade(P(p).hand, PurchaseCost(kind), ratios, f_.bank, &chooser);
  if (!plan.affordable) return false;
  if (!plan.tradesNeeded) return true;
  CUndoNode node;
  node.kind = Traded;
  node.party = -2;
  node.continues = continuesIntoPrevious;
  node.tradeCounts = plan.ratioCounts;
  for (int r = 0; r < 5; ++r) {
    LoseResources(BankTrade, p, r, plan.given[r], -1);
    node.give[r] = plan.given[r];
  }
  for (int r = 0; r < 5; ++r) node.get[r] = std::max(0, GainResources(BankTrade, p, r, plan.received[r], -1));
  for (int i = 0; i < 3; ++i) P(p).bankTrades[i] += plan.ratioCounts[i];
  ui_.StatisticsChanged(Report(16));
  std::string text = "Traded" + CardList(node.give, true) + " to the bank for" + CardList(node.get, true) + ".";
  RecordAction(std::move(node));
  ui_.ShowMessage("Trade to the bank", text);
  return true;
}

bool CGameSession::TradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get) {
  int32_t cp = f_.currentPlayer;
  if (f_.gameState != Turn || !f_.turn.tradeEnabled || game_.gameOn == 0) return false;
  if (partner < 0 || partner >= f_.playerCount || partner == cp) return false;
  int giveKinds = 0, getKinds = 0;
  for (int r = 0; r < 5; ++r) {
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
  for (int r = 0; r < 5; ++r) {
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
  ui_.StatisticsChanged(Report(16));
  CUndoNode node;
  node.kind = Traded;
  node.party = partner;
  node.give = give;
  node.get = get;
  RecordAction(std::move(node));
  Refresh();
  return true;
}

std::array<bool, 5> CGameSession::BankDraggable() const {
  std::array<bool, 5> out{};
  int32_t p = f_.currentPlayer;
  if (!Tracks() || p < 0 || p >= f_.playerCount) return out;
  for (int r = 0; r < 5; ++r) out[r] = P(p).hand[r] >= TradeRatio(p, r);
  return out;
}

// One card dragged onto a bank picture: one trade at the best ratio. The
// bank must hold the wanted card, or the drop would take cards for nothing.
bool CGameSession::TradeWithBank(int32_t give, int32_t wanted) {
  if (f_.gameState != Turn || !f_.turn.tradeEnabled || !Tracks() || game_.gameOn == 0) return false;
  if (give < 0 || give > 4 || wanted < 0 || wanted > 4 || give == wanted) return false;
  if (!BankDraggable()[give] || f_.bank[wanted] <= 0) return false;
  int32_t p = f_.currentPlayer;
  int32_t ratio = TradeRatio(p, give);
  CUndoNode node;
  node.kind = Traded;
  node.party = -1;
  LoseResources(BankTrade, p, give, ratio, -1);
  node.give[give] = ratio;
  node.get[wanted] = GainResources(BankTrade, p, wanted, 1, -1);
  node.tradeCounts[ratio - 2] = 1;
  P(p).bankTrades[ratio - 2] += 1;
  ui_.StatisticsChanged(Report(16));
  RecordAction(std::move(node));
  Refresh();
  return true;
}

void CGameSession::UndoTraded(CUndoNode& node) {
  int32_t cp = f_.currentPlayer;
  if (node.party < 0) {
    for (int r = 0; r < 5; ++r) {
      LoseResources(BankTrade, cp, r, node.get[r], -2);
      GainResources(BankTrade, cp, r, node.give[r], -2);
    }
    for (int i = 0; i < 3; ++i) P(cp).bankTrades[i] -= node.tradeCounts[i];
  } else {
    int32_t partner = node.party;
    CPlayerGame& me = P(cp);
    CPlayerGame& other = P(partner);
    for (int r = 0; r < 5; ++r) {
      LoseResources(PlayerTrade, cp, r, node.get[r], partner);
      GainResources(PlayerTrade, cp, r, node.give[r], partner);
      LoseResources(PlayerTrade, partner, r, node.give[r], cp);
      GainResources(PlayerTrade, partner, r, node.get[r], cp);
      me.givenTo[partner][r] -= node.give[r];
      me.receivedFrom[partner][r] -= node.get[r];
      other.givenTo[cp][r] -= node.get[r];
      other.receivedFrom[cp][r] -= node.give[r];
    }
    me.tradesWith[partner] -= 1;
    other.tradesWith[cp] -= 1;
  }
  ui_.StatisticsChanged(Report(16));
}
