// Start-up of the program, measured from process start: to the main window
// on screen, and on to a game window after File > New (GL set-up, textures,
// panels). The reference is a bare frame program started the same way in the
// same run. Each figure is the median of several fresh processes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

#include "bench_support.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;

// Handles events until the window is on screen and painted.
void PumpUntilShown(wxWindow* window) {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  do {
    while (loop->Pending()) loop->Dispatch();
    loop->ProcessIdle();
  } while (!window->IsShownOnScreen() && Clock::now() < deadline);
  window->Update();
  while (loop->Pending()) loop->Dispatch();
}

void Ready() {
  std::puts("ready");
  std::fflush(stdout);
}

// One child process: start the toolkit and the chosen program, report when
// its window is up, and leave.
int RunChild(const std::string& mode, int argc, char** argv) {
  wxDisableAsserts();
  if (mode == "bare") {
    wxApp::SetInstance(new wxApp);
  } else {
    wxApp::SetInstance(new CHexsteadApp);
  }
  if (!wxEntryStart(argc, argv)) return 1;
  wxEventLoop loop;
  wxEventLoopBase::SetActive(&loop);
  if (mode == "bare") {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "reference", wxDefaultPosition, wxSize(1024, 768));
    frame->CreateStatusBar();
    frame->Show();
    PumpUntilShown(frame);
  } else {
    if (!wxTheApp->CallOnInit()) return 1;
    PumpUntilShown(TheApp().MainFrame());
    if (mode == "game") {
      wxTEST_DIALOG(TheApp().NewGame(), wxExpectModal<CGameModeDialog>(), wxExpectModal<CGameOptionsDialog>());
      if (TheApp().OpenView() == nullptr) return 1;
      PumpUntilShown(&TheApp().OpenView()->BoardView());
    }
  }
  Ready();
  std::_Exit(0);  // the time after the window is up is not measured
}

// Milliseconds from starting a child until it reports its window; -1 when
// it failed.
double StartMs(const std::string& self, const std::string& mode) {
  const auto start = Clock::now();
  FILE* child = popen(("'" + self + "' --child " + mode).c_str(), "r");
  if (child == nullptr) return -1;
  char line[64] = {};
  const bool ready = std::fgets(line, sizeof line, child) != nullptr && std::strncmp(line, "ready", 5) == 0;
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  pclose(child);
  return ready ? ms : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr) {
    std::puts("bench_app_startup: DISPLAY is not set; run it under Xvfb");
    return 0;
  }
  // The program reads data/ from its working directory.
  std::filesystem::current_path(std::filesystem::path(H3D_DATA_DIR).parent_path());
  if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return RunChild(argv[2], 1, argv);

  const std::string self = std::filesystem::canonical("/proc/self/exe").string();
  // Rounds interleave the three programs so that caches and load hit all alike.
  std::vector<double> bareTimes, mainTimes, gameTimes;
  for (int run = 0; run < kRuns; ++run) {
    bareTimes.push_back(StartMs(self, "bare"));
    mainTimes.push_back(StartMs(self, "main"));
    gameTimes.push_back(StartMs(self, "game"));
  }
  const double bare = Median(bareTimes);
  const double main = Median(mainTimes);
  const double game = Median(gameTimes);
  const auto failed = [](const std::vector<double>& times) {
    return std::any_of(times.begin(), times.end(), [](double ms) { return ms < 0; });
  };
  if (failed(bareTimes) || failed(mainTimes) || failed(gameTimes)) {
    std::puts("bench_app_startup: a child did not start");
    return 1;
  }
  std::printf("median of %d fresh processes each\n", kRuns);
  std::printf("reference: bare wx frame on screen   %7.1f ms\n", bare);
  std::printf("start to main window (target 1 s)    %7.1f ms  (%.2f x reference)\n", main, main / bare);
  std::printf("start to game window after New       %7.1f ms  (%.2f x reference)\n", game, game / bare);
  return 0;
}
