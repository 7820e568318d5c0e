#include "game_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include <wx/dialog.h>

#include "board_setup_panel.h"
#include "board_view.h"
#include "build_button.h"
#include "command_ids.h"
#include "engine/board/board.h"
#include "engine/board/board_geometry.h"
#include "engine/board/location_ids.h"
#include "engine/board/tile_type.h"
#include "flat_bitmap_button.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"
#include "render/tile_geometry.h"
#include "turn_panel.h"

namespace steps {
namespace {

// Where menu 128's File menu and its New item appear in the main frame
// (GTK's default theme under Xvfb).
const wxPoint kFileMenu(19, 12);
const wxPoint kFileNewItem(50, 42);

// The hexagon's vertices in a tile's own frame, and the two vertices of each
// road wedge (as the board view draws them for picking).
constexpr double kH = kHexHalfHeight;
constexpr double kHexVertex[6][2] = {{5.0, 0.0}, {2.5, -kH}, {-2.5, -kH}, {-5.0, 0.0}, {-2.5, kH}, {2.5, kH}};
constexpr int kWedgeVertices[6][2] = {{4, 3}, {3, 2}, {2, 1}, {1, 0}, {0, 5}, {5, 4}};

}  // namespace

void RunWizard(bool fiveOrSix, bool trackTrades) {
  std::set<wxDialog*> answered;
  const wxPoint frame = TheApp().MainFrame()->GetScreenPosition();
  gui::WhileModal([&] {
                    gui::ClickAt(frame + kFileMenu);
                    gui::Pump(200);
                    gui::ClickAt(frame + kFileNewItem);
                    gui::WaitFor([] { return TheApp().OpenView() != nullptr; }, 5000);
                  },
                  [&] {
                    for (int id : {155, 156}) {
                      wxDialog* dialog = gui::ShownDialog(id);
                      if (dialog == nullptr || answered.count(dialog) != 0) continue;
                      answered.insert(dialog);
                      if (id == 156 && fiveOrSix) gui::ClickWindow(dialog->FindWindow(IDC_PLAYERS_56));
                      if (id == 156 && trackTrades) gui::ClickWindow(dialog->FindWindow(IDC_TRACK_TRADES));
                      gui::ClickWindow(dialog->FindWindow(wxID_OK));
                    }
                  });
}

wxPoint ScreenPointOf(CHexsteadView& view, double x, double z, double y) {
  const std::optional<wxPoint> client = view.BoardView().ProjectToClient(x, y, z);
  EXPECT_TRUE(client.has_value());
  return view.BoardView().ClientToScreen(client.value_or(wxPoint()));
}

wxPoint ScreenPointOfTile(CHexsteadView& view, int position) {
  const CBoardPiece& piece = view.Session().Board().Piece(position);
  return ScreenPointOf(view, piece.x, piece.z);
}

int CentreTile(const CBoard& board) {
  int best = 0;
  for (int t = 1; t < board.LandCount(); ++t) {
    const CBoardPiece& a = board.Piece(t);
    const CBoardPiece& b = board.Piece(best);
    if (std::hypot(a.x, a.z) < std::hypot(b.x, b.z)) best = t;
  }
  return best;
}

void EnterAllTiles(CHexsteadView& view) {
  CGameSession& session = view.Session();
  const int tiles = session.Board().TileCount();
  for (int click = 0; click < 2 * tiles && session.GameStateNow() == BoardSetup; ++click) {
    const CPaletteState& palette = session.Palette();
    int type = -1;
    for (int t = 0; t < CBoardSetupPanel::kItemCount && type < 0; ++t) {
      if (palette.enabled[t] && palette.remaining[t] > 0) type = t;
    }
    ASSERT_GE(type, 0) << "no palette item is offered at cursor " << session.Board().EntryCursor();
    const int cursor = session.Board().EntryCursor();
    gui::ClickWindow(view.Palette().PictureButton(type));
    ASSERT_TRUE(gui::WaitFor([&] { return session.Board().EntryCursor() != cursor; }))
        << "palette item " << type << " was not taken at cursor " << cursor;
  }
}

void PlaceChips(CHexsteadView& view) {
  CGameSession& session = view.Session();
  ClickTile(view, session.Board().FirstChipCandidates()[0]);
  ASSERT_TRUE(gui::WaitFor([&] { return !session.Board().AwaitingFirstChip(); }));
  ClickTile(view, session.Board().SecondChipCandidates()[0]);
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == PlayerInformation; }));
}

