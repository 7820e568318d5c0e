#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "engine/session/session.h"
#include "play_answers.h"

// The session's window side for the headless driver: every prompt change,
// notice, question and dialog becomes one output line, and the session's
// pending decisions are answered by a DialogAnswers source.
//   prompt: TEXT
//   message: CAPTION: TEXT
//   question: CAPTION: TEXT -> yes|no
//   dialog: NAME
class ScriptedUi : public ISessionUi {
 public:
  ScriptedUi(std::ostream* out, DialogAnswers& answers) : out_(out), answers_(&answers) {}

  void SetAnswers(DialogAnswers& answers) { answers_ = &answers; }
  void SetOutput(std::ostream* out) { out_ = out; }
  // Forgets the last prompt, so the next one is printed even if unchanged.
  void ResetPrompt() { lastPrompt_.clear(); havePrompt_ = false; }

  // After an input: shows the session's notices and answers its pending
  // decisions one after another, as the windows do. Returns true when a
  // decision was cancelled. Throws ScriptError (for `line`) when the
  // session refuses an answer. `waitForAnswer`: a decision that the answer
  // source cannot answer yet stays pending (a journal answers it later).
  bool ShowPendingDecisions(CGameSession& session, int line, bool waitForAnswer = false);
  // Called with the session each time a decision is pending, before it is
  // answered (tests try other inputs there).
  void SetDecisionProbe(std::function<void(CGameSession&)> probe) { probe_ = std::move(probe); }

  void PromptChanged(const std::string& prompt) override;

 private:
  void Line(const std::string& text);
  void ShowNotices(CGameSession& session);
  bool AnswerDecision(CGameSession& session, bool& cancelled);

  std::ostream* out_;
  DialogAnswers* answers_;
  std::function<void(CGameSession&)> probe_;
  std::string lastPrompt_;
  bool havePrompt_ = false;
};

// A prompt or message as one output line: newlines become "\n".
std::string OneLine(const std::string& text);
