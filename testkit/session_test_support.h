#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/board/random_source.h"
#include "engine/session/session.h"
#include "records/clock.h"
#include "records/game_database.h"
#include "session_snapshot.h"

// Answers the session's decisions from queues (or at random), as the dialogs
// of the windows would, and keeps what it was told.
class CTestUi : public ISessionUi {
 public:
  std::deque<int32_t> bankTradeAnswers;
  std::deque<std::optional<SeatMatrix>> discardAnswers;
  std::deque<std::optional<StealChoice>> stealAnswers;
  std::deque<bool> yesNoAnswers;
  std::deque<bool> winnerAnswers;
  std::deque<int32_t> hiddenAnswers;
  std::mt19937* random = nullptr;  // answers at random when the queue is empty
  bool cancelSteals = false;       // while undoing: renewed steal dialogs are cancelled

  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  int bankTradeDialogs = 0, discardDialogs = 0, stealDialogs = 0, winnerDialogs = 0;

  void ShowMessage(const std::string& caption, const std::string& text) {
    messages.push_back(caption + ": " + text);
  }
  bool AskYesNo(const std::string& caption, const std::string& text) {
    messages.push_back(caption + ": " + text);
    if (!yesNoAnswers.empty()) return Pop(yesNoAnswers);
    return random != nullptr && (*random)() % 2 == 0;
  }
  int32_t ChooseBankTradeResource(int32_t, const std::array<bool, kResourceCount>& tradeable) {
    ++bankTradeDialogs;
    if (!bankTradeAnswers.empty()) return Pop(bankTradeAnswers);
    std::vector<int32_t> choices;
    for (int r = 0; r < kResourceCount; ++r)
      if (tradeable[r]) choices.push_back(r);
    return random != nullptr ? choices[(*random)() % choices.size()] : choices.front();
  }
  std::optional<SeatMatrix> ChooseDiscards(const DiscardOffer& offer) {
    ++discardDialogs;
    if (!discardAnswers.empty()) return Pop(discardAnswers);
    if (random == nullptr) return std::nullopt;
    if ((*random)() % 10 == 0) return std::nullopt;
    SeatMatrix out{};
    for (int p = 0; p < kMaxPlayers; ++p) {
      ResourceCounts hand = offer.hands[p];
      for (int n = 0; n < offer.required[p]; ++n) {
        int r;
        do r = static_cast<int>((*random)() % kResourceCount); while (hand[r] == 0);
        --hand[r];
        ++out[p][r];
      }
    }
    return out;
  }
  std::optional<StealChoice> ChooseSteal(const StealOffer& offer) {
    ++stealDialogs;
    if (cancelSteals) return std::nullopt;
    if (!stealAnswers.empty()) return Pop(stealAnswers);
    if (random == nullptr) return std::nullopt;
    if ((*random)() % 8 == 0) return std::nullopt;
    std::vector<int32_t> victims;
    for (int p = 0; p < kMaxPlayers; ++p)
      if (offer.candidates[p]) victims.push_back(p);
    StealChoice choice;
    choice.victim = victims[(*random)() % victims.size()];
    std::vector<int32_t> cards{5};
    for (int r = 0; r < kResourceCount; ++r)
      if (offer.hands[choice.victim][r] > 0) cards.push_back(r);
    choice.resource = cards[(*random)() % cards.size()];
    return choice;
  }
  bool ConfirmWinner(int32_t) {
    ++winnerDialogs;
    if (!winnerAnswers.empty()) return Pop(winnerAnswers);
    return random == nullptr || (*random)() % 3 != 0;
  }
  int32_t AskHiddenPoints(int32_t, int32_t most) {
    if (!hiddenAnswers.empty()) return Pop(hiddenAnswers);
    return random != nullptr ? static_cast<int32_t>((*random)() % (most + 1)) : 0;
  }
  void PromptChanged(const std::string& prompt) override { prompts.push_back(prompt); }

 private:
  template <typename T>
  static T Pop(std::deque<T>& q) {
    T v = q.front();
    q.pop_front();
    return v;
  }
};

// A session whose inputs answer the decisions they leave pending from the
// test UI's queues (or at random), as the windows do after every input: a
// test then reads like a user's sequence of inputs and dialog answers. An
// input whose own decision was cancelled reports false, as it leaves no
// trace; an Undo reports true.
class CAnsweredSession : public CGameSession {
 public:
  CAnsweredSession(CGame& game, CTestUi& ui, const SessionServices& services)
      : CGameSession(game, ui, services), ui_(ui) {}

