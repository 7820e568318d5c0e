#pragma once

#include <cstddef>
#include <functional>
#include <string>

class CGameSession;

// One random legal game written as a driver script, for the tests and the
// benchmarks that need whole games: its own clock second (the game's id), a
// seed, a generated board, then every input with its dialog answers before it.
struct RandomScriptOptions {
  unsigned seed = 1;
  int players = 3;  // 3 or 5
  bool trackTrades = false;
  double acceptWinner = 1.0;  // below 1 the game may run on past a winner
  double undoChance = 0.0;    // an Undo of its own now and then
  std::size_t maxInputs = 6000;
};

struct RandomScript {
  std::string script;
  std::size_t inputs = 0;
  bool finished = false;  // the game ended (and was stored in the data directory)
};

// Plays the game in `dataDir`; `afterInput` sees the session after each input.
RandomScript PlayRandomScript(const RandomScriptOptions& options, const std::string& dataDir,
                              const std::function<void(const CGameSession&)>& afterInput = {});
