#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "records/player_game.h"
#include "records/stat_report.h"

// What the game session tells the windows that show it: which parts to
// refresh. The session asks nothing through here; what it needs the user to
// decide is its pending decision (pending_decision.h), and the answer is the
// next input.

// ResourceCounts (five counts by ResourceType) and SeatMatrix (five counts per
// player index) come with the game records.

// What the "Lose cards because of a 7" dialog asks for.
struct DiscardOffer {
  std::array<int32_t, kMaxPlayers> required{};  // cards each player must lose; 0 = not listed
  SeatMatrix hands{};          // the players' hands when the dialog opens

  bool operator==(const DiscardOffer&) const = default;
};

// What the "Steal a card from a player" dialog offers and returns.
struct StealOffer {
  std::array<bool, kMaxPlayers> candidates{};   // players that may be robbed
  SeatMatrix hands{};          // their hands, for "Cards for %s"

  bool operator==(const StealOffer&) const = default;
};
struct StealChoice {
  int32_t victim = -1;
  int32_t resource = 5;  // 0..4 the card taken, 5 no card ("Chose to not steal a card.")
};

// The statistics reports a change feeds, as a bit mask.
using ReportMask = uint32_t;
constexpr ReportMask Report(StatReport section) { return ReportMask{1} << Index(section); }
constexpr ReportMask kAllReports = (ReportMask{1} << kStatReportCount) - 1;

class ISessionUi {
 public:
  virtual ~ISessionUi() = default;

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
