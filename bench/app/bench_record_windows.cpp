// The Game History and Game Statistics windows after one input of a game of
// 150 turns: the time to bring both windows up to date (and painted), as the
// program does it (the tree gains one line, the grid rewrites the sections
// the input feeds), against the reference of the same run that rewrites every
// section and rebuilds the whole tree. Inputs: a roll (two frequency tables
// and the production tables) and a trade (the seven trading tables); each is
// taken back with Undo before the next repeat. Needs a display.
//
// usage: bench_app_windows [REPEATS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/treectrl.h>

#include "bench_support.h"
#include "engine/session/session.h"
#include "engine/session/session_services.h"
#include "history_window.h"
#include "interface_images.h"
#include "statistics_window.h"

namespace {

// A bench game is never kept.
class NoStore final : public IFinishedGameStore {
 public:
  void StoreFinishedGame(CGame&, CHistoryLog&, CBoard&) override {}
};

using Clock = std::chrono::steady_clock;
constexpr int kTurns = 150;
constexpr double kTargetMs = 10.0;

void Pump() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  while (loop->Pending()) loop->Dispatch();
  loop->ProcessIdle();
}

// The session's window side: forwards history and statistics changes to the
// two windows, either as the program does or by redoing everything.
class WindowsUi : public ISessionUi {
 public:
  WindowsUi(CHistoryWindow& history, CStatisticsWindow& stats) : history_(history), stats_(stats) {}
  void Connect(const CGameSession* session) { session_ = session; }
  void SetFull(bool full) { full_ = full; }

  void HistoryChanged() override {
    if (session_ == nullptr) return;
    if (full_) history_.Clear();
    history_.ShowHistory(session_->History().Log());
  }
  void StatisticsChanged(ReportMask reports) override {
    if (session_ == nullptr) return;
    stats_.RefreshReports(full_ ? kAllReports : reports);
  }

 private:
  CHistoryWindow& history_;
  CStatisticsWindow& stats_;
  const CGameSession* session_ = nullptr;
  bool full_ = false;
};

void PlayOpening(CGameSession& s) {
  s.NewGame(3, false, false);
  for (int t : {5, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 4, 7, 8, 9, 10, 11, 12, 7, 7, 7}) s.ChooseTile(t);
  s.Pick(8);
  s.Pick(7);
  s.SelectPlayers({{0, CPlayer("Ann", "Lee", 1)}, {1, CPlayer("Bob", "Ray", 2)}, {2, CPlayer("Cleo", "Stone", 3)}});
  s.SortPlayers({0, 1, 2});
  const int corners[] = {21, 43, 54, 15, 32, 11};
  const int roads[][2] = {{2, 1}, {4, 3}, {5, 4}, {1, 5}, {3, 1}, {1, 1}};
  for (int i = 0; i < 6; ++i) {
    s.Pick(corners[i]);
    s.PickRoadSide(roads[i][0], roads[i][1]);
  }
}

// Turns of rolls (no sevens), a trade now and then, and End Turn.
void PlayTurns(CGameSession& s, int turns) {
  const int rolls[] = {6, 8, 5, 9, 4, 10, 3, 11, 2, 12};
  for (int t = 0; t < turns; ++t) {
    s.OnRoll(rolls[t % 10]);
    s.OnContinue();
    if (t % 3 == 0) {
      ResourceCounts give{}, get{};
      give[t % 5] = 1;
      get[(t + 1) % 5] = 1;
      s.TradeWithPlayer((s.CurrentPlayer() + 1) % 3, give, get);
    }
    s.OnEndTurn();
  }
}

// Milliseconds for one input with both windows painted; the input is taken
// back after each (not timed).
double TimeOnce(const std::function<void()>& input, const std::function<void()>& takeBack,
                const std::vector<wxWindow*>& windows) {
  Pump();
  const auto start = Clock::now();
  input();
  for (wxWindow* w : windows) w->Update();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  takeBack();
  for (wxWindow* w : windows) w->Update();
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  wxDisableAsserts();
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "no display\n");
    return 1;
  }
  {
    wxEventLoop loop;
    wxEventLoopBase::SetActive(&loop);
    CInterfaceImages images;
    images.Load(H3D_DATA_DIR, {});
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxPoint(0, 0), wxSize(200, 100));
    auto* history = new CHistoryWindow(frame, images);
    auto* stats = new CStatisticsWindow(frame);
    history->Show();
    stats->Show();
    Pump();

    CGame game;
    WindowsUi ui(*history, *stats);
    // The played turns never finish the game, so nothing is stored.
    CLibraryRandom randomSource;
    CBoardRandom random(randomSource, SystemClockSeconds);
    CProgramClock clock;
    NoStore store;
    CGameSession session(game, ui, SessionServices{clock, random, store});
    PlayOpening(session);
    PlayTurns(session, kTurns);
    ui.Connect(&session);
    history->ShowHistory(session.History().Log());
    stats->ShowGame(game);
    stats->ShowSection(16);
    Pump();
    const std::vector<wxWindow*> windows = {&history->Tree(), &stats->Grid(), history, stats};

    auto roll = [&] { session.OnRoll(6); };
    auto trade = [&] {
      ResourceCounts give{}, get{};
      give[0] = 1;
      get[3] = 1;
      session.TradeWithPlayer((session.CurrentPlayer() + 1) % 3, give, get);
    };
    auto undo = [&] { session.UndoLast(); };
    // Mode 0: as the program refreshes; 1: every section and the whole
    // tree; 2: the session alone, windows not told (its own share). The
    // modes take turns within each repeat, so that a machine busy with other
    // work slows all of them alike; each figure is a median.
    std::vector<double> samples[3][2];
    auto setMode = [&](int mode) {
      ui.SetFull(mode == 1);
      ui.Connect(mode == 2 ? nullptr : &session);
    };
    for (int r = 0; r < repeats; ++r) {
      for (int mode = 0; mode < 3; ++mode) {
        setMode(mode);
        samples[mode][0].push_back(TimeOnce(roll, undo, windows));
      }
      setMode(0);
      session.OnRoll(8);
      session.OnContinue();
      for (int mode = 0; mode < 3; ++mode) {
        setMode(mode);
        samples[mode][1].push_back(TimeOnce(trade, undo, windows));
      }
      setMode(0);
      session.UndoLast();
      session.UndoLast();
    }
    double times[3][2];
    for (int mode = 0; mode < 3; ++mode)
      for (int k = 0; k < 2; ++k) times[mode][k] = Median(samples[mode][k]);
    std::printf("game: %d turns, %zu history lines, %d statistics rows\n", session.History().TurnCount(),
                session.History().Log().ItemCount(), stats->Grid().GetNumberRows());
    const char* names[2] = {"roll ", "trade"};
    for (int k = 0; k < 2; ++k) {
      std::printf("%s: input and both windows painted %.2f ms (target %.0f ms: %s); every section and the whole "
                  "tree %.2f ms; ratio %.3f; session alone %.3f ms\n",
                  names[k], times[0][k], kTargetMs, times[0][k] < kTargetMs ? "met" : "missed", times[1][k],
                  times[0][k] / times[1][k], times[2][k]);
    }
    frame->Destroy();
    Pump();
  }
  wxEntryCleanup();
  return 0;
}
