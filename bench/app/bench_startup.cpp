// Start-up of the application: from the toolkit's initialisation to the main
// window on screen, and opening a game window (GL set-up and textures), each
// against a bare frame shown in the same run as the reference.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/testing.h>

#include "game_mode_dialog.h"
#include "game_options_dialog.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"

// The wizard dialogs answered with OK, without showing them.
template <>
class wxExpectModal<CGameModeDialog> : public wxExpectModalBase<CGameModeDialog> {
 protected:
  int OnInvoked(CGameModeDialog*) const override { return wxID_OK; }
};
template <>
class wxExpectModal<CGameOptionsDialog> : public wxExpectModalBase<CGameOptionsDialog> {
 protected:
  int OnInvoked(CGameOptionsDialog*) const override { return wxID_OK; }
};

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Handles events until the window is on screen and painted.
void PumpUntilShown(wxWindow* window) {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  do {
    while (loop->Pending()) loop->Dispatch();
    loop->ProcessIdle();
  } while (!window->IsShownOnScreen() && Clock::now() < deadline);
  window->Update();
}

double BareFrameMs() {
  const auto start = Clock::now();
  auto* frame = new wxFrame(nullptr, wxID_ANY, "reference", wxDefaultPosition, wxSize(1024, 768));
  frame->CreateStatusBar();
  frame->Show();
  PumpUntilShown(frame);
  const double ms = MsSince(start);
  frame->Destroy();
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr) {
    std::puts("bench_startup: DISPLAY is not set; run under Xvfb");
    return 0;
  }
  std::filesystem::current_path(H3D_DATA_DIR "/..");
  wxDisableAsserts();

  const auto processStart = Clock::now();
  wxApp::SetInstance(new CHexsteadApp);
  if (!wxEntryStart(argc, argv)) return 1;
  const double toolkitMs = MsSince(processStart);
  wxEventLoop loop;
  wxEventLoopBase::SetActive(&loop);

  const auto initStart = Clock::now();
  if (!wxTheApp->CallOnInit()) return 1;
  PumpUntilShown(TheApp().MainFrame());
  const double mainWindowMs = MsSince(initStart);
  const double totalMs = MsSince(processStart);

  const double referenceMs = BareFrameMs();

  const auto gameStart = Clock::now();
  wxTEST_DIALOG(TheApp().NewGame(), wxExpectModal<CGameModeDialog>(),
                wxExpectModal<CGameOptionsDialog>());
  if (TheApp().OpenView() == nullptr) return 1;
  PumpUntilShown(&TheApp().OpenView()->BoardView());
  const double gameWindowMs = MsSince(gameStart);

  std::printf("toolkit initialisation            %8.1f ms\n", toolkitMs);
  std::printf("application to main window        %8.1f ms  (%.2f x a bare frame)\n", mainWindowMs,
              mainWindowMs / referenceMs);
  std::printf("start to main window (target 1 s) %8.1f ms\n", totalMs);
  std::printf("reference: bare frame shown       %8.1f ms\n", referenceMs);
  std::printf("File > New to game window         %8.1f ms  (%.2f x a bare frame)\n", gameWindowMs,
              gameWindowMs / referenceMs);

  TheApp().CloseAllGames();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
