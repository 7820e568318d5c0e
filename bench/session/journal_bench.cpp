// The journal of a game being entered: what writing and syncing one input
// costs on this machine's disk (median and 99th percentile, against one
// frame, 16 ms), and how long the replay of a 1,000-input journal takes at
// start (against 100 ms).
//
// usage: bench_session_journal [DIR]   (DIR on the disk to measure; default ./journal-bench)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "journal_replay.h"
#include "journaled_game.h"
#include "play_runner.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

constexpr double kFrameMs = 16.0;
constexpr double kReplayTargetMs = 100.0;
constexpr int kReplayInputs = 1000;

// Times the journal's part of each input: the session tells this log, which
// hands the input on to the journal (lines written and synced).
class TimedLog final : public ISessionInputLog {
 public:
  explicit TimedLog(CSessionJournal& journal) : journal_(journal) {}
  void InputTaken(const SessionInput& input) override {
    Clock::time_point start = Clock::now();
    journal_.InputTaken(input);
    millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::vector<double> millis;

 private:
  CSessionJournal& journal_;
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

// The text of a journal cut after its `inputs`-th input line (the lines that
// are not clock, seed, seat or header lines).
std::string FirstInputs(const std::string& text, int inputs, int& counted) {
  size_t start = 0;
  counted = 0;
  while (start < text.size() && counted < inputs) {
    size_t end = text.find('\n', start) + 1;
    std::string verb = text.substr(start, text.find_first_of(" \n", start) - start);
    if (verb != "journal" && verb != "clock" && verb != "seed" && verb != "seat" && verb != "unseat") ++counted;
    start = end;
  }
  return text.substr(0, start);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::path("journal-bench");
  RandomAnswers::Odds odds;
  odds.acceptWinner = 0.0;  // the game runs on past its winners
  std::vector<double> millis;
  std::string journal;
  int inputs = 0;
  for (unsigned seed = 1; inputs < kReplayInputs && seed < 50; ++seed) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    JournaledGame game(dir, seed, odds);
    TimedLog timed(game.Journal());
    game.Session().SetInputLog(&timed);
    game.Play(4000, [] {});
    millis.insert(millis.end(), timed.millis.begin(), timed.millis.end());
    std::ifstream in(game.JournalPath(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    journal = FirstInputs(text, kReplayInputs, inputs);
  }
  const double median = Percentile(millis, 0.5), p99 = Percentile(millis, 0.99);
  std::printf("journal append+sync per input (%zu inputs, %s): median %.3f ms, p99 %.3f ms; p99 / frame %.3f (target < 1)\n",
              millis.size(), dir.c_str(), median, p99, p99 / kFrameMs);

  // The replay at start, as the program runs it (self-check after each line).
  double best = 1e9;
  for (int repeat = 0; repeat < 5; ++repeat) {
    fs::path replayDir = dir / "replay";
    fs::remove_all(replayDir);
    PlayRunner runner(nullptr, replayDir.string());
    Clock::time_point start = Clock::now();
    ScriptRun run = RunScriptText(ReplayableText(journal), runner);
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (run.errorLine != 0) {
      std::fprintf(stderr, "replay failed at line %d: %s\n", run.errorLine, run.error.c_str());
      return 1;
    }
  }
  std::printf("replay of a %d-input journal at start: %.2f ms; / target %.3f (target < 1)\n", inputs, best,
              best / kReplayTargetMs);
  fs::remove_all(dir);
  return 0;
}
