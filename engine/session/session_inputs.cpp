#include "engine/session/session.h"

// --- the public inputs ------------------------------------------------------------
// Each runs its step and, when the session took it, tells the input log what
// was taken. An input that runs another inside (a road side is a board
// click, a cancelled steal takes the robber back) is told once, as itself.

bool CGameSession::Logged(SessionInput input, const std::function<bool()>& step) {
  ++inputDepth_;
  bool taken = false;
  try {
    taken = step();
  } catch (...) {
    --inputDepth_;
    throw;
  }
  --inputDepth_;
  if (taken && inputDepth_ == 0 && inputLog_ != nullptr) inputLog_->InputTaken(input);
  return taken;
}

void CGameSession::NewGame(int32_t players, bool trackTrades, bool generateBoard) {
  Logged(SessionInput(InputKind::NewGame, {players, trackTrades ? 1 : 0, generateBoard ? 1 : 0, game_.gameId}), [&] {
    DoNewGame(players, trackTrades, generateBoard);
    return true;
  });
}

bool CGameSession::ChooseTile(int32_t tileType) {
  return Logged(SessionInput(InputKind::ChooseTile, {tileType}), [&] { return DoChooseTile(tileType); });
}

bool CGameSession::Pick(int32_t id) {
  return Logged(SessionInput(InputKind::Pick, {id}), [&] { return DoPick(id); });
}

bool CGameSession::PickRoadSide(int32_t position, int32_t logicalSide) {
  return Logged(SessionInput(InputKind::PickRoadSide, {position, logicalSide}),
                [&] { return DoPickRoadSide(position, logicalSide); });
}

bool CGameSession::SelectPlayers(const std::vector<SeatChoice>& seats) {
  SessionInput input(InputKind::SelectPlayers);
  input.seats = seats;
  return Logged(std::move(input), [&] { return DoSelectPlayers(seats); });
}

bool CGameSession::SortPlayers(const std::vector<int32_t>& order) {
  return Logged(SessionInput(InputKind::SortPlayers, order), [&] { return DoSortPlayers(order); });
}

bool CGameSession::CancelPlayerOrder() {
  return Logged(SessionInput(InputKind::CancelPlayerOrder), [&] { return DoCancelPlayerOrder(); });
}

bool CGameSession::OnRoll(int32_t total) {
  return Logged(SessionInput(InputKind::Roll, {total}), [&] { return DoOnRoll(total); });
}

bool CGameSession::OnContinue() {
  return Logged(SessionInput(InputKind::Continue), [&] { return DoOnContinue(); });
}

bool CGameSession::OnBuild(PurchaseKind kind) {
  return Logged(SessionInput(InputKind::Build, {kind}), [&] { return DoOnBuild(kind); });
}

bool CGameSession::OnEndTurn() {
  return Logged(SessionInput(InputKind::EndTurn), [&] { return DoOnEndTurn(); });
}

bool CGameSession::OnBuyCard() {
  return Logged(SessionInput(InputKind::BuyCard), [&] { return DoOnBuyCard(); });
}

bool CGameSession::PlayVictoryPoint(int32_t player) {
  return Logged(SessionInput(InputKind::PlayVictoryPoint, {player}), [&] { return DoPlayVictoryPoint(player); });
}

bool CGameSession::PlayMonopoly(int32_t resource) {
  return Logged(SessionInput(InputKind::PlayMonopoly, {resource}), [&] { return DoPlayMonopoly(resource); });
}

bool CGameSession::PlayRoadBuilding() {
  return Logged(SessionInput(InputKind::PlayRoadBuilding), [&] { return DoPlayRoadBuilding(); });
}

bool CGameSession::PlayYearOfPlenty(const ResourceCounts& counts) {
  SessionInput input(InputKind::PlayYearOfPlenty);
  input.give = counts;
  return Logged(std::move(input), [&] { return DoPlayYearOfPlenty(counts); });
}

bool CGameSession::PlaySoldier() {
  return Logged(SessionInput(InputKind::PlaySoldier), [&] { return DoPlaySoldier(); });
}

bool CGameSession::TradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get) {
  SessionInput input(InputKind::TradeWithPlayer, {partner});
  input.give = give;
  input.get = get;
  return Logged(std::move(input), [&] { return DoTradeWithPlayer(partner, give, get); });
}

bool CGameSession::TradeWithBank(int32_t give, int32_t wanted) {
  return Logged(SessionInput(InputKind::TradeWithBank, {give, wanted}), [&] { return DoTradeWithBank(give, wanted); });
}

bool CGameSession::UndoLast() {
  return Logged(SessionInput(InputKind::Undo), [&] { return DoUndoLast(); });
}

bool CGameSession::AnswerDiscards(const SeatMatrix& lost) {
  SessionInput input(InputKind::AnswerDiscards);
  input.discards = lost;
  return Logged(std::move(input), [&] { return DoAnswerDiscards(lost); });
}

bool CGameSession::AnswerSteal(const StealChoice& choice) {
  return Logged(SessionInput(InputKind::AnswerSteal, {choice.victim, choice.resource}), [&] { return DoAnswerSteal(choice); });
}

bool CGameSession::AnswerBankTradeResource(int32_t resource) {
  return Logged(SessionInput(InputKind::AnswerBankTradeResource, {resource}),
                [&] { return DoAnswerBankTradeResource(resource); });
}

bool CGameSession::AnswerVictoryPointCard(bool thisTurn) {
  return Logged(SessionInput(InputKind::AnswerVictoryPointCard, {thisTurn ? 1 : 0}),
                [&] { return DoAnswerVictoryPointCard(thisTurn); });
}

bool CGameSession::AnswerWinner(bool accept) {
  return Logged(SessionInput(InputKind::AnswerWinner, {accept ? 1 : 0}), [&] { return DoAnswerWinner(accept); });
}

bool CGameSession::AnswerHiddenPoints(int32_t points) {
  return Logged(SessionInput(InputKind::AnswerHiddenPoints, {points}), [&] { return DoAnswerHiddenPoints(points); });
}

bool CGameSession::CancelDecision() {
  SessionInput input(InputKind::CancelDecision);
  input.cancelled = pending_.kind;
  return Logged(std::move(input), [&] { return DoCancelDecision(); });
}
