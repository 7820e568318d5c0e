#pragma once

#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/session/session.h"
#include "play_runner.h"
#include "random_game.h"

// Everything that makes up the state of a game: the JSON state (records and
// session fields by name) and the raw session fields, pieces and history.
struct SessionSnapshot {
  nlohmann::json state;
  CSessionFields fields;
  std::vector<CBoardPiece> pieces;
  CGameHistory history;

  static SessionSnapshot Of(const CGameSession& session);
  bool operator==(const SessionSnapshot& other) const = default;
};

// What differs between two snapshots, briefly (a JSON patch, cut short).
std::string SnapshotDifference(const SessionSnapshot& from, const SessionSnapshot& to);

struct RandomGameOptions {
  int players = 3;  // 3 ("3 or 4") or 5 ("5 or 6")
  bool trackTrades = false;
  bool generateBoard = false;
  int maxInputs = 300;
  double undoInputChance = 0.02;  // an Undo of its own now and then
};

// Plays one random legal game. After every input that recorded something,
// Undo must give back exactly the state before it, and running the input
// again (with the same dialog answers) exactly the state after it. At the
// end Undo must lead all the way back to the state of the new game.
class RandomGameChecker {
 public:
  RandomGameChecker(unsigned seed, const RandomGameOptions& options, const std::string& dataDir);

  // Empty on success, else what went wrong.
  std::string Play();
  // The driver script of what was run, for replaying a failure.
  std::string Transcript() const;
  int Inputs() const { return inputs_; }
  bool Finished() const { return finished_; }

 private:
  void Run(const std::string& line);
  void RunAll(const std::vector<std::string>& lines);
  void Note(const std::vector<std::string>& lines);
  std::string CheckInput(const std::vector<std::string>& lines);
  std::string UnwindAll(const SessionSnapshot& empty);

  std::mt19937 rng_;
  RandomGameOptions options_;
  RandomAnswers answers_;
  RandomInputs inputs_source_;
  PlayRunner runner_;
  std::vector<std::string> transcript_;
  int inputs_ = 0;
  bool finished_ = false;
};
