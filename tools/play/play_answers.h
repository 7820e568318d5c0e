#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "play_script.h"
#include "engine/session/pending_decision.h"
#include "engine/session/session_ui.h"

// Where the driver's dialogs get their answers: from `answer` lines of a
// script, or (in tests) from a chooser that writes the same lines down.
class DialogAnswers {
 public:
  virtual ~DialogAnswers() = default;
  virtual int32_t BankTrade(int32_t wanted, const std::array<bool, kResourceCount>& tradeable) = 0;
  virtual std::optional<SeatMatrix> Discards(const DiscardOffer& offer) = 0;
  virtual std::optional<StealChoice> Steal(const StealOffer& offer) = 0;
  virtual bool YesNo(const std::string& caption, const std::string& text) = 0;
  virtual bool Winner(int32_t winner) = 0;
  virtual int32_t Hidden(int32_t player, int32_t maxPoints) = 0;
  // Whether an answer for a dialog of this kind is at hand now.
  virtual bool CanAnswer(DecisionKind /*kind*/) const { return true; }
};

// The script line of each answer, as `answer ...` reads it back.
std::string BankTradeAnswerLine(int32_t resource);
std::string DiscardAnswerLine(const std::optional<SeatMatrix>& discards);
std::string StealAnswerLine(const std::optional<StealChoice>& choice);
std::string YesNoAnswerLine(bool yes);
std::string WinnerAnswerLine(bool accept);
std::string HiddenAnswerLine(int32_t points);

// Answers queued by `answer` lines and consumed in order. A dialog takes the
// oldest queued answer of its kind; none is a script error, and so is an
// answer the real dialog could not give (a card the victim does not hold, a
// discard of the wrong size, a resource that cannot be traded).
class QueuedAnswers : public DialogAnswers {
 public:
  // Queues the answer of an `answer ...` line (words[0] == "answer").
  void Add(const ScriptLine& line);
  // The script line of the input being run, for "no answer" errors.
  void SetCurrentLine(int line) { currentLine_ = line; }
  // Throws when an answer was never used.
  void CheckAllUsed() const;

  int32_t BankTrade(int32_t wanted, const std::array<bool, kResourceCount>& tradeable) override;
  std::optional<SeatMatrix> Discards(const DiscardOffer& offer) override;
  std::optional<StealChoice> Steal(const StealOffer& offer) override;
  bool YesNo(const std::string& caption, const std::string& text) override;
  bool Winner(int32_t winner) override;
  int32_t Hidden(int32_t player, int32_t maxPoints) override;
  bool CanAnswer(DecisionKind kind) const override;

 private:
  enum class Kind { BankTrade, Discard, Steal, YesNo, GameOver, Hidden };
  struct Answer {
    Kind kind;
    int line = 0;
    bool cancel = false;
    int32_t value = 0;      // resource, yes/continue (1), hidden points
    StealChoice steal;
    SeatMatrix discards{};
  };

  Answer Take(Kind kind, const char* dialog);
  static Answer Parse(const ScriptLine& line);

  std::deque<Answer> queue_;
  int currentLine_ = 0;
};
