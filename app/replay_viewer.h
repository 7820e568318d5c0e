#pragma once

#include <memory>
#include <string>

#include "records/game.h"
#include "replay_bar.h"
#include "replay_positions.h"

class CGame;
class CHexsteadView;
class wxKeyEvent;
class wxShowEvent;
class wxWindow;

// Looking back at a reviewed game through its replay: the replay bar under
// the board, its keys (Left and Right one input, Page Up and Page Down one
// turn, Home and End), and clicks in the Game History window. Each jump runs
// the replay to the chosen input and has the view show that moment in every
// window; the history shows the lines up to it and greys the rest. Nothing
// else reaches the session: the view takes no input while it looks back.
class CReplayViewer {
 public:
  // The viewer of `game` opened for review in `view`, when the game has a
  // replay that runs (a replay that does not is reported to the user, and
  // the game is shown as stored). It opens at the last input.
  static std::unique_ptr<CReplayViewer> Open(CHexsteadView& view, wxWindow& frame, const CGame& game);
  ~CReplayViewer();
  CReplayViewer(const CReplayViewer&) = delete;
  CReplayViewer& operator=(const CReplayViewer&) = delete;

  // --- moving -------------------------------------------------------------------
  void JumpTo(int position);
  void Step(ReplayStep step);
  int Position() const { return position_; }
  int InputCount() const { return replay_->InputCount(); }
  const ReplayPositions& Replay() const { return *replay_; }
  CReplayBar& Bar() const { return *bar_; }

 private:
  CReplayViewer(CHexsteadView& view, wxWindow& frame, std::unique_ptr<ReplayPositions> replay);
  void OnKey(wxKeyEvent& event);
  void OnHistoryLine(size_t line);
  void OnStatisticsShown(wxShowEvent& event);
  void ShowHistory();
  // The statistics of the moment, while the window is shown (and when it
  // comes up again).
  void ShowStatistics();

  CHexsteadView& view_;
  wxWindow& frame_;
  std::unique_ptr<ReplayPositions> replay_;
  ReplayPositions::ShownHistory shown_;
  CGame statisticsGame_;  // the moment's record: one record for all, laid out once
  bool statisticsStale_ = true;
  bool statisticsQueued_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // for calls queued on the frame
  CReplayBar* bar_ = nullptr;
  int position_ = 0;
  bool jumping_ = false;  // the windows follow a jump: their events are ours
};
