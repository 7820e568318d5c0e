// The journal of the game in the view: started with a new game, replayed
// into the session when an unfinished game is resumed, kept aside when the
// game is closed on purpose.
#include "hexstead_view.h"

#include "hexstead_app.h"
#include "journal_replay.h"
#include "play_runner.h"
#include "records/clock.h"
#include "records/replay_store.h"
#include "unfinished_game.h"

namespace {

const std::string& DataDirectory() { return CGameDatabase::Instance().DataDir(); }

}  // namespace

void CHexsteadView::StartJournal(int players, bool trackTrades, bool generateBoard) {
  session_->SetInputLog(&journal_);
  try {
    journal_.StartNew(CurrentJournalPath(DataDirectory()));
  } catch (const std::exception& e) {
    ShowMessage("Hexstead3D", std::string("The game cannot be journaled: ") + e.what());
  }
  session_->NewGame(players, trackTrades, generateBoard);
}

bool CHexsteadView::ResumeJournal(const std::string& text) {
  const std::string path = CurrentJournalPath(DataDirectory());
  PlayRunner runner(nullptr, DataDirectory());
  runner.Attach(*TheApp().CurrentGame(), *session_, journal_.RandomSource());
  session_->SetInputLog(&journal_);
  // The windows are brought up to date once, after the last line.
  quiet_ = true;
  journal_.SetReplaying(true);
  ScriptRun run = RunScriptText(ReplayableText(text), runner);
  journal_.SetReplaying(false);
  quiet_ = false;
  CClock::UseSystem();
  HistoryChanged();
  SyncStatistics(kAllReports);
  if (run.errorLine != 0) {
    if (!runner.HasSession() || !AskResumeBeforeDamage(Owner(), path, run.errorLine, run.error)) {
      SetJournalAsideOrTell(Owner(), DataDirectory());
      return false;
    }
    SetJournalAsideOrTell(Owner(), DataDirectory(), true);
  } else if (!runner.HasSession()) {
    SetJournalAsideOrTell(Owner(), DataDirectory());
    return false;
  }
  try {
    journal_.Resume(path, run.goodBytes);
  } catch (const std::exception& e) {
    ShowMessage("Hexstead3D", std::string("The game cannot be journaled: ") + e.what());
  }
  ShowJournalError();
  // A dialog that was open when the program stopped opens again.
  if (session_->Pending().kind != DecisionKind::None) CallAfter([this] { HandOver([](CGameSession&) {}); });
  return true;
}

void CHexsteadView::CloseJournal() {
  if (!journal_.IsWriting()) return;
  journal_.Stop();
  try {
    KeepClosedJournal(DataDirectory());
  } catch (const std::exception& e) {
    ShowMessage("Hexstead3D", e.what());
  }
}

void CHexsteadView::ShowJournalError() {
  const std::string error = journal_.TakeError();
  if (!error.empty()) ShowMessage("Hexstead3D", "The game's journal cannot be written: " + error);
}