  bool ChooseTile(int32_t t) { return Answered(CGameSession::ChooseTile(t)); }
  bool Pick(int32_t id) { return Answered(CGameSession::Pick(id)); }
  bool PickRoadSide(int32_t position, int32_t side) { return Answered(CGameSession::PickRoadSide(position, side)); }
  bool SelectPlayers(const std::vector<SeatChoice>& seats) { return Answered(CGameSession::SelectPlayers(seats)); }
  bool SortPlayers(const std::vector<int32_t>& order) { return Answered(CGameSession::SortPlayers(order)); }
  bool CancelPlayerOrder() { return Answered(CGameSession::CancelPlayerOrder()); }
  bool OnRoll(int32_t total) { return Answered(CGameSession::OnRoll(total)); }
  bool OnContinue() { return Answered(CGameSession::OnContinue()); }
  bool OnBuild(PurchaseKind kind) { return Answered(CGameSession::OnBuild(kind)); }
  bool OnEndTurn() { return Answered(CGameSession::OnEndTurn()); }
  bool OnBuyCard() { return Answered(CGameSession::OnBuyCard()); }
  bool PlayVictoryPoint(int32_t player) { return Answered(CGameSession::PlayVictoryPoint(player)); }
  bool PlayMonopoly(int32_t resource) { return Answered(CGameSession::PlayMonopoly(resource)); }
  bool PlayRoadBuilding() { return Answered(CGameSession::PlayRoadBuilding()); }
  bool PlayYearOfPlenty(const ResourceCounts& counts) { return Answered(CGameSession::PlayYearOfPlenty(counts)); }
  bool PlaySoldier() { return Answered(CGameSession::PlaySoldier()); }
  bool TradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get) {
    return Answered(CGameSession::TradeWithPlayer(partner, give, get));
  }
  bool TradeWithBank(int32_t give, int32_t wanted) { return Answered(CGameSession::TradeWithBank(give, wanted)); }
  bool UndoLast() {
    bool taken = CGameSession::UndoLast();
    AnswerAll();
    return taken;
  }

  // Answers what is pending now; true when a decision was cancelled.
  bool AnswerAll() {
    bool cancelled = false;
    TakeMessages();
    for (int guard = 0; Pending().kind != DecisionKind::None && guard < 100; ++guard) {
      const PendingDecision d = Pending();
      switch (d.kind) {
        case DecisionKind::Discards: {
          std::optional<SeatMatrix> lost = ui_.ChooseDiscards(d.discards);
          if (!lost || !AnswerDiscards(*lost)) cancelled = CancelDecision() || cancelled;
          break;
        }
        case DecisionKind::Steal: {
          std::optional<StealChoice> choice = ui_.ChooseSteal(d.steal);
          if (!choice || !AnswerSteal(*choice)) cancelled = CancelDecision() || cancelled;
          break;
        }
        case DecisionKind::BankTradeResource:
          AnswerBankTradeResource(ui_.ChooseBankTradeResource(d.bankTrade.wanted, d.bankTrade.tradeable));
          break;
        case DecisionKind::VictoryPointCard: AnswerVictoryPointCard(ui_.AskYesNo(d.caption, d.text)); break;
        case DecisionKind::Winner: AnswerWinner(ui_.ConfirmWinner(d.player)); break;
        case DecisionKind::HiddenPoints:
          AnswerHiddenPoints(std::clamp(ui_.AskHiddenPoints(d.player, d.maxPoints), 0, d.maxPoints));
          break;
        case DecisionKind::None: break;
      }
      TakeMessages();
    }
    return cancelled;
  }

 private:
  bool Answered(bool taken) {
    bool cancelled = AnswerAll();
    return taken && !cancelled;
  }
  void TakeMessages() {
    for (const SessionNotice& n : TakeNotices()) ui_.ShowMessage(n.caption, n.text);
  }

  CTestUi& ui_;
};

// The land types of the standard board in position order, then the harbours:
// what a test board is entered with.
inline const std::vector<int32_t>& StandardTiles() {
  static const std::vector<int32_t> tiles = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4, 5,
                                             7, 7, 7, 7, 8, 9, 10, 11, 12};
  return tiles;
}
inline const std::vector<int32_t>& LargeTiles() {
  static const std::vector<int32_t> tiles = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3,
                                             3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 7, 7, 7, 7, 7, 8, 9, 10, 11, 12, 12};
  return tiles;
}

