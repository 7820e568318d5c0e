// Looking back at a stored game of about 1,000 inputs through its replay:
// the time of a jump from the first input to the last and back (the session
// of the moment reached and every window but the statistics, which follow
// when the jumps settle, brought up to date), and the same with the
// statistics filled and the windows painted, once with the Game History and Game Statistics
// windows hidden and once with both shown. References of the same run: the
// driver over the whole script (read-only, no window), and one repaint of
// the game window at the same moment without a jump (what any redraw
// costs). Target: 50 ms a jump.
// Needs a display; works in a fresh folder under /tmp.
//
// usage: bench_app_replay [INPUTS] [REPEATS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/grid.h>
#include <wx/treectrl.h>

#include "hexstead_app.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "main_frame.h"
#include "play_runner.h"
#include "random_game.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/replay_store.h"
#include "replay_viewer.h"
#include "statistics_window.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetMs = 50.0;

// Plays a random tracked game into `dataDir` until it has `inputs` inputs,
// answering every winner with Undo until then and accepting the next one,
// so that the game ends soon after and is stored. Returns its script.
std::string PlayStoredGame(int inputs, const std::string& dataDir) {
  RandomGame game(20251209, dataDir);
  RandomAnswers::Odds odds;
  odds.acceptWinner = 0.0;
  game.Answers().SetOdds(odds);
  std::string script;
  auto run = [&](const std::string& line) {
    game.Runner().Run(line);
    script += line + '\n';
  };
  run("clock 1700000000");
  run("seed 11");
  run("new players=3 track=1 generate=1");
  for (int step = 0; step < 20 * inputs && game.Session().GameStateNow() != GameOver; ++step) {
    if (game.Runner().InputsRun() >= inputs) {
      odds.acceptWinner = 1.0;
      game.Answers().SetOdds(odds);
    }
    std::vector<std::string> lines = game.NextInput();
    if (lines.empty()) break;
    // A build that would win was taken back: leave the placement instead of
    // trying every site.
    const int state = game.Session().GameStateNow();
    if (odds.acceptWinner == 0.0 && state >= PlaceRoad && state <= PlaceSettlement && step % 4 == 0) lines = {"undo"};
    for (const std::string& line : game.Play(lines)) script += line + '\n';
    run("wait 7");
  }
  return script;
}

void Pump() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  while (loop->Pending()) loop->Dispatch();
  wxTheApp->ProcessPendingEvents();
  loop->ProcessIdle();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct JumpTime {
  double jump = 0;     // the windows up to date but the statistics, painting pending
  double painted = 0;  // and the statistics filled and everything painted
};

double Since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

void Paint(const std::vector<wxWindow*>& windows) {
  for (wxWindow* w : windows)
    if (w->IsShownOnScreen()) w->Update();
}

// One jump, then every shown window painted.
JumpTime TimeJump(CReplayViewer& viewer, int position, const std::vector<wxWindow*>& windows) {
  Pump();
  JumpTime t;
  const auto start = Clock::now();
  viewer.JumpTo(position);
  t.jump = Since(start);
  wxTheApp->ProcessPendingEvents();  // what follows the jump (the statistics)
  Paint(windows);
  t.painted = Since(start);
  return t;
}

