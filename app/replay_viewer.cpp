#include "replay_viewer.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <wx/sizer.h>

#include "game_text.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "message_box.h"
#include "statistics_window.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/replay_store.h"

std::unique_ptr<CReplayViewer> CReplayViewer::Open(CHexsteadView& view, wxWindow& frame, const CGame& game) {
  const CGameDatabase& database = CGameDatabase::Instance();
  const std::optional<std::string> path = FindReplay(database.DataDir(), game, database.Files());
  if (!path) return nullptr;
  std::ifstream in(*path, std::ios::binary);
  const std::string script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::unique_ptr<ReplayPositions> replay;
  try {
    replay = std::make_unique<ReplayPositions>(script, database.DataDir());
  } catch (const std::exception& e) {
    const int line = dynamic_cast<const ScriptError*>(&e) ? dynamic_cast<const ScriptError&>(e).line : 0;
    ShowMessageBox(&frame, "Hexstead3D",
                   wxString::Format("The replay of this game cannot be run (line %d: %s).\n"
                                    "The game is shown as it was stored.",
                                    line, wxString::FromUTF8(e.what())));
    return nullptr;
  }
  if (replay->InputCount() == 0) return nullptr;
  std::unique_ptr<CReplayViewer> viewer(new CReplayViewer(view, frame, std::move(replay)));
  viewer->JumpTo(viewer->InputCount());
  return viewer;
}

CReplayViewer::CReplayViewer(CHexsteadView& view, wxWindow& frame, std::unique_ptr<ReplayPositions> replay)
    : view_(view), frame_(frame), replay_(std::move(replay)) {
  bar_ = new CReplayBar(
      &frame, replay_->InputCount(), [this](ReplayStep step) { Step(step); }, [this](int position) { JumpTo(position); });
  // The board above the bar, filling what the bar leaves.
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(&view.BoardView(), 1, wxEXPAND);
  column->Add(bar_, 0, wxEXPAND | wxALL, 2);
  frame.SetSizer(column);
  frame.Layout();
  frame.Bind(wxEVT_CHAR_HOOK, &CReplayViewer::OnKey, this);
  view.HistoryWindow().SetLineChosen([this](size_t line) { OnHistoryLine(line); });
  view.StatisticsWindow().Bind(wxEVT_SHOW, &CReplayViewer::OnStatisticsShown, this);
}

CReplayViewer::~CReplayViewer() {
  frame_.Unbind(wxEVT_CHAR_HOOK, &CReplayViewer::OnKey, this);
  view_.HistoryWindow().SetLineChosen(nullptr);
  view_.StatisticsWindow().Unbind(wxEVT_SHOW, &CReplayViewer::OnStatisticsShown, this);
  // The report may show this viewer's record of a moment, which goes now.
  view_.StatisticsWindow().Clear();
}

void CReplayViewer::JumpTo(int position) {
  position = std::clamp(position, 1, InputCount());
  jumping_ = true;
  position_ = position;
  view_.ShowReplayedSession(replay_->SessionAt(position));
  const ReplayPositions::Position& at = replay_->At(position);
  bar_->ShowPosition(position, GameText(at.group), GameText(at.entry));
  ShowHistory();
  // The report is the slowest window to fill: it follows once the jumps
  // settle (a held key moves through many moments between two refreshes).
  statisticsStale_ = true;
  if (!statisticsQueued_) {
    statisticsQueued_ = true;
    frame_.CallAfter([this, alive = std::weak_ptr<bool>(alive_)] {
      if (alive.expired()) return;
      statisticsQueued_ = false;
      ShowStatistics();
    });
  }
  jumping_ = false;
}

void CReplayViewer::Step(ReplayStep step) {
  switch (step) {
    case ReplayStep::FirstInput: JumpTo(1); break;
    case ReplayStep::PreviousTurn: JumpTo(replay_->PreviousTurnEnd(position_)); break;
    case ReplayStep::PreviousInput: JumpTo(position_ - 1); break;
    case ReplayStep::NextInput: JumpTo(position_ + 1); break;
    case ReplayStep::NextTurn: JumpTo(replay_->NextTurnEnd(position_)); break;
    case ReplayStep::LastInput: JumpTo(InputCount()); break;
  }
}

void CReplayViewer::OnKey(wxKeyEvent& event) {
  switch (event.GetKeyCode()) {
    case WXK_LEFT: Step(ReplayStep::PreviousInput); break;
    case WXK_RIGHT: Step(ReplayStep::NextInput); break;
    case WXK_PAGEUP: Step(ReplayStep::PreviousTurn); break;
    case WXK_PAGEDOWN: Step(ReplayStep::NextTurn); break;
    case WXK_HOME: Step(ReplayStep::FirstInput); break;
    case WXK_END: Step(ReplayStep::LastInput); break;
    default: event.Skip(); break;
  }
}

void CReplayViewer::OnHistoryLine(size_t line) {
  if (jumping_) return;
  JumpTo(replay_->PositionAfterShownLine(line, position_, shown_));
}

void CReplayViewer::ShowHistory() {
  shown_ = replay_->HistoryShownWith(view_.Session().History().Log());
  CHistoryWindow& window = view_.HistoryWindow();
  window.ShowHistory(shown_.log);
  window.GreyFrom(shown_.current);
  if (shown_.current > 0) window.SelectLine(shown_.current - 1);
}

void CReplayViewer::OnStatisticsShown(wxShowEvent& event) {
  event.Skip();
  if (event.IsShown()) ShowStatistics();
}

void CReplayViewer::ShowStatistics() {
  CStatisticsWindow& window = view_.StatisticsWindow();
  if (!statisticsStale_ || !window.IsShown()) return;
  statisticsStale_ = false;
  const CGameSession& session = view_.Session();
  // The report has seat rows only once the players are chosen.
  if (!session.Fields().playersSelected) {
    window.Clear();
    return;
  }
  statisticsGame_ = session.Game();
  window.ShowGame(statisticsGame_);
  window.RefreshReports(kAllStatSections);
}
