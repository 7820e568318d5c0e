#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/board/random_source.h"
#include "engine/session/session_input.h"
#include "engine/session/session_services.h"
#include "records/atomic_file.h"

class CGameDatabase;

// The script lines of one input the session took, as `hexstead-cli play`
// reads them back.
std::vector<std::string> InputScriptLines(const SessionInput& input);

// The journal of a game being entered, and the session services that make
// it replay exactly. The session reads the clock and draws random numbers
// only through this object: each input reads the clock at most once (in
// whole seconds) and draws from a generator seeded afresh for it, and the
// reading and the seed are written before the input's own line. Every
// input the session takes is then one or more lines of a `play` script,
// written and synced before the next input is taken. Once the finished game
// is stored in the game database, the journal becomes its replay.
class CSessionJournal final : public ISessionInputLog, ISessionClock, IFinishedGameStore {
 public:
  // `database`: where finished games are stored; replays go beside it.
  // `freshSeed`: the seed for each input's draws.
  explicit CSessionJournal(CGameDatabase& database, std::function<unsigned()> freshSeed = DeviceSeed);

  // The clock, the random draws and the store, for the session.
  SessionServices Services() { return SessionServices{*this, random_, *this}; }
  // The same with another source of draws (a test that fixes them; the
  // journal then has no `seed` lines, so its replay draws anew).
  SessionServices ServicesWith(CBoardRandom& random) { return SessionServices{*this, random, *this}; }
  // The generator behind the draws, for a replay's `seed` lines.
  CRandomSource& RandomSource() { return source_; }

  // --- writing ------------------------------------------------------------------
  // A new game: `path` is emptied and written from the start.
  void StartNew(const std::string& path);
  // Goes on after a replay of `path`, which holds `keptBytes` good bytes (a
  // torn or damaged rest is cut off). A game the replay finished and stored
  // becomes its replay at once.
  void Resume(const std::string& path, std::uintmax_t keptBytes);
  // Stops writing; the file stays where it is.
  void Stop();
  bool IsWriting() const { return file_ != nullptr; }
  // Set once the finished game was stored and its journal moved to the
  // replays; the path it went to.
  const std::optional<std::string>& ReplayPath() const { return replayPath_; }
  // What could not be written (shown to the user once); empty when all was.
  std::string TakeError();

  // --- replaying ----------------------------------------------------------------
  // While a journal is replayed the clock and the draws are the replay's own
  // (its `clock` and `seed` lines), and a finished game already in the
  // database is not stored a second time.
  void SetReplaying(bool replaying) { replaying_ = replaying; }

  void InputTaken(const SessionInput& input) override;
  CDateTime Now() override;
  void StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) override;

  static unsigned DeviceSeed();

 private:
  // The C library generator, seeded afresh at the first draw of each input
  // while a journal is written.
  class SeededPerInput final : public CRandomSource {
   public:
    explicit SeededPerInput(std::function<unsigned()> freshSeed) : freshSeed_(std::move(freshSeed)) {}
    int Rand() override;
    void Seed(unsigned seed) override;
    void SetRecording(bool on) { recording_ = on; seeded_ = false; }
    std::optional<unsigned> TakeSeed();

   private:
    std::function<unsigned()> freshSeed_;
    CLibraryRandom inner_;
    bool recording_ = false;
    bool seeded_ = false;  // this input's draws are fixed already
    std::optional<unsigned> seed_;
  };

  std::int64_t Seconds();
  bool AlreadyStored(const CGame& game);
  void Write(const std::vector<std::string>& lines);
  void BecomeReplay();

  CGameDatabase& database_;
  SeededPerInput source_;
  CBoardRandom random_;
  std::unique_ptr<CDurableFile> file_;
  std::string path_;
  bool replaying_ = false;
  std::optional<std::int64_t> reading_;    // this input's clock reading
  std::optional<std::int64_t> lastClock_;  // the last `clock` written
  std::optional<std::string> storedAs_;    // the replay path of the stored game
  std::optional<std::string> replayPath_;  // set once the journal went there
  std::string error_;
};