// One repaint of every window at the moment shown, without a jump.
double TimeRepaint(const std::vector<wxWindow*>& windows) {
  Pump();
  const auto start = Clock::now();
  for (wxWindow* w : windows) w->Refresh(false);
  Paint(windows);
  return Since(start);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr) {
    std::puts("bench_app_replay: DISPLAY is not set; run it under Xvfb");
    return 0;
  }
  const int inputs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
  const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;

  // A folder of its own: data/ with links to the texture archives, the
  // stored game and its replay; the profile settings beside it.
  const fs::path work = fs::temp_directory_path() / ("h3d-bench-replay-" + std::to_string(getpid()));
  fs::create_directories(work / "data");
  for (const fs::directory_entry& entry : fs::directory_iterator(H3D_DATA_DIR))
    if (entry.path().extension() == ".tex") fs::create_symlink(entry.path(), work / "data" / entry.path().filename());
  fs::current_path(work);
  setenv("HOME", work.c_str(), 1);
  const std::string script = PlayStoredGame(inputs, "data");
  CGameDatabase database("data");
  if (database.GameCount() != 1) {
    std::puts("bench_app_replay: the game did not end");
    fs::remove_all(work);
    return 1;
  }
  CGame game;
  database.ReadHeader(0, game);
  fs::create_directories(ReplayDirectory("data"));
  std::ofstream(ReplayPath("data", game)) << script;

  // The reference: the driver over the whole replay, no window.
  std::vector<double> reference;
  for (int r = 0; r < 3; ++r) {
    const auto start = Clock::now();
    ReplayPositions positions(script, "data");
    reference.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }

  wxDisableAsserts();
  wxApp::SetInstance(new CHexsteadApp);
  int toolkitArgc = 1;  // the bench's own arguments are not the toolkit's
  if (!wxEntryStart(toolkitArgc, argv)) {
    std::puts("bench_app_replay: no display");
    return 1;
  }
  int status = 0;
  {
    wxEventLoop loop;
    wxEventLoopBase::SetActive(&loop);
    if (!wxTheApp->CallOnInit() || !TheApp().OpenStoredGame(0) || TheApp().OpenView() == nullptr ||
        TheApp().OpenView()->ReplayViewer() == nullptr) {
      std::puts("bench_app_replay: the stored game did not open with its replay");
      status = 1;
    } else {
      CHexsteadView& view = *TheApp().OpenView();
      CReplayViewer& viewer = *view.ReplayViewer();
      for (int i = 0; i < 20; ++i) Pump();
      const std::vector<wxWindow*> windows = {view.GetFrame(), &view.BoardView(), &view.HistoryWindow().Tree(),
                                              &view.StatisticsWindow().Grid()};
      const int last = viewer.InputCount();
      const double replayRef = Median(reference);
      std::printf("stored game: %d inputs, %zu history lines (median of %d jumps each way)\n", last,
                  viewer.Replay().FinalHistory().ItemCount(), repeats);
      std::printf("reference: the driver over the whole replay, no window    %6.1f ms\n", replayRef);
      const char* how[2] = {"history, statistics hidden", "history, statistics shown"};
      for (int shown = 0; shown < 2; ++shown) {
        view.HistoryWindow().Show(shown == 1);
        view.StatisticsWindow().Show(shown == 1);
        for (int i = 0; i < 20; ++i) Pump();
        // Jumps and repaints take turns, so that other work on the machine
        // slows both alike.
        std::vector<JumpTime> forward, back;
        std::vector<double> repaints;
        for (int r = 0; r < repeats; ++r) {
          back.push_back(TimeJump(viewer, 1, windows));
          repaints.push_back(TimeRepaint(windows));
          forward.push_back(TimeJump(viewer, last, windows));
          repaints.push_back(TimeRepaint(windows));
        }
        auto median = [](const std::vector<JumpTime>& v, double JumpTime::*field) {
          std::vector<double> values;
          for (const JumpTime& t : v) values.push_back(t.*field);
          return Median(values);
        };
        const double repaint = Median(repaints);
        std::printf("%s:\n", how[shown]);
        std::printf("  reference: one repaint of the windows, no jump      %6.1f ms\n", repaint);
        const std::pair<const char*, const std::vector<JumpTime>*> ways[] = {{"first -> last", &forward},
                                                                             {"last -> first", &back}};
        for (const auto& [name, times] : ways) {
          const double jump = median(*times, &JumpTime::jump);
          const double painted = median(*times, &JumpTime::painted);
          std::printf("  %s: jump %6.1f ms (%.2f x target %.0f ms, %.2f x replay ref.); painted %6.1f ms (%.2f x repaint)\n",
                      name, jump, jump / kTargetMs, kTargetMs, jump / replayRef, painted, painted / repaint);
        }
      }
    }
  }
  if (TheApp().OpenView() != nullptr) TheApp().CloseAllGames();
  std::fflush(stdout);
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(work);
  std::_Exit(status);  // the program's windows are not taken down one by one
}
