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

// A finished game replayed for looking back is already stored: it goes nowhere.
class CDiscardedGameStore final : public IFinishedGameStore {
 public:
  void StoreFinishedGame(CGame&, CHistoryLog&, CBoard&) override {}
};

// Runs driver-script lines against one game session: the engine behind
// `hexstead-cli play`, also used by the tests that replay random games.
// Inputs the session does not take print "ignored: LINE"; faults throw
// ScriptError.
class PlayRunner {
 public:
  // `answers` null: answers come from the script's own `answer` lines.
  // `files` holds the data directory (a memory one replays without a trace).
  PlayRunner(std::ostream* out, const std::string& dataDir, DialogAnswers* answers = nullptr,
             IFileSystem& files = RealFileSystem());

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
  // Looking back at a stored game: nothing is written to the data directory
  // (a finished game is not stored again, a player missing from the player
  // database is seated without being added). Set before the first line.
  void SetReadOnly() { readOnly_ = true; }
  // The script lines run so far that were inputs to the session.
  int InputsRun() const { return inputsRun_; }
  // Whether a line with this first word is an input to the session (rather
  // than an answer, a clock step, a seat choice or a query).
  static bool IsSessionInput(const std::string& verb);

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
  IFileSystem& files_;
  QueuedAnswers queued_;
  ScriptedUi ui_;
  CLibraryRandom randomSource_;
  CBoardRandom random_;
  CProgramClock clock_;
  CGameDatabase database_;  // where finished games go
  CGameDatabaseStore store_;
  CDiscardedGameStore discarded_;  // the store while read-only
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
  bool readOnly_ = false;
  int inputsRun_ = 0;
  bool journal_ = false;
};
