#include "play_ui.h"

#include "records/text_encoding.h"

std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\n') line += "\\n";
    else if (c != '\r') line += c;
  }
  return line;
}

void ScriptedUi::Line(const std::string& text) {
  if (out_) *out_ << Cp1252ToUtf8(OneLine(text)) << '\n';
}

void ScriptedUi::ShowMessage(const std::string& caption, const std::string& text) {
  Line("message: " + caption + ": " + text);
}

bool ScriptedUi::AskYesNo(const std::string& caption, const std::string& text) {
  bool yes = answers_->YesNo(caption, text);
  Line("question: " + caption + ": " + text + (yes ? " -> yes" : " -> no"));
  return yes;
}

int32_t ScriptedUi::ChooseBankTradeResource(int32_t wanted, const std::array<bool, 5>& tradeable) {
  Line("dialog: Trade to the bank");
  return answers_->BankTrade(wanted, tradeable);
}

std::optional<SeatMatrix> ScriptedUi::ChooseDiscards(const DiscardOffer& offer) {
  Line("dialog: Lose cards because of a 7");
  return answers_->Discards(offer);
}

std::optional<StealChoice> ScriptedUi::ChooseSteal(const StealOffer& offer) {
  Line("dialog: Steal a card from a player");
  return answers_->Steal(offer);
}

bool ScriptedUi::ConfirmWinner(int32_t winner) {
  Line("dialog: The game is over!");
  return answers_->Winner(winner);
}

int32_t ScriptedUi::AskHiddenPoints(int32_t player, int32_t maxPoints) {
  Line("dialog: Victory Point totals");
  return answers_->Hidden(player, maxPoints);
}

void ScriptedUi::PromptChanged(const std::string& prompt) {
  if (havePrompt_ && prompt == lastPrompt_) return;
  lastPrompt_ = prompt;
  havePrompt_ = true;
  Line("prompt: " + prompt);
}
