#include "play_ui.h"

#include <optional>

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

void ScriptedUi::ShowNotices(CGameSession& session) {
  for (const SessionNotice& notice : session.TakeNotices()) Line("message: " + notice.caption + ": " + notice.text);
}

bool ScriptedUi::ShowPendingDecisions(CGameSession& session, int line, bool waitForAnswer) {
  bool cancelled = false;
  ShowNotices(session);
  while (session.Pending().kind != DecisionKind::None) {
    if (waitForAnswer && !answers_->CanAnswer(session.Pending().kind)) break;
    if (probe_) probe_(session);
    if (!AnswerDecision(session, cancelled)) throw ScriptError(line, "the session refused the answer");
    ShowNotices(session);
  }
  return cancelled;
}

// One decision: its dialog line, the answer from the answer source, and the
// answer handed to the session.
bool ScriptedUi::AnswerDecision(CGameSession& session, bool& cancelled) {
  const PendingDecision d = session.Pending();
  switch (d.kind) {
    case DecisionKind::Discards: {
      Line("dialog: Lose cards because of a 7");
      std::optional<SeatMatrix> lost = answers_->Discards(d.discards);
      cancelled = cancelled || !lost;
      return lost ? session.AnswerDiscards(*lost) : session.CancelDecision();
    }
    case DecisionKind::Steal: {
      Line("dialog: Steal a card from a player");
      std::optional<StealChoice> choice = answers_->Steal(d.steal);
      cancelled = cancelled || !choice;
      return choice ? session.AnswerSteal(*choice) : session.CancelDecision();
    }
    case DecisionKind::BankTradeResource:
      Line("dialog: Trade to the bank");
      return session.AnswerBankTradeResource(answers_->BankTrade(d.bankTrade.wanted, d.bankTrade.tradeable));
    case DecisionKind::VictoryPointCard: {
      bool yes = answers_->YesNo(d.caption, d.text);
      Line("question: " + d.caption + ": " + d.text + (yes ? " -> yes" : " -> no"));
      return session.AnswerVictoryPointCard(yes);
    }
    case DecisionKind::Winner:
      Line("dialog: The game is over!");
      return session.AnswerWinner(answers_->Winner(d.player));
    case DecisionKind::HiddenPoints:
      Line("dialog: Victory Point totals");
      return session.AnswerHiddenPoints(answers_->Hidden(d.player, d.maxPoints));
    case DecisionKind::None: break;
  }
  return false;
}

void ScriptedUi::PromptChanged(const std::string& prompt) {
  if (havePrompt_ && prompt == lastPrompt_) return;
  lastPrompt_ = prompt;
  havePrompt_ = true;
  Line("prompt: " + prompt);
}
