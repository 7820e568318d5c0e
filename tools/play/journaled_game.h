#pragma once

#include <filesystem>
#include <functional>
#include <random>

#include "engine/session/session.h"
#include "play_runner.h"
#include "random_game.h"
#include "records/game_database.h"
#include "session_journal.h"

// One random legal game entered as the program enters it: a session whose
// clock, generator, store and input log are a journal in `dir`, driven by
// random inputs and dialog answers. For the journal's tests and benchmark.
class JournaledGame {
 public:
  JournaledGame(const std::filesystem::path& dir, unsigned seed, const RandomAnswers::Odds& odds = {});

  // Plays up to `maxInputs` inputs (fewer when the game ends). `afterStep`
  // runs after each input and while each decision is pending, when what the
  // session took is on the disk.
  void Play(int maxInputs, const std::function<void()>& afterStep);

  // Where the journal is now: in the replays once the game was stored.
  std::filesystem::path JournalPath() const;
  uintmax_t JournalSize() const { return std::filesystem::file_size(JournalPath()); }
  CGameSession& Session() { return session_; }
  CSessionJournal& Journal() { return journal_; }
  bool Stored() const { return journal_.ReplayPath().has_value(); }

 private:
  std::filesystem::path dir_;
  std::mt19937 rng_;
  CGameDatabase database_;
  CSessionJournal journal_;
  CGame game_;
  ISessionUi ui_;
  CGameSession session_;
  RandomAnswers answers_;
  RandomInputs inputs_;
  PlayRunner runner_;
};
