// Response of the game window at the table, on a full board at 1280 x 800:
// from a click on the dice pad to the redrawn window with the production
// lines shown, and from a click on a board site (a city on a settlement) to
// the redrawn board with the piece. The reference is a plain redraw of the
// same window in the same run. Each figure is the median of many clicks, each
// taken back with Undo before the next.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/evtloop.h>

#include "bench_support.h"
#include "board_view.h"
#include "build_button.h"
#include "engine/board/location_ids.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"
#include "render/tile_geometry.h"
#include "turn_panel.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 30;

void Pump() {
  wxEventLoopBase* loop = wxEventLoopBase::GetActive();
  for (int i = 0; i < 3; ++i) {
    while (loop->Pending()) loop->Dispatch();
    wxTheApp->ProcessPendingEvents();
    loop->ProcessIdle();
  }
}

double Ms(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

// Paints what the click invalidated, now.
void Redraw(CHexsteadView& view) {
  view.BoardView().Update();
  view.TurnPanel().Update();
}

// A full Standard board with four players, the snake of initial pieces placed,
// entered through the session's inputs (the windows follow its notices).
bool SetUpGame(CHexsteadView& view) {
  CGameSession& s = view.Session();
  for (int guard = 0; guard < 200 && s.GameStateNow() == BoardSetup; ++guard) {
    int type = 0;
    while (type < 13 && !s.Palette().enabled[type]) ++type;
    if (type == 13 || !s.ChooseTile(type)) return false;
  }
  for (int chip = 0; chip < 2; ++chip) {
    if (s.GameStateNow() != ChipPlacement || !s.Pick(s.PickableIds().at(0))) return false;
  }
  std::vector<SeatChoice> seats;
  const char* names[4] = {"Ann", "Bob", "Cid", "Dee"};
  for (int i = 0; i < 4; ++i) seats.push_back({i, CPlayer(names[i], "Bench", 2000 + i)});
  if (!s.SelectPlayers(seats) || !s.SortPlayers({0, 1, 2, 3})) return false;
  for (int step = 0; step < 60 && s.GameStateNow() == InitialPlacement; ++step) {
    const std::vector<int32_t> offered = s.PickableIds();
    if (offered.empty()) return false;
    const int32_t site = offered[(static_cast<size_t>(step) * 5) % offered.size()];
    // Roads are picked by the side a wedge shows; the offered ids are logical sides.
    const bool taken = s.Fields().placingSettlement ? s.Pick(site) : s.PickRoadSide(IdPosition(site), IdIndex(site));
    if (!taken) return false;
  }
  Pump();
  return s.GameStateNow() == Turn;
}

void Click(wxWindow* window) {
  wxCommandEvent click(wxEVT_BUTTON, window->GetId());
  click.SetEventObject(window);
  window->ProcessWindowEvent(click);
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path work = fs::temp_directory_path() / ("h3d_bench_turn_" + std::to_string(getpid()));
  fs::create_directories(work / "home");
  fs::create_directory_symlink(H3D_DATA_DIR, work / "data");
  fs::current_path(work);
  setenv("HOME", (work / "home").c_str(), 1);

  wxDisableAsserts();
  wxApp::SetInstance(new CHexsteadApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return 1;
  wxEventLoop loop;
  wxEventLoopBase::SetActive(&loop);
  TheApp().MainFrame()->SetSize(0, 0, 1280, 800);
  Pump();
  wxTEST_DIALOG(TheApp().NewGame(), wxExpectModal<CGameModeDialog>(), wxExpectModal<CGameOptionsDialog>());
  CHexsteadView* view = TheApp().OpenView();
  if (view == nullptr) return 1;
  Pump();
  CGameSession& s = view->Session();
  if (!SetUpGame(*view)) {
    std::fprintf(stderr, "could not set up the game (state %d)\n", s.GameStateNow());
    return 1;
  }
  Redraw(*view);

  std::vector<double> reference, roll, build;
  for (int run = 0; run <= kRuns; ++run) {
    auto t = Clock::now();
    view->BoardView().Refresh(false);
    Redraw(*view);
    if (run > 0) reference.push_back(Ms(t));

    // A total that produces: the chip of a tile next to the first settlement.
    int total = 8;
    for (int tile = 0; tile < s.Board().LandCount(); ++tile) {
      const CBoardPiece& piece = s.Board().Piece(tile);
      if (piece.chip != 0 && piece.chip != 7 && tile != s.Board().robberTile &&
          std::any_of(piece.building.begin(), piece.building.end(), [](BuildingCode c) { return c != 0; })) {
        total = piece.chip;
      }
    }
    t = Clock::now();
    Click(view->TurnPanel().DiceButton(total));
    Redraw(*view);
    if (run > 0) roll.push_back(Ms(t));
    if (s.GameStateNow() != GoodsReceived || !view->TurnPanel().ProductionShown()) {
      std::fprintf(stderr, "the roll of %d showed no production\n", total);
      return 1;
    }
    s.OnContinue();

    // A city: the build button (not timed), then the click on the settlement.
    Click(view->BuildButton(PurchaseCity).GetChildren()[0]);
    Pump();
    const std::vector<int32_t> sites = s.PickableIds();
    if (s.GameStateNow() != PlaceCity || sites.empty()) {
      std::fprintf(stderr, "no city site offered\n");
      return 1;
    }
    const CitySite site = DecodeCitySiteCode(sites.front());
    const CBoardPiece& piece = s.Board().Piece(site.position);
    const auto point = view->BoardView().ProjectToClient(piece.x + kCornerOffset[site.corner].x, 0.6,
                                                         piece.z + kCornerOffset[site.corner].z);
    const size_t depth = s.UndoDepth();
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.m_x = point->x;
    down.m_y = point->y;
    down.SetEventObject(&view->BoardView());
    t = Clock::now();
    view->BoardView().ProcessWindowEvent(down);
    Redraw(*view);
    if (run > 0) build.push_back(Ms(t));
    if (s.UndoDepth() <= depth) {
      std::fprintf(stderr, "the click missed the city site\n");
      return 1;
    }
    // Back to the roll: the city, the build button, the Continue and the roll.
    while (s.UndoDepth() > 0 && s.GameStateNow() != Turn) s.UndoLast();
    while (s.UndoDepth() > 0 && (s.GameStateNow() != Turn || s.TurnPanel().rolled)) s.UndoLast();
    Pump();
  }
  const double ref = Median(reference);
  std::printf("board %dx%d, %zu players, %d runs (llvmpipe)\n", view->BoardView().GetClientSize().x,
              view->BoardView().GetClientSize().y, s.Game().players.size(), kRuns);
  std::printf("plain redraw (reference)               %7.2f ms\n", ref);
  std::printf("dice click to production shown (< 50)  %7.2f ms  (%.2f x reference, worst %.2f)\n", Median(roll),
              Median(roll) / ref, *std::max_element(roll.begin(), roll.end()));
  std::printf("board click to piece drawn (< 50)      %7.2f ms  (%.2f x reference, worst %.2f)\n", Median(build),
              Median(build) / ref, *std::max_element(build.begin(), build.end()));
  TheApp().CloseAllGames();
  Pump();
  wxTheApp->OnExit();
  wxEntryCleanup();
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(work);
  return 0;
}
