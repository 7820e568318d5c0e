#include "journaled_game.h"

#include "records/clock.h"
#include "records/replay_store.h"

JournaledGame::JournaledGame(const std::filesystem::path& dir, unsigned seed, const RandomAnswers::Odds& odds)
    : dir_(dir),
      rng_(seed),
      database_(dir.string()),
      journal_(database_, [this] { return static_cast<unsigned>(rng_()); }),
      session_(game_, ui_, journal_.Services()),
      answers_(rng_),
      inputs_(rng_),
      runner_(nullptr, dir.string(), &answers_) {
  session_.SetInputLog(&journal_);
  runner_.Attach(game_, session_, journal_.RandomSource());
  answers_.SetOdds(odds);
  inputs_.SetUndoChance(0.03);
  CClock::SetFixed(1700000000.0 + seed * 10000.0);
}

void JournaledGame::Play(int maxInputs, const std::function<void()>& afterStep) {
  runner_.SetDecisionProbe([&](CGameSession&) { afterStep(); });
  journal_.StartNew(CurrentJournalPath(dir_.string()));
  const char* options[] = {"new players=3 track=1 generate=0", "new players=5 track=1 generate=1",
                           "new players=3 track=0 generate=1"};
  runner_.Run(options[rng_() % 3]);
  afterStep();
  for (int i = 0; i < maxInputs; ++i) {
    std::vector<std::string> lines = inputs_.Next(session_);
    if (lines.empty()) break;
    for (const std::string& line : lines) {
      answers_.Record();
      runner_.Run(line);
    }
    afterStep();
    CClock::Advance(static_cast<double>(rng_() % 90));
  }
}

std::filesystem::path JournaledGame::JournalPath() const {
  if (journal_.ReplayPath()) return *journal_.ReplayPath();
  return CurrentJournalPath(dir_.string());
}
