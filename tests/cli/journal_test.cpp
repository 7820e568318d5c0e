// The journal of a game being entered: whatever the session took is in it,
// a journal cut anywhere replays to the state after its last whole line,
// and a process killed at any moment loses no input it had taken.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include <gtest/gtest.h>

#include "journal_replay.h"
#include "journaled_game.h"
#include "play_runner.h"
#include "play_state_json.h"
#include "random_game.h"
#include "random_game_checker.h"
#include "records/clock.h"
#include "records/game_database.h"
#include "records/replay_store.h"
#include "session_journal.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In memory where the system has it: every input is synced, and what these
// tests prove does not depend on the disk (a killed process loses nothing
// of what it wrote).
fs::path FreshDirectory(const std::string& name) {
  fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::path(::testing::TempDir());
  fs::path dir = base / ("h3d-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// The state after each synced part of the journal, by journal size.
using Expected = std::vector<std::pair<uintmax_t, SessionSnapshot>>;

const SessionSnapshot& ExpectedAt(const Expected& expected, uintmax_t size) {
  const SessionSnapshot* found = &expected.front().second;
  for (const auto& [at, snapshot] : expected)
    if (at <= size) found = &snapshot;
  return *found;
}

// The offsets at which each line of `text` ends (after its newline).
std::vector<size_t> LineEnds(const std::string& text) {
  std::vector<size_t> ends;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') ends.push_back(i + 1);
  return ends;
}

TEST(Journal, EveryCutReplaysToTheStateAfterItsLastWholeLine) {
  int finished = 0;
  for (unsigned seed = 1; seed <= 32; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    fs::path dir = FreshDirectory("journal-cut-" + std::to_string(seed));
    JournaledGame game(dir, seed);
    Expected expected;
    try {
      game.Play(600, [&] { expected.emplace_back(game.JournalSize(), SessionSnapshot::Of(game.Session())); });
      ASSERT_EQ(game.Journal().TakeError(), "");
    } catch (const std::exception& e) {
      FAIL() << "live game: " << e.what() << " at journal byte " << game.JournalSize();
    }
    const std::string text = ReadFile(game.JournalPath());
    ASSERT_TRUE(IsJournalText(text));
    ASSERT_EQ(expected.back().first, text.size());

    // Line by line: after each whole line the replay is in the state the
    // game was in when that much of the journal was on the disk.
    fs::path replayDir = FreshDirectory("journal-replay-" + std::to_string(seed));
    PlayRunner replay(nullptr, replayDir.string());
    size_t start = 0;
    for (size_t end : LineEnds(text)) {
      try {
        replay.Run(text.substr(start, end - 1 - start), 0);
      } catch (const std::exception& e) {
        FAIL() << "replay at byte " << start << ": " << text.substr(start, end - 1 - start) << ": " << e.what();
      }
      start = end;
      if (!replay.HasSession()) continue;
      const SessionSnapshot& want = ExpectedAt(expected, end);
      SessionSnapshot got = SessionSnapshot::Of(replay.Session());
      ASSERT_EQ(got, want) << "after byte " << end << ": " << got.Differences(want);
    }
    ASSERT_EQ(start, text.size()) << "the journal ends inside a line";

    // A finished game is stored by the replay exactly as it was.
    if (game.Stored()) {
      ++finished;
      EXPECT_EQ(ReadFile(replayDir / "game.db"), ReadFile(dir / "game.db"));
      EXPECT_EQ(ReadFile(replayDir / "keys.db"), ReadFile(dir / "keys.db"));
      EXPECT_FALSE(fs::exists(CurrentJournalPath(dir.string())));
    }

    // A cut inside a line drops that line; a few cuts replayed from scratch.
    std::mt19937 cuts(seed);
    std::vector<size_t> ends = LineEnds(text);
    size_t lineStart = 0;
    for (size_t end : ends) {
      size_t cut = lineStart + 1 + cuts() % (end - lineStart);  // inside the line or at its end
      ASSERT_EQ(ReplayableText(std::string_view(text).substr(0, cut)).size(), cut == end ? end : lineStart);
      lineStart = end;
    }
    for (int i = 0; i < 6; ++i) {
      size_t cut = cuts() % (text.size() + 1);
      std::string_view kept = ReplayableText(std::string_view(text).substr(0, cut));
      fs::path cutDir = FreshDirectory("journal-cut-replay");
      PlayRunner runner(nullptr, cutDir.string());
      ScriptRun run = RunScriptText(kept, runner);
      ASSERT_EQ(run.errorLine, 0) << run.error;
      if (!runner.HasSession()) continue;
      const SessionSnapshot& want = ExpectedAt(expected, kept.size());
      EXPECT_EQ(SessionSnapshot::Of(runner.Session()), want) << "cut at " << cut;
      fs::remove_all(cutDir);
    }
    fs::remove_all(dir);
    fs::remove_all(replayDir);
  }
  EXPECT_GT(finished, 0) << "no random game reached its winner";
}

// The damage of a journal stops its replay before the damaged line.
TEST(Journal, ADamagedLineStopsTheReplayBeforeIt) {
  fs::path dir = FreshDirectory("journal-damaged");
  const std::string good = "journal\nclock 1700000000\nnew players=3 track=0 generate=1 start=1700000000\n";
  PlayRunner runner(nullptr, dir.string());
  ScriptRun run = RunScriptText(good + "roll 7\ntile 3\n", runner);  // no roll before the players sit
  EXPECT_EQ(run.errorLine, 4);
  EXPECT_EQ(run.goodBytes, good.size());
  EXPECT_EQ(runner.Session().GameStateNow(), PlayerInformation);

  PlayRunner unreadable(nullptr, dir.string());
  run = RunScriptText(good + "seat 1 \"Ann\n", unreadable);
  EXPECT_EQ(run.errorLine, 4);
  EXPECT_NE(run.error.find("unterminated"), std::string::npos);
  fs::remove_all(dir);
}

// What the resume question shows comes from the journal's own lines.
TEST(Journal, SummaryNamesTheStartAndTheSeatedPlayers) {
  const std::string text =
      "journal\nseed 5\nclock 1700000100\nnew players=5 track=1 generate=1 start=1700000042\n"
      "unseat 3\nseat 1 Ann Lee id=7\nseat 2 \"Bo\" \"Ray\" id=8\nseat 3 Cy Stone id=9\nunseat 3\nselect\n"
      "seat 4 Dee Torn id=";
  std::optional<JournalSummary> summary = SummariseJournal(text);
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->startSeconds, 1700000042);
  EXPECT_EQ(summary->players, 5);
  EXPECT_TRUE(summary->trackTrades);
  EXPECT_EQ(summary->names, (std::vector<std::string>{"Ann Lee", "Bo Ray"}));
  EXPECT_FALSE(SummariseJournal("journal\nclock 1\n"));
}

// A hash of the whole state, to compare a killed game with its replay.
size_t StateHash(const CGameSession& session) {
  return std::hash<std::string>{}(SessionStateJson(session).dump() + std::to_string(session.UndoDepth()));
}

TEST(Journal, AProcessKilledAtAnyMomentLosesNoInputItTook) {
  std::mt19937 when(99);
  for (unsigned round = 1; round <= 6; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    fs::path dir = FreshDirectory("journal-kill-" + std::to_string(round));
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(report[0]);
      // Each line of the report is sent once the input is on the disk.
      JournaledGame game(dir, 100 + round);
      game.Play(100000, [&] {
        std::string line = std::to_string(game.JournalSize()) + " " + std::to_string(StateHash(game.Session())) + "\n";
        if (write(report[1], line.data(), line.size()) < 0) _exit(2);
      });
      _exit(0);
    }
    close(report[1]);
    char first = 0;
    ASSERT_EQ(read(report[0], &first, 1), 1) << "the game did not begin";
    usleep(static_cast<useconds_t>(when() % 150000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::string reported(1, first);
    char buffer[4096];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) reported.append(buffer, static_cast<size_t>(n));
    close(report[0]);

    std::map<uintmax_t, size_t> hashes;  // journal size -> state hash
    std::istringstream lines(reported.substr(0, reported.rfind('\n') + 1));
    for (uintmax_t size; lines >> size;) lines >> hashes[size];
    ASSERT_FALSE(hashes.empty()) << "the game had not begun when it was killed";

    fs::path journal = CurrentJournalPath(dir.string());
    if (!fs::exists(journal)) {
      for (const fs::directory_entry& e : fs::directory_iterator(ReplayDirectory(dir.string()))) journal = e.path();
    }
    const std::string text = ReadFile(journal);
    std::string_view kept = ReplayableText(text);
    EXPECT_GE(kept.size(), hashes.rbegin()->first) << "an input that was on the disk is lost";

    fs::path replayDir = FreshDirectory("journal-kill-replay");
    PlayRunner replay(nullptr, replayDir.string());
    size_t start = 0, checked = 0;
    for (size_t end : LineEnds(std::string(kept))) {
      replay.Run(std::string(kept.substr(start, end - 1 - start)), 0);
      start = end;
      auto at = hashes.find(end);
      if (at == hashes.end() || !replay.HasSession()) continue;
      ASSERT_EQ(StateHash(replay.Session()), at->second) << "after byte " << end;
      ++checked;
    }
    EXPECT_GT(checked, 0u);
    fs::remove_all(dir);
    fs::remove_all(replayDir);
  }
}

}  // namespace
