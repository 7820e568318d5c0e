#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "records/player_game.h"

// Everything the game session asks of the user, and everything it tells the
// windows that show it. The application answers with modal dialogs; tests and
// the command-line driver answer from a script. The session never talks to a
// window in any other way.

// ResourceCounts (five counts by ResourceType) and SeatMatrix (five counts per
// player index) come with the game records.

// What the "Lose cards because of a 7" dialog asks for.
struct DiscardOffer {
  std::array<int32_t, 6> required{};  // cards each player must lose; 0 = not listed
  SeatMatrix hands{};          // the players' hands when the dialog opens

  bool operator==(const DiscardOffer&) const = default;
};

// What the "Steal a card from a player" dialog offers and returns.
struct StealOffer {
  std::array<bool, 6> candidates{};   // players that may be robbed
  SeatMatrix hands{};          // their hands, for "Cards for %s"

  bool operator==(const StealOffer&) const = default;
};
struct StealChoice {
  int32_t victim = -1;
  int32_t resource = 5;  // 0..4 the card taken, 5 no card ("Chose to not steal a card.")
};

// The statistics reports (0..22) a change feeds, as a bit mask.
using ReportMask = uint32_t;
constexpr ReportMask Report(int n) { return ReportMask{1} << n; }
constexpr ReportMask kAllReports = (ReportMask{1} << 23) - 1;

class ISessionUi {
 public:
  virtual ~ISessionUi() = default;

  // Modal dialogs and message boxes; each returns the user's answer.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  // "Trade to the bank": which resource to give for one card of `wanted`;
  // must return one of the enabled resources (the dialog has no Cancel).
  virtual int32_t ChooseBankTradeResource(int32_t wanted, const std::array<bool, 5>& tradeable) = 0;
  // Discards on a 7: per player the cards lost, or nothing when cancelled.
  virtual std::optional<SeatMatrix> ChooseDiscards(const DiscardOffer& offer) = 0;
  // Steal after the robber: victim and card, or nothing when cancelled.
  virtual std::optional<StealChoice> ChooseSteal(const StealOffer& offer) = 0;
  // "The game is over!": true for "&Continue", false for "&Undo".
  virtual bool ConfirmWinner(int32_t winner) = 0;
  // "Victory Point totals": 0..maxPoints hidden points in the player's hand.
  virtual int32_t AskHiddenPoints(int32_t player, int32_t maxPoints) = 0;

  // Refresh notifications; the windows re-read the session's queries.
  virtual void PromptChanged(const std::string& /*prompt*/) {}
  virtual void StatusRowChanged(int32_t /*player, -1 = bank row*/) {}
  virtual void StatisticsChanged(ReportMask /*reports*/) {}
  virtual void TurnPanelChanged() {}
  virtual void BuildButtonsChanged() {}
  virtual void SidePanelChanged() {}      // palette / chip panel / turn panel switch or content
  virtual void PlayerDialogsChanged() {}  // selection / order dialog shown or hidden
  virtual void HistoryChanged() {}
  virtual void BoardChanged() {}
  virtual void DecisionChanged() {}       // a decision became pending or was answered
};
