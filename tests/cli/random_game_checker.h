#pragma once

#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/session/session.h"
#include "session_snapshot.h"
#include "play_runner.h"
#include "random_game.h"

struct RandomGameOptions {
  int players = 3;  // 3 ("3 or 4") or 5 ("5 or 6")
  bool trackTrades = false;
  bool generateBoard = false;
  int maxInputs = 300;
  double undoInputChance = 0.02;  // an Undo of its own now and then
};

// Plays one random legal game. After every input that recorded something,
// Undo must give back exactly the state before it, and running the input
// again (with the same dialog answers) exactly the state after it. While a
// decision is pending, every other input (Undo and board clicks included)
// must be refused and change nothing. A finished game must be stored as it
// ended. At the end Undo must lead all the way back to the state of the new
// game.
class RandomGameChecker {
 public:
  RandomGameChecker(unsigned seed, const RandomGameOptions& options, const std::string& dataDir);

  // Empty on success, else what went wrong.
  std::string Play();
  // The driver script of what was run, for replaying a failure.
  std::string Transcript() const;
  int Inputs() const { return inputs_; }
  bool Finished() const { return finished_; }
  int Turns() const { return turns_; }
  long Probes() const { return probes_; }

 private:
  void Run(const std::string& line);
  void RunAll(const std::vector<std::string>& lines);
  void Note(const std::vector<std::string>& lines);
  std::string CheckInput(const std::vector<std::string>& lines);
  // The JSON patch from the state after the first `lines` of the transcript
  // (replayed in a fresh session) to the present state.
  std::string DifferenceFrom(size_t lines, const SessionSnapshot& from, const SessionSnapshot& to);
  std::string UnwindAll(const SessionSnapshot& empty);
  // Tries every other input while a decision is pending; notes a fault.
  void ProbePending(CGameSession& session);
  std::string CheckStoredGame(const CGameSession& session);

  std::mt19937 rng_;
  RandomGameOptions options_;
  RandomAnswers answers_;
  RandomInputs inputs_source_;
  PlayRunner runner_;
  std::string dataDir_;
  std::vector<std::string> transcript_;
  std::string probeFault_;
  long probes_ = 0;
  int inputs_ = 0;
  bool finished_ = false;
  int turns_ = 0;
};
