#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/session/pending_decision.h"
#include "records/player.h"
#include "records/player_game.h"

// A player chosen in the player selection dialog: its seat box (0..5, top to
// bottom, which fixes the colour) and its player-database record.
struct SeatChoice {
  int32_t box = 0;
  CPlayer player;
};

// The inputs of a session, one per public input operation (and New).
enum class InputKind {
  NewGame,
  ChooseTile,
  Pick,
  PickRoadSide,
  SelectPlayers,
  SortPlayers,
  CancelPlayerOrder,
  Roll,
  Continue,
  Build,
  EndTurn,
  BuyCard,
  PlayVictoryPoint,
  PlayMonopoly,
  PlayRoadBuilding,
  PlayYearOfPlenty,
  PlaySoldier,
  TradeWithPlayer,
  TradeWithBank,
  Undo,
  AnswerDiscards,
  AnswerSteal,
  AnswerBankTradeResource,
  AnswerVictoryPointCard,
  AnswerWinner,
  AnswerHiddenPoints,
  CancelDecision,
};

// One input the session took, with its arguments: enough to give it again.
struct SessionInput {
  explicit SessionInput(InputKind k, std::vector<int32_t> v = {}) : kind(k), values(std::move(v)) {}

  InputKind kind;
  // The numbers, in the order of the operation's parameters. NewGame:
  // players, trackTrades, generateBoard, then the game record's gameId.
  std::vector<int32_t> values;
  ResourceCounts give{}, get{};  // TradeWithPlayer; PlayYearOfPlenty (give)
  std::vector<SeatChoice> seats;  // SelectPlayers
  SeatMatrix discards{};          // AnswerDiscards
  DecisionKind cancelled = DecisionKind::None;  // CancelDecision: the dialog withdrawn
};

// Told of every input the session takes, once it has run to its end and
// before the next one: a journal of the game. An input that the session
// refuses changes nothing and is not told.
class ISessionInputLog {
 public:
  virtual ~ISessionInputLog() = default;
  virtual void InputTaken(const SessionInput& input) = 0;
};
