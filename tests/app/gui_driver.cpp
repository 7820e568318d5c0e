#include "gui_driver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "hexstead_app.h"

// Last: Xlib's macros (None, Status, Bool) would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace gui {
namespace {

bool started = false;
bool keepUnfinishedGame = false;

// Asserts must never open their modal box in a headless run.
void ReportAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
  std::fprintf(stderr, "wx assert %s:%d %s: %s %s\n", static_cast<const char*>(file.utf8_str()), line,
               static_cast<const char*>(func.utf8_str()), static_cast<const char*>(cond.utf8_str()),
               static_cast<const char*>(msg.utf8_str()));
}

// The program reads data/ from its working directory and keeps its profile
// settings in the home directory: give it a private pair of both.
void PrepareWorkingDirectory() {
  namespace fs = std::filesystem;
  const fs::path work = fs::path(kTestWorkDir);
  fs::create_directories(work / "home");
  std::error_code ignored;
  fs::remove(work / "home" / ".Hexstead3D", ignored);
  // data/ is the program's own: the texture archives are links to the
  // generated ones, and the databases it writes stay in the work directory.
  const fs::path data = work / "data";
  if (fs::is_symlink(data)) fs::remove(data);
  fs::create_directories(data);
  if (!keepUnfinishedGame) fs::remove(data / "current-game.script", ignored);
  for (const fs::directory_entry& entry : fs::directory_iterator(H3D_DATA_DIR)) {
    if (entry.path().extension() != ".tex") continue;
    const fs::path link = data / entry.path().filename();
    if (!fs::exists(fs::symlink_status(link))) fs::create_symlink(entry.path(), link);
  }
  fs::current_path(work);
  setenv("HOME", (work / "home").c_str(), 1);
}

// The pointer is moved and clicked with XTest on the program's own display
// connection. XSync returns once the server has taken the request, so the
// events are on their way before the program is pumped; wxUIActionSimulator
// would also wait a few tens of milliseconds after each event.
Display* X() { return wxGetX11Display(); }

void MovePointer(wxPoint screen) {
  XTestFakeMotionEvent(X(), -1, screen.x, screen.y, CurrentTime);
  XSync(X(), False);
}

void PressButton(bool down) {
  XTestFakeButtonEvent(X(), 1, down ? True : False, CurrentTime);
  XSync(X(), False);
}

void PumpOnce() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  if (loop == nullptr) return;
  while (loop->Pending()) loop->Dispatch();
  // Calls queued for later (CallAfter) run as the main loop would run them.
  wxTheApp->ProcessPendingEvents();
  loop->ProcessIdle();
}

}  // namespace

void KeepUnfinishedGame() { keepUnfinishedGame = true; }

void RemoveStoredData() {
  namespace fs = std::filesystem;
  const fs::path data = fs::path(kTestWorkDir) / "data";
  std::error_code ignored;
  for (const char* name : {"player.db", "game.db", "keys.db", "temp.db", "tempkey.db"}) fs::remove(data / name, ignored);
}

bool Start(std::string* why) {
  if (started) return true;
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    *why = "DISPLAY is not set: the GUI tests need an X server (scripts/test starts Xvfb)";
    return false;
  }
  PrepareWorkingDirectory();
  // As few helper threads as the libraries allow: no accessibility bus, no
  // settings daemon, and Mesa's software rasterizer drawing in the calling
  // thread. Threads still running at exit can make the leak checker of the
  // sanitizer build crash while it stops them.
  setenv("NO_AT_BRIDGE", "1", 0);
  setenv("GSETTINGS_BACKEND", "memory", 0);
  setenv("LP_NUM_THREADS", "0", 0);
  wxSetAssertHandler(ReportAssert);
  wxApp::SetInstance(new CHexsteadApp);
  static int argc = 1;
  static char name[] = "test_app";
  static char* argv[] = {name, nullptr};
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    *why = "the application did not start";
    return false;
  }
  started = true;
  // A running loop makes wxEventLoopBase::GetActive() usable between steps.
  static wxEventLoop* loop = new wxEventLoop;
  wxEventLoopBase::SetActive(loop);
  Pump(300);
  return true;
}

void Stop() {
  if (!started) return;
  wxTheApp->OnExit();
  wxEntryCleanup();
  started = false;
}

void Pump(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  do {
    PumpOnce();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (std::chrono::steady_clock::now() < end);
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    PumpOnce();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void ClickAt(wxPoint screen) {
  // The pointer arrives as a hand moves it, from a pixel away: a GTK menu bar
  // opens its menu only for a press that follows a motion over its title.
  MovePointer(screen - wxPoint(1, 1));
  Pump(10);
  MovePointer(screen);
  Pump(30);
  PressButton(true);
  PressButton(false);
  Pump(30);
}

void DoubleClickAt(wxPoint screen) {
  MovePointer(screen);
  Pump(30);
  for (int click = 0; click < 2; ++click) {
    PressButton(true);
    PressButton(false);
  }
  Pump(50);
}

void TypeText(const char* text) {
  wxUIActionSimulator sim;
  sim.Text(text);
  Pump(50);
}

void ClickWindow(wxWindow* window) {
  const wxRect rect = window->GetScreenRect();
  ClickAt(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));
}

void PressEscape() {
  wxUIActionSimulator sim;
  sim.Char(WXK_ESCAPE);
  Pump(100);
}

void PressCtrl(char letter) {
  wxUIActionSimulator sim;
  sim.Char(letter, wxMOD_CONTROL);
  Pump(100);
}

void Drag(wxPoint from, wxPoint to) {
  MovePointer(from);
  Pump(30);
  PressButton(true);
  Pump(30);
  constexpr int kSteps = 10;
  for (int i = 1; i <= kSteps; ++i) {
    MovePointer(from + wxPoint((to.x - from.x) * i / kSteps, (to.y - from.y) * i / kSteps));
    Pump(15);
  }
  PressButton(false);
  Pump(50);
}

wxDialog* ShownDialog(int id) {
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = dynamic_cast<wxDialog*>(window);
    if (dialog != nullptr && dialog->GetId() == id && dialog->IsShown()) return dialog;
  }
  return nullptr;
}

void WhileModal(const std::function<void()>& start, const std::function<void()>& onTick) {
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { onTick(); });
  timer.Start(100);
  start();
  timer.Stop();
}

void OpenNewGame(const std::function<void(wxDialog*)>& options) {
  std::set<wxDialog*> answered;
  WhileModal([] { TheApp().NewGame(); },
             [&] {
               for (int id : {155, 156}) {
                 wxDialog* dialog = ShownDialog(id);
                 if (dialog == nullptr || answered.count(dialog) != 0) continue;
                 answered.insert(dialog);
                 if (id == 156 && options) options(dialog);
                 ClickWindow(dialog->FindWindow(wxID_OK));
               }
             });
}

void Screenshot(const std::string& name) {
  namespace fs = std::filesystem;
  Pump(100);
  const fs::path dir = fs::path(H3D_SCREENSHOT_DIR);
  fs::create_directories(dir);
  const std::string command = "/usr/bin/import -window root '" + (dir / (name + ".png")).string() + "'";
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "screenshot %s failed\n", name.c_str());
}

}  // namespace gui
