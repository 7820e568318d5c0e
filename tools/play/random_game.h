#pragma once

#include <deque>
#include <iosfwd>
#include <random>
#include <string>
#include <vector>

#include "play_answers.h"
#include "play_runner.h"

class CGameSession;

// Answers dialogs for random games. Recording: choose at random among what
// the dialog offers and note the choice (and its script line). Replaying:
// give the noted choices again, in order. Undoing: cancel a renewed steal
// dialog; any other dialog during an Undo is a fault.
class RandomAnswers : public DialogAnswers {
 public:
  enum class Mode { Record, Replay, Undo };
  struct Odds {
    double cancelDiscard = 0.1;
    double cancelSteal = 0.1;
    double acceptWinner = 0.25;
  };

  explicit RandomAnswers(std::mt19937& rng) : rng_(rng) {}
  void SetOdds(const Odds& odds) { odds_ = odds; }

  // Starts recording the answers of one input (forgets the previous ones).
  void Record();
  // Replays the answers recorded for the input last recorded.
  void Replay();
  // Answers the dialogs of an Undo (lines noted afresh).
  void Undo();
  // The script lines of the answers given since Record, Replay or Undo.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Set when a dialog other than the renewed steal opened during Undo, or a
  // replay asked for an answer that was never recorded.
  const std::string& Fault() const { return fault_; }

  int32_t BankTrade(int32_t wanted, const std::array<bool, kResourceCount>& tradeable) override;
  std::optional<SeatMatrix> Discards(const DiscardOffer& offer) override;
  std::optional<StealChoice> Steal(const StealOffer& offer) override;
  bool YesNo(const std::string& caption, const std::string& text) override;
  bool Winner(int32_t winner) override;
  int32_t Hidden(int32_t player, int32_t maxPoints) override;

 private:
  struct Answer {
    int32_t number = 0;
    std::optional<SeatMatrix> discards;
    std::optional<StealChoice> steal;
  };
  Answer* Replayed(const char* dialog);
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::mt19937& rng_;
  Odds odds_;
  Mode mode_ = Mode::Record;
  std::vector<Answer> recorded_;
  size_t next_ = 0;
  std::vector<std::string> lines_;
  std::vector<std::string> recordedLines_;
  std::string fault_;
};

// Chooses the next input of a random legal game: one of the inputs the
// session's state offers (sites, rolls, builds, cards, trades, End Turn...),
// as driver-script lines (several when seats are chosen before `select`).
class RandomInputs {
 public:
  explicit RandomInputs(std::mt19937& rng) : rng_(rng) {}
  // Also undo now and then as an input of its own.
  void SetUndoChance(double p) { undoChance_ = p; }
  // Empty when the game is over.
  std::vector<std::string> Next(const CGameSession& session);

 private:
  std::vector<std::string> SetUp(const CGameSession& session);
  std::vector<std::string> Players(const CGameSession& session);
  std::vector<std::string> TurnInputs(const CGameSession& session);
  void AddCardPlays(const CGameSession& session, std::vector<std::string>& options);
  void AddTrades(const CGameSession& session, std::vector<std::string>& options);
  std::string PlayerTrade(const CGameSession& session, int partner);
  std::string Pick(const std::vector<int32_t>& ids, const char* verb);
  std::string RoadPick(const std::vector<int32_t>& edges);
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::mt19937& rng_;
  double undoChance_ = 0.0;
};

// A random legal game played through the driver: the inputs and the answers
// to their dialogs drawn from one generator seeded with `seed`, the runner's
// events (if any) written to `events` and its stored games kept in `dataDir`.
class RandomGame {
 public:
  RandomGame(unsigned seed, const std::string& dataDir, std::ostream* events = nullptr);

  std::mt19937& Rng() { return rng_; }
  RandomAnswers& Answers() { return answers_; }
  RandomInputs& Inputs() { return inputs_; }
  PlayRunner& Runner() { return runner_; }
  CGameSession& Session() { return runner_.Session(); }

  // The lines of the next input the session offers; empty when it offers none.
  std::vector<std::string> NextInput() { return inputs_.Next(runner_.Session()); }
  // Runs the lines of one input, answering its dialogs at random; returns
  // the answers' lines followed by the input's (the order a script keeps,
  // since answers are queued before the input that asks for them).
  std::vector<std::string> Play(const std::vector<std::string>& lines);

 private:
  std::mt19937 rng_;
  RandomAnswers answers_{rng_};
  RandomInputs inputs_{rng_};
  PlayRunner runner_;
};
