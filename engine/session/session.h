#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/board/board.h"
#include "engine/session/action_kind.h"
#include "engine/session/bank_trade_plan.h"
#include "engine/session/game_history.h"
#include "engine/session/ledger_kind.h"
#include "engine/session/offered_sites.h"
#include "engine/session/pending_decision.h"
#include "engine/session/purchase.h"
#include "engine/session/session_fields.h"
#include "engine/session/session_input.h"
#include "engine/session/session_services.h"
#include "engine/session/session_ui.h"
#include "engine/session/undo_node.h"
#include "records/game.h"

// Development card kinds, in the order of the Play a Development Card dialog.
enum DevCardKind : int32_t {
  VictoryPointCard = 0,
  MonopolyCard = 1,
  RoadBuildingCard = 2,
  YearOfPlentyCard = 3,
  SoldierCard = 4,
};

// What the Play a Development Card dialog offers.
struct PlayCardOffer {
  std::array<bool, kMaxPlayers> listed{};   // players holding cards
  int32_t selected = -1;          // initially selected player, -1 none listed
  std::array<bool, kResourceCount> kinds{};    // kinds enabled for `player` (the one asked about)
};

// One input of "Undo to here": an Undo, or the Cancel of the steal that an
// undone steal leaves pending again (which takes the robber move back).
enum class UndoInput { Undo, CancelSteal };

// The way back to right after one history line: how many history entries go,
// and the inputs that take them back, newest first. No inputs: an Undo never
// lands right after that line (it lies inside one undo step), the line is the
// newest, or nothing can be undone now.
struct UndoToHerePlan {
  int32_t actions = 0;
  std::vector<UndoInput> inputs;

  bool Offered() const { return !inputs.empty(); }
  bool operator==(const UndoToHerePlan&) const = default;
};

// One game from the first tile to the winner: the board, the session fields,
// the live game record, the undo stack and the history. Every input goes
// through here, and every step runs to its end: where the user must decide
// something the session holds a pending decision, and the answer is the next
// input. Refreshes go out through ISessionUi.
class CGameSession {
 public:
  // --- set-up -----------------------------------------------------------------
  // `game` is the application's current game record, live for the whole game.
  // The services (clock, random draws, store for finished games) are the
  // owner's and must outlive the session.
  CGameSession(CGame& game, ISessionUi& ui, const SessionServices& services);
  CGameSession(const CGameSession&) = delete;
  CGameSession& operator=(const CGameSession&) = delete;
  // The wizard answers: players 3 ("3 or 4") or 5 ("5 or 6"), "Keep track of
  // trades", "Have Hexstead3D generate a game board". Starts a fresh game.
  void NewGame(int32_t players, bool trackTrades, bool generateBoard);
  // A finished game read from the game database, shown for review: the game
  // record (already the current CGame) with its board and history.
  void ShowStoredGame(const CBoard& board, const CHistoryLog& history);
  // Where every input taken from now on is told (null: nowhere).
  void SetInputLog(ISessionInputLog* log) { inputLog_ = log; }