void ClickCorner(CHexsteadView& view, int cornerId) {
  const CBoardPiece& piece = view.Session().Board().Piece(IdPosition(cornerId));
  const BoardOffset& offset = kCornerOffset[IdIndex(cornerId)];
  gui::ClickAt(ScreenPointOf(view, piece.x + offset.x, piece.z + offset.z, 0.2));
  gui::Pump(50);
}

void ClickEdge(CHexsteadView& view, int edgeId) {
  const CBoard& board = view.Session().Board();
  int position = IdPosition(edgeId);
  int side = IdIndex(edgeId);
  // Roads are picked on the wedges of land tiles: use the land form of the side.
  if (position >= board.LandCount()) {
    const int neighbour = board.Piece(position).neighbor[static_cast<size_t>(side)];
    if (neighbour >= 0) {
      position = neighbour;
      side = Opposite(side);
    }
  }
  const CBoardPiece& piece = board.Piece(position);
  int wedge = 0;
  while (wedge < 5 && LogicalSideOfDrawnSide(wedge, piece.rotation) != side) ++wedge;
  const double* a = kHexVertex[kWedgeVertices[wedge][0]];
  const double* b = kHexVertex[kWedgeVertices[wedge][1]];
  // Two thirds of the way from the centre to the side's middle, in the turned frame.
  const double lx = (a[0] + b[0]) / 3.0;
  const double lz = (a[1] + b[1]) / 3.0;
  const double turn = piece.rotation * M_PI / 180.0;
  const double x = lx * std::cos(turn) + lz * std::sin(turn);
  const double z = -lx * std::sin(turn) + lz * std::cos(turn);
  gui::ClickAt(ScreenPointOf(view, piece.x + x, piece.z + z));
  gui::Pump(50);
}

void ClickCitySite(CHexsteadView& view, int citySiteCode) {
  const CitySite site = DecodeCitySiteCode(citySiteCode);
  const CBoardPiece& piece = view.Session().Board().Piece(site.position);
  const BoardOffset& offset = kCornerOffset[site.corner];
  gui::ClickAt(ScreenPointOf(view, piece.x + offset.x, piece.z + offset.z, 0.6));
  gui::Pump(50);
}

void ClickTile(CHexsteadView& view, int position) {
  const CBoardPiece& piece = view.Session().Board().Piece(position);
  // Beside the centre, where the number chip does not cover the tile.
  gui::ClickAt(ScreenPointOf(view, piece.x + 2.5, piece.z + 1.5));
  gui::Pump(50);
}

void Roll(CHexsteadView& view, int total) {
  wxWindow* die = view.TurnPanel().DiceButton(total);
  ASSERT_NE(die, nullptr);
  ASSERT_TRUE(die->IsShown()) << "the dice pad is not shown";
  gui::ClickWindow(die);
  gui::Pump(50);
}

void ClickAction(CHexsteadView& view, int command) {
  wxWindow* button = view.TurnPanel().ActionButton(command);
  ASSERT_NE(button, nullptr);
  gui::ClickWindow(button);
  gui::Pump(50);
}

void ClickBuild(CHexsteadView& view, PurchaseKind kind) {
  gui::ClickWindow(&view.BuildButton(kind));
  gui::Pump(50);
}

void ClickUndo(CHexsteadView& view) {
  gui::ClickWindow(view.CurrentSidePanel().FindWindow(IDC_UNDO_BUTTON));
  gui::Pump(50);
}

void Answering(const std::function<void()>& start, const std::vector<int>& dialogIds, const DialogAnswer& answer) {
  // An answered dialog is marked by name: dialogs live on the stack, so the
  // next one may well have the address of the one just closed.
  static const wxString kAnswered = "answered by the test";
  bool busy = false;
  gui::WhileModal(start, [&] {
    // A click inside an answer runs the timer's events again: answer one at a time.
    if (busy) return;
    busy = true;
    for (int id : dialogIds) {
      wxDialog* dialog = gui::ShownDialog(id);
      if (dialog == nullptr || dialog->GetName() == kAnswered) continue;
      if (answer(*dialog)) dialog->SetName(kAnswered);
    }
    busy = false;
  });
}

wxWindow* ShownWindowTitled(const std::string& caption) {
  for (wxWindow* window : wxTopLevelWindows) {
    if (window->IsShown() && window->GetLabel() == wxString::FromUTF8(caption)) return window;
  }
  return nullptr;
}

}  // namespace steps
