#pragma once

#include <ostream>
#include <string>

#include "engine/session/session_ui.h"
#include "play_answers.h"

// The session's window side for the headless driver: every prompt change,
// message box, question and dialog becomes one output line, and dialogs are
// answered by a DialogAnswers source.
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

  void ShowMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  int32_t ChooseBankTradeResource(int32_t wanted, const std::array<bool, 5>& tradeable) override;
  std::optional<SeatMatrix> ChooseDiscards(const DiscardOffer& offer) override;
  std::optional<StealChoice> ChooseSteal(const StealOffer& offer) override;
  bool ConfirmWinner(int32_t winner) override;
  int32_t AskHiddenPoints(int32_t player, int32_t maxPoints) override;
  void PromptChanged(const std::string& prompt) override;

 private:
  void Line(const std::string& text);

  std::ostream* out_;
  DialogAnswers* answers_;
  std::string lastPrompt_;
  bool havePrompt_ = false;
};

// A prompt or message as one output line: newlines become "\n".
std::string OneLine(const std::string& text);