  // --- inputs (each returns false when the state does not take it) ----------
  bool ChooseTile(int32_t tileType);           // board set-up palette
  bool Pick(int32_t locationId);               // board click: PickCode - 1
  bool PickRoadSide(int32_t position, int32_t logicalSide);  // the wedge showing side k
  bool SelectPlayers(const std::vector<SeatChoice>& seats);  // selection dialog OK
  bool SortPlayers(const std::vector<int32_t>& order);       // order dialog OK (seat indices)
  bool CancelPlayerOrder();                                  // order dialog Cancel
  bool OnRoll(int32_t total);
  bool OnContinue();
  bool OnBuild(PurchaseKind kind);  // settlement, city or road button
  bool OnEndTurn();
  bool OnBuyCard();
  bool PlayVictoryPoint(int32_t player);
  bool PlayMonopoly(int32_t resource);
  bool PlayRoadBuilding();
  bool PlayYearOfPlenty(const ResourceCounts& counts);  // two cards in all when tracked
  bool PlaySoldier();
  bool TradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get);
  bool TradeWithBank(int32_t give, int32_t wanted);  // a card dragged onto a bank picture
  bool UndoLast();  // Edit / Undo; nothing on an empty stack

  // --- decisions ---------------------------------------------------------------
  // While a decision is pending every other input returns false and changes
  // nothing; its answer (or Cancel, where the dialog has one) is the way on.
  const PendingDecision& Pending() const { return pending_; }
  bool AnswerDiscards(const SeatMatrix& lost);     // per player the cards lost
  bool AnswerSteal(const StealChoice& choice);     // victim and card (resource 5 = no card)
  bool AnswerBankTradeResource(int32_t resource);  // one of the tradeable ones
  bool AnswerVictoryPointCard(bool thisTurn);      // Yes = received on this turn
  bool AnswerWinner(bool accept);                  // "&Continue" = true, "&Undo" = false
  bool AnswerHiddenPoints(int32_t points);         // 0..maxPoints
  bool CancelDecision();                           // Cancel of the discard or steal dialog
  // Messages raised by the last inputs, to show now ("Trade to the bank",
  // a game that could not be stored); the list is emptied.
  std::vector<SessionNotice> TakeNotices();

  // --- queries: state ---------------------------------------------------------
  const CSessionFields& Fields() const { return f_; }
  int32_t GameStateNow() const { return f_.gameState; }
  int32_t CurrentPlayer() const { return f_.currentPlayer; }
  const std::string& Prompt() const { return f_.prompt; }
  const ResourceCounts& Bank() const { return f_.bank; }
  const CBoard& Board() const { return board_; }
  const CGame& Game() const { return game_; }
  const CGameHistory& History() const { return history_; }
  std::size_t UndoDepth() const { return undo_.size(); }
  bool CanUndo() const;
  // "Undo to here" on history line `line` (an index into History().Log()):
  // on an entry, back to right after it; on a group, back to right after the
  // entry before the group's first one.
  UndoToHerePlan PlanUndoTo(std::size_t line) const;
  std::string PlayerName(int32_t player) const;  // "First Last"

  // --- queries: panels and dialogs ------------------------------------------
  const CTurnPanelState& TurnPanel() const { return f_.turn; }
  const CPaletteState& Palette() const { return f_.palette; }
  std::string ChipPanelText() const;
  // The ids the board offers for clicking in the current state.
  std::vector<int32_t> PickableIds() const;
  PlayCardOffer PlayCardOfferFor(int32_t player) const;
  DiscardOffer DiscardRequirements() const;
  StealOffer StealCandidates() const;
  std::array<bool, kResourceCount> YearOfPlentyChoices() const;  // bank resources above 0
  std::array<bool, kResourceCount> BankDraggable() const;        // cards that can go onto the bank
  int32_t TradeRatio(int32_t player, int32_t resource) const;
  bool CanAfford(PurchaseKind kind) const;  // directly or with bank trades

  // --- self-check -------------------------------------------------------------
  // Hands + bank = card totals, pieces left match the board, shared corner and
  // side copies equal, per-position counters match the buildings. On failure
  // `why` says what is wrong.
  bool IsConsistent(std::string* why = nullptr) const;

 private:
  // The ledger: the only ways a hand, the bank or a score changes.
  int32_t GainResources(LedgerKind kind, int32_t player, int32_t resource, int32_t count, int32_t other);
  void LoseResources(LedgerKind kind, int32_t player, int32_t resource, int32_t count, int32_t other);
  void AddVictoryPoints(int32_t player, int32_t n);
  void RemoveVictoryPoints(int32_t player, int32_t n);
  // A 2-point bonus (Longest Road or Largest Army, named by its flag) passes
  // from `from` to `to`; either may be -1 for nobody.
  void MoveBonus(int32_t CPlayerGame::*flag, int32_t from, int32_t to);
  void Pay(int32_t player, PurchaseKind kind);
  void Refund(int32_t player, PurchaseKind kind);

  // The steps behind the public inputs; the public ones tell the input log.
  bool Logged(SessionInput input, const std::function<bool()>& step);
  void DoNewGame(int32_t players, bool trackTrades, bool generateBoard);
  bool DoChooseTile(int32_t tileType);
  bool DoPick(int32_t locationId);
  bool DoPickRoadSide(int32_t position, int32_t logicalSide);
  bool DoSelectPlayers(const std::vector<SeatChoice>& seats);
  bool DoSortPlayers(const std::vector<int32_t>& order);
  bool DoCancelPlayerOrder();
  bool DoOnRoll(int32_t total);
  bool DoOnContinue();
  bool DoOnBuild(PurchaseKind kind);
  bool DoOnEndTurn();
  bool DoOnBuyCard();
  bool DoPlayVictoryPoint(int32_t player);
  bool DoPlayMonopoly(int32_t resource);
  bool DoPlayRoadBuilding();
  bool DoPlayYearOfPlenty(const ResourceCounts& counts);
  bool DoPlaySoldier();
  bool DoTradeWithPlayer(int32_t partner, const ResourceCounts& give, const ResourceCounts& get);
  bool DoTradeWithBank(int32_t give, int32_t wanted);
  bool DoUndoLast();
  bool DoAnswerDiscards(const SeatMatrix& lost);
  bool DoAnswerSteal(const StealChoice& choice);
  bool DoAnswerBankTradeResource(int32_t resource);
  bool DoAnswerVictoryPointCard(bool thisTurn);
  bool DoAnswerWinner(bool accept);
  bool DoAnswerHiddenPoints(int32_t points);
  bool DoCancelDecision();

  // Recording and undo.
  void RecordAction(CUndoNode node);
  void AddHistoryEntry(const CUndoNode& node);
  bool ReverseStep(CUndoNode& node);  // true: undo runs on into the next node
  static bool RunsOn(const CUndoNode& node);  // ReverseStep's answer, known before it runs
  bool TakeBackNewest();              // pops and reverses one node; ReverseStep's answer
  void RestoreLongestRoad(const LongestRoadBefore& before);
  LongestRoadBefore SaveLongestRoad() const;
  // The reverse step of each kind, next to its forward step.
  void UndoPlacedTile(const CUndoNode& node);
  void UndoPlacedChip(const CUndoNode& node);
  void UndoSelectedPlayers(CUndoNode& node);
  void UndoSortedPlayers(CUndoNode& node);
  void UndoInitialSettlement(const CUndoNode& node);
  void UndoInitialRoad(const CUndoNode& node);
  void UndoRoll(const CUndoNode& node);
  void UndoContinue(const CUndoNode& node);
  void UndoEndTurn(const CUndoNode& node);
  void UndoShowedOptions(const CUndoNode& node);
  void UndoPlacedRoad(const CUndoNode& node);
  void UndoPlacedCity(const CUndoNode& node);
  void UndoPlacedSettlement(const CUndoNode& node);
  void UndoPlacedRobber(const CUndoNode& node);
  void UndoBoughtCard(const CUndoNode& node);
  void UndoPlayedVictoryPoint(const CUndoNode& node);
  void UndoPlayedMonopoly(const CUndoNode& node);
  void UndoPlayedRoadBuilding(const CUndoNode& node);
  void UndoPlayedYearOfPlenty(const CUndoNode& node);
  void UndoPlayedSoldier(const CUndoNode& node);
  void UndoTraded(const CUndoNode& node);
  void UndoStole(const CUndoNode& node);
  void UndoDiscarded(const CUndoNode& node);

  // Decisions: opening one ends the step; its answer resumes it.
  bool Busy() const { return pending_.kind != DecisionKind::None; }
  void OpenDecision(PendingDecision decision);
  void CloseDecision();
  void Notify(std::string caption, std::string text);

  // Set-up steps.
  void ResetFields();
  bool PickChip(int32_t position);
  bool PlaceInitialSettlement(int32_t corner);
  bool PlaceInitialRoad(int32_t edge);

  // Turn steps.
  bool BuildRoadAt(int32_t edge);
  bool BuildSettlementAt(int32_t corner);
  bool BuildCityAt(int32_t site);
  bool FinishBuild(CUndoNode node);
  void FinishRoll(int32_t total, std::vector<CUndoNode> discards);
  bool MoveRobberTo(int32_t position);
  bool OfferSteal();  // false when nobody can be robbed
  void Steal(const StealChoice& choice);
  void Produce(RollUndo& roll);  // the production of roll.total, through the ledger
  void StartAutoTrade(PurchaseKind kind, bool runsOn, bool forCard);
  void ContinueAutoTrade();
  void FinishCardPurchase();
  void RevealVictoryPoint(int32_t player, bool fromThisTurn);
  // A held action card of `kind` played this turn, and its inverse.
  void PlayHeldCard(int32_t player, DevCardKind kind);
  void ReturnPlayedCard(int32_t player, DevCardKind kind);
  int32_t UpdateLargestArmy();
  int32_t ReexamineLongestRoad(int32_t builder);
  int32_t LongestRoadHolder() const;
  int32_t RoadsBuilt(int32_t player) const;
  void AdjustPositionCounts(int32_t player, int32_t corner, int32_t settlements, int32_t cities);
  // Lifts a settlement off the board back into the player's stock.
  void TakeBackSettlement(int32_t player, CornerId corner);
  void CheckVictory();
  void AskNextHiddenPoints();
  void CountHiddenPoints(int32_t player, int32_t points);
  void FinishGame();
  void StoreFinishedGame();

  // Derived panel state, recomputed after every input.
  void Refresh();
  void RefreshOptions();
  void RefreshTurnPanel();
  void RefreshBuildButtons();
  void RefreshPalette();
  std::string DerivedPrompt() const;
  bool Tracks() const { return game_.trackTrades != 0; }
  CPlayerGame& P(int32_t player) { return game_.players.at(player); }
  const CPlayerGame& P(int32_t player) const { return game_.players.at(player); }

  CGame& game_;
  ISessionUi& ui_;
  ISessionClock& clock_;
  CBoardRandom& random_;
  IFinishedGameStore& store_;
  CBoard board_;
  CSessionFields f_;
  mutable COfferedSites offeredSites_;  // a cache: reading it changes nothing seen
  std::vector<CUndoNode> undo_;
  CGameHistory history_;
  PendingDecision pending_;
  // What the pending decision resumes when it is answered.
  struct DecisionContext {
    CBankTradeChain bankTrade;             // BankTradeResource: the plan so far
    PurchaseKind purchase = PurchaseRoad;  // what the bank trade pays for
    bool tradeRunsOn = false;              // its Undo runs on into ShowedOptions
    bool forCard = false;                  // a development card is bought after the trade
    bool traded = false;                   // the card's own bank trade was recorded
    int32_t winner = -1;                   // HiddenPoints: the confirmed winner
    int32_t nextHidden = 0;                // HiddenPoints: the next player to look at
  };
  DecisionContext decision_;
  std::vector<SessionNotice> notices_;
  ISessionInputLog* inputLog_ = nullptr;
  int inputDepth_ = 0;  // inputs running now (one input may run another)
};