// Where a test's finished games go: counted, and appended to a game
// database when `dataDir` is set; `failure` makes storing throw.
class CTestStore : public IFinishedGameStore {
 public:
  std::string dataDir;
  std::string failure;
  int stored = 0;

  void StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) override {
    if (!failure.empty()) throw std::runtime_error(failure);
    ++stored;
    if (dataDir.empty()) return;
    CGameDatabase database(dataDir);
    database.AppendRecord(game, history, board, database.RecordPath(), database.KeyPath());
  }
};

// The services of a test session: the program's clock (which the harness
// freezes), fixed random draws and a test store.
class CTestServices {
 public:
  CTestServices() : fixed_({0}), random_(fixed_, [] { return std::int64_t{1700000000}; }) {}
  SessionServices Services() { return SessionServices{clock_, random_, store}; }

  CTestStore store;

 private:
  CProgramClock clock_;
  CFixedRandom fixed_;
  CBoardRandom random_;
};

// A session with a fixed clock and fixed random draws.
class CSessionHarness {
 public:
  CSessionHarness() { CClock::SetFixed(1700000000.0); }
  ~CSessionHarness() { CClock::UseSystem(); }

  // Board entered by hand, chips from the first candidate forward, players
  // seated in boxes 0.. and kept in that order.
  void StartGame(int32_t players, bool track) {
    const BoardKind kind = BoardKindForPlayers(players);
    session.NewGame(FewestPlayers(kind), track, false);
    for (int32_t t : kind == BoardKind::Large ? LargeTiles() : StandardTiles()) session.ChooseTile(t);
    int first = session.Board().FirstChipCandidates()[0];
    session.Pick(first);
    session.Pick(session.Board().SecondChipCandidates()[1]);
    SeatPlayers(players);
  }

  void SeatPlayers(int32_t players) {
    std::vector<SeatChoice> seats;
    const char* first[] = {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay"};
    for (int32_t i = 0; i < players; ++i) seats.push_back({i, CPlayer(first[i], "Lee", 100 + i)});
    session.SelectPlayers(seats);
    std::vector<int32_t> order;
    for (int32_t i = 0; i < players; ++i) order.push_back(i);
    session.SortPlayers(order);
  }

  // A game of three through its initial placement (first offered sites),
  // at the first roll.
  void StartPlaying(bool track) {
    StartGame(3, track);
    while (session.GameStateNow() == InitialPlacement) PlaceFirstOffered();
  }
  // A roll and, after production, its Continue.
  bool RollAndContinue(int32_t total) {
    if (!session.OnRoll(total)) return false;
    return session.GameStateNow() != GoodsReceived || session.OnContinue();
  }

  // With tracked trades, after the initial placement: rolls Ann's numbers in
  // turn until, in her turn, she can buy a development card only by trading
  // with the bank. False if that never happens.
  bool RollUntilACardNeedsABankTrade() {
    std::vector<int32_t> chips;
    const CPlayerGame& ann = session.Game().players[0];
    for (int b = 0; b < session.Board().LandCount(); ++b)
      if (ann.settlementsAt[b] > 0 && session.Board().Piece(b).chip > 0) chips.push_back(session.Board().Piece(b).chip);
    if (chips.empty()) return false;
    for (int turn = 0; turn < 300; ++turn) {
      if (!session.OnRoll(chips[turn % chips.size()])) return false;
      if (session.GameStateNow() == GoodsReceived && !session.OnContinue()) return false;
      const ResourceCounts& hand = ann.hand;
      bool needsTrade = hand[1] == 0 || hand[2] == 0 || hand[4] == 0;
      if (session.CurrentPlayer() == 0 && session.TurnPanel().buyCardEnabled && needsTrade) return true;
      if (!session.OnEndTurn()) return false;
    }
    return false;
  }

  // Clicks the first offered site of the current initial-placement step.
  void PlaceFirstOffered() {
    auto ids = session.PickableIds();
    if (session.Fields().placingSettlement) session.Pick(ids.front());
    else session.PickRoadSide(IdPosition(ids.front()), IdIndex(ids.front()));
  }

  CTestServices services;
  CGame game;
  CTestUi ui;
  CAnsweredSession session{game, ui, services.Services()};
};
