#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/board/random_source.h"
#include "engine/session/session.h"
#include "play_answers.h"
#include "play_players.h"
#include "play_script.h"
#include "play_ui.h"
#include "records/game.h"
#include "records/game_database.h"

// Runs driver-script lines against one game session: the engine behind
// `hexstead-cli play`, also used by the tests that replay random games.
// Inputs the session does not take print "ignored: LINE"; faults throw
// ScriptError.
class PlayRunner {
 public:
  // `answers` null: answers come from the script's own `answer` lines.
  PlayRunner(std::ostream* out, const std::string& dataDir, DialogAnswers* answers = nullptr);

  // Runs one line. Throws ScriptError for a bad line, an answer the dialog
  // could not give, or a session that fails its self-check afterwards.
  void Run(const ScriptLine& line, const std::string& text);
  void Run(const std::string& text, int lineNumber = 0);
  // End of script: every queued answer must have been used.
  void Finish() const;

  // Drives a window's session instead of sessions of its own: `new` starts
  // the game on `session` with a fresh record in `game`, and `seed` seeds
  // `randomSource`, the one the session draws from.
  void Attach(CGame& game, CGameSession& session, CRandomSource& randomSource);

  bool HasSession() const { return active_ != nullptr; }
  // A `journal` line was run: dialogs wait for their `answer` line, which
  // comes after the input, and every input must be taken.
  bool IsJournal() const { return journal_; }
  CGameSession& Session();
  void SetAnswers(DialogAnswers& answers);
  void SetOutput(std::ostream* out) { out_ = out; ui_.SetOutput(out); }
  // The self-check after every input (on by default).
  void SetCheckConsistency(bool check) { checkConsistency_ = check; }
  // Called each time a decision is pending, before it is answered.
  void SetDecisionProbe(std::function<void(CGameSession&)> probe) { ui_.SetDecisionProbe(std::move(probe)); }

 private:
  bool RunInput(const ScriptLine& line);  // false: the session ignored it
  bool RunTurnInput(const ScriptLine& line);
  bool RunCardInput(const ScriptLine& line);
  bool RunTrade(const ScriptLine& line);
  void RunNew(const ScriptLine& line);
  void RunSeat(const ScriptLine& line);
  void SeatPlayer(int box, const CPlayer& player);
  void RunExpect(const ScriptLine& line, const std::string& text);
  void AnswerNow(const ScriptLine& line);
  CRandomSource& Source() { return attachedRandom_ != nullptr ? *attachedRandom_ : randomSource_; }
  void AfterInput(const ScriptLine& line, bool taken);

  std::ostream* out_;
  std::string dataDir_;
  QueuedAnswers queued_;
  ScriptedUi ui_;
  CLibraryRandom randomSource_;
  CBoardRandom random_;
  CProgramClock clock_;
  CGameDatabase database_;  // where finished games go
  CGameDatabaseStore store_;
  std::optional<unsigned> seed_;  // the last `seed`, applied again by `new`
  PlayerFile playerFile_;
  std::vector<SeatChoice> seats_;
  std::unique_ptr<CGame> game_;
  std::unique_ptr<CGameSession> session_;
  CGame* attachedGame_ = nullptr;
  CGameSession* attachedSession_ = nullptr;
  CRandomSource* attachedRandom_ = nullptr;
  CGameSession* active_ = nullptr;  // the session inputs go to, once `new` ran
  bool checkConsistency_ = true;
  bool journal_ = false;
};
