// The Game History and Game Statistics windows of the real program during a
// game whose inputs are handed to the view's session directly: after every
// input and every Undo the history tree shows the session's history and the
// statistics grid shows what a grid in memory shows for the same game; a
// stored copy of the game opened for review shows the same again.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <span>
#include <sstream>
#include <vector>

#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/treectrl.h>

#include "command_ids.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "main_frame.h"
#include "records/archive.h"
#include "records/clock.h"
#include "records/game_record.h"
#include "records/text_encoding.h"
#include "stats/grid_text.h"
#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"
#include "statistics_window.h"

namespace {

// --- what the windows show ------------------------------------------------------

struct TreeLine {
  std::string text;  // Windows-1252, as the history holds it
  int picture;
  bool isTopLevel;
  bool operator==(const TreeLine&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TreeLine& line) {
  return out << (line.isTopLevel ? "" : "  ") << line.text << " [" << line.picture << "]";
}

// The tree's items in display order, read from the tree control itself.
std::vector<TreeLine> TreeLines(const wxTreeCtrl& tree) {
  std::vector<TreeLine> lines;
  auto text = [&](wxTreeItemId id) { return Utf8ToCp1252(std::string(tree.GetItemText(id).utf8_str())); };
  wxTreeItemIdValue groupCookie, entryCookie;
  for (wxTreeItemId group = tree.GetFirstChild(tree.GetRootItem(), groupCookie); group.IsOk();
       group = tree.GetNextChild(tree.GetRootItem(), groupCookie)) {
    EXPECT_EQ(tree.GetItemImage(group, wxTreeItemIcon_Selected), tree.GetItemImage(group));
    lines.push_back({text(group), tree.GetItemImage(group), true});
    for (wxTreeItemId entry = tree.GetFirstChild(group, entryCookie); entry.IsOk();
         entry = tree.GetNextChild(group, entryCookie)) {
      EXPECT_FALSE(tree.ItemHasChildren(entry));
      lines.push_back({text(entry), tree.GetItemImage(entry), false});
    }
  }
  return lines;
}

std::vector<TreeLine> LogLines(const CHistoryLog& log) {
  std::vector<TreeLine> lines;
  for (const CHistoryItem& item : log.Items()) lines.push_back({item.text, item.picture, item.isTopLevel});
  return lines;
}

// The statistics of a game as a grid in memory holds them, laid out afresh
// and filled completely.
struct MemoryReport {
  explicit MemoryReport(const CGame& game) : report(grid) {
    report.BuildLayout(game);
    report.RefreshAll();
  }
  CMemoryGrid grid;
  CStatisticsGrid report;
};

// Every cell of the window's grid against the grid in memory: texts, colours,
// fonts, merges and boxes. Stops at the first few differences.
::testing::AssertionResult SameGrid(const CStatisticsWindow& window, const CMemoryGrid& expected) {
  const CWxReportGrid& shown = window.Cells();
  if (shown.RowCount() != expected.RowCount() || shown.ColumnCount() != expected.ColumnCount())
    return ::testing::AssertionFailure() << "size " << shown.RowCount() << "x" << shown.ColumnCount() << ", expected "
                                         << expected.RowCount() << "x" << expected.ColumnCount();
  const uint32_t plain = [&] {
    const wxColour c = window.Grid().GetDefaultCellBackgroundColour();
    return uint32_t(c.Red()) | uint32_t(c.Green()) << 8 | uint32_t(c.Blue()) << 16;
  }();
  std::set<std::pair<int, int>> mergeStarts;
  for (const CMemoryGrid::Merge& m : expected.Merges()) mergeStarts.insert({m.row, m.column});
  std::ostringstream faults;
  int count = 0;
  for (int r = 0; r < expected.RowCount() && count < 5; ++r) {
    for (int c = 0; c < expected.ColumnCount() && count < 5; ++c) {
      std::ostringstream cell;
      const int64_t background = expected.Background(r, c);
      const GridFont font = expected.Font(r, c);
      const wxFont wx = shown.CellFont(r, c);
      int mergedWith = 1;
      for (const CMemoryGrid::Merge& m : expected.Merges())
        if (m.row == r && c > m.column && c < m.column + m.columnCount) mergedWith = 0;
      for (const CMemoryGrid::Merge& m : expected.Merges())
        if (m.row == r && m.column == c) mergedWith = m.columnCount;
      if (mergedWith != 0 && shown.Text(r, c) != expected.Text(r, c))
        cell << " text '" << shown.Text(r, c) << "' != '" << expected.Text(r, c) << "'";
      if (shown.Background(r, c) != (background < 0 ? plain : uint32_t(background)))
        cell << " background " << std::hex << shown.Background(r, c) << " != " << background << std::dec;
      if (wx.GetPointSize() != font.pointSize || wx.GetWeight() != (font.bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL) ||
          wx.GetFaceName() != CWxReportGrid::InstalledFace(font.face))
        cell << " font " << wx.GetFaceName() << " " << wx.GetPointSize() << " != " << font.face << " " << font.pointSize;
      if (shown.MergedColumns(r, c) != mergedWith)
        cell << " merge " << shown.MergedColumns(r, c) << " != " << mergedWith;
      if (!cell.str().empty()) {
        faults << "\n(" << r << "," << c << ")" << cell.str();
        ++count;
      }
    }
  }
  std::vector<CWxReportGrid::Box> boxes;
  for (const CMemoryGrid::Box& b : expected.Boxes()) boxes.push_back({b.top, b.left, b.bottom, b.right});
  if (shown.Boxes() != boxes) faults << "\nboxes differ: " << shown.Boxes().size() << " != " << boxes.size();
  if (!faults.str().empty()) return ::testing::AssertionFailure() << faults.str();
  return ::testing::AssertionSuccess();
}

// --- the game ------------------------------------------------------------------------

// A still clock: turn times in the reports do not depend on how fast the
// machine (or the sanitizer build) runs the test.
class RecordWindows : public GuiTest {
 protected:
  RecordWindows() : GuiTest(Clock::Still) {}
  void AfterStart() override {
    OpenGame();
    view_ = TheApp().OpenView();
    ASSERT_NE(view_, nullptr);
    ASSERT_TRUE(gui::WaitFor([&] { return view_->BoardView().IsGLReady(); }));
  }

  static void OpenGame() { gui::OpenNewGame(); }

  CGameSession& Session() { return view_->Session(); }
  CHistoryWindow& History() { return view_->HistoryWindow(); }
  CStatisticsWindow& Stats() { return view_->StatisticsWindow(); }

  // Both windows against the session, as the proof of every step.
  void ExpectWindowsMatchSession(const std::string& step) {
    SCOPED_TRACE(step);
    EXPECT_EQ(TreeLines(History().Tree()), LogLines(Session().History().Log()));
    if (!Session().Fields().playersSelected) {
      EXPECT_FALSE(Stats().IsShowingGame());
      EXPECT_EQ(Stats().Cells().RowCount(), 0);
      return;
    }
    ASSERT_TRUE(Stats().IsShowingGame());
    MemoryReport expected(Session().Game());
    EXPECT_TRUE(SameGrid(Stats(), expected.grid));
  }

  // Hands one input to the session, lets the windows follow, and checks them.
  void Step(const std::string& what, const std::function<bool()>& input, bool mustBeTaken = true) {
    const bool taken = input();
    EXPECT_TRUE(taken || !mustBeTaken) << what << " was not taken";
    gui::Pump(10);
    ExpectWindowsMatchSession(what);
  }
  void Undo(const std::string& what) {
    Step("undo " + what, [&] { return Session().UndoLast(); });
  }

  void EnterBoardAndChips() {
    // Land 0..18 (Desert in the centre, then the rings), then the harbours.
    const int tiles[] = {5, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 0, 1, 4, 7, 8, 9, 10, 11, 12, 7, 7, 7};
    for (int t : tiles) Step("tile " + std::to_string(t), [&] { return Session().ChooseTile(t); });
    Step("first chip", [&] { return Session().Pick(8); });
    Step("second chip", [&] { return Session().Pick(7); });
  }

  void SelectPlayers() {
    std::vector<SeatChoice> seats = {{0, CPlayer("Ann", "Lee", 1001)},
                                     {1, CPlayer("Bob", "Ray", 1002)},
                                     {2, CPlayer("Cleo", "St\xF8ne", 1003)}};  // an 8-bit name
    Step("select", [&] { return Session().SelectPlayers(seats); });
  }

  void Order(std::vector<int32_t> order) {
    Step("order", [&] { return Session().SortPlayers(order); });
  }

  void InitialPlacement() {
    // Settlement corners and road sides in snake order.
    const int corners[] = {21, 43, 54, 15, 32, 11};
    const int roads[][2] = {{2, 1}, {4, 3}, {5, 4}, {1, 5}, {3, 1}, {1, 1}};
    for (int i = 0; i < 6; ++i) {
      Step("settlement", [&] { return Session().Pick(corners[i]); });
      Step("road", [&] { return Session().PickRoadSide(roads[i][0], roads[i][1]); });
    }
  }

  // One ordinary turn: roll, production shown, actions, End Turn.
  void Turn(int roll, const std::function<void()>& actions = {}) {
    Step("roll " + std::to_string(roll), [&] { return Session().OnRoll(roll); });
    Step("continue", [&] { return Session().OnContinue(); });
    if (actions) actions();
    Step("end turn", [&] { return Session().OnEndTurn(); });
  }

  // Builds the first piece the build buttons offer (the session shows a
  // button only for a piece with a legal place that can be paid for).
  void BuildFirstOffered() {
    const std::array<bool, 3>& shown = Session().Fields().buildButtons;  // settlement, city, road
    const PurchaseKind kinds[3] = {PurchaseSettlement, PurchaseCity, PurchaseRoad};
    const auto offered = std::find(shown.begin(), shown.end(), true);
    if (offered == shown.end()) return;
    const PurchaseKind kind = kinds[offered - shown.begin()];
    Step("build", [&] { return Session().OnBuild(kind); });
    const std::vector<int32_t> ids = Session().PickableIds();
    ASSERT_FALSE(ids.empty());
    if (kind == PurchaseRoad)
      Step("road site", [&] { return Session().PickRoadSide(ids[0] / 10, ids[0] % 10); });
    else
      Step("building site", [&] { return Session().Pick(ids[0]); });
    ++builds_;
  }

  // The current player gives the next one a card of the first kind they
  // hold for a card of another kind the partner holds.
  void TradeWithNextPlayer() {
    const int32_t me = Session().CurrentPlayer(), partner = (me + 1) % 3;
    const CGame& game = Session().Game();
    for (int give = 0; give < 5; ++give) {
      for (int get = 0; get < 5; ++get) {
        if (give == get || game.players[me].hand[give] == 0 || game.players[partner].hand[get] == 0) continue;
        ResourceCounts out{}, in{};
        out[give] = 1;
        in[get] = 1;
        Step("trade", [&] { return Session().TradeWithPlayer(partner, out, in); });
        ++trades_;
        return;
      }
    }
  }

  // A game from the first tile to a few turns, with Undo along the way.
  void PlayScriptedGame() {
    EnterBoardAndChips();
    Undo("second chip");
    Step("second chip again", [&] { return Session().Pick(7); });
    SelectPlayers();
    Order({0, 1, 2});
    // A new order with the same seat count moves every name and colour.
    Undo("order");
    Order({2, 0, 1});
    InitialPlacement();
    Turn(6, [&] { TradeWithNextPlayer(); });
    Turn(8, [&] { BuildFirstOffered(); });
    // Undoing the roll takes the new turn group with it.
    Step("roll", [&] { return Session().OnRoll(10); });
    Undo("roll");
    Turn(10, [&] {
      Step("buy", [&] { return Session().OnBuyCard(); });
      TradeWithNextPlayer();
    });
    Turn(9, [&] { BuildFirstOffered(); });
    Turn(5, [&] {
      TradeWithNextPlayer();
      BuildFirstOffered();
    });
    Turn(4, [&] { Undo("continue"); Step("continue", [&] { return Session().OnContinue(); }); });
    Turn(11, [&] { BuildFirstOffered(); });
    Turn(3, [&] { BuildFirstOffered(); });
  }

  CHexsteadView* view_ = nullptr;
  int builds_ = 0;
  int trades_ = 0;
};

using gui_history = RecordWindows;
using gui_stats = RecordWindows;

// The windows' own content: pictures, groups and their folding, the section
// tree, fonts.
TEST_F(gui_history, TreeFollowsEveryInputAndUndoOfAScriptedGame) {
  History().Show();
  Stats().Show();
  PlayScriptedGame();
  const std::vector<TreeLine> lines = TreeLines(History().Tree());
  ASSERT_GT(lines.size(), 80u);
  EXPECT_EQ(lines[0], (TreeLine{"Board Setup", 13, true}));
  EXPECT_EQ(lines[1], (TreeLine{"Placed a desert.", 5, false}));
  EXPECT_EQ(lines[2], (TreeLine{"Placed a timber.", 0, false}));
  // The first seat is Cleo after the new order: her name and colour picture.
  const auto turn1 = std::find_if(lines.begin(), lines.end(), [](const TreeLine& l) { return l.text.rfind("Turn 1 - ", 0) == 0; });
  ASSERT_NE(turn1, lines.end());
  EXPECT_EQ(turn1->text, "Turn 1 - Cleo St\xF8ne");
  EXPECT_EQ(History().Tree().GetItemText(History().Items()[turn1 - lines.begin()]), wxString::FromUTF8("Turn 1 - Cleo Støne"));

  // Earlier groups are folded; the newest entry is in view.
  wxTreeCtrl& tree = History().Tree();
  const std::vector<wxTreeItemId>& items = History().Items();
  int expanded = 0;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].isTopLevel && tree.IsExpanded(items[i])) ++expanded;
  EXPECT_EQ(expanded, 1);
  EXPECT_TRUE(tree.IsExpanded(tree.GetItemParent(items.back())));
  EXPECT_TRUE(tree.IsVisible(items.back()));

  // "Copy as text": groups flush left, entries indented below them.
  const wxString text = History().AsText();
  EXPECT_TRUE(text.StartsWith("Board Setup\n    Placed a desert.\n    Placed a timber.\n"));
  EXPECT_EQ(static_cast<size_t>(text.Freq('\n')), lines.size());
  Stats().Hide();
  gui::Screenshot("history_window");
}

TEST_F(gui_stats, GridEqualsTheReportInMemoryAfterEveryInputAndUndo) {
  Stats().Show();
  PlayScriptedGame();
  const CGame& game = Session().Game();
  // The game built pieces and traded, so that those tables were refreshed.
  EXPECT_GE(builds_, 2);
  EXPECT_GE(trades_, 2);
  ASSERT_EQ(game.players.size(), 3u);
  EXPECT_EQ(game.players[0].player.DisplayName(), "Cleo St\xF8ne");
  // Figures arrived: rolls and a trade.
  const CWxReportGrid& cells = Stats().Cells();
  MemoryReport expected(game);
  const int frequencies = expected.report.SectionRow(1);
  EXPECT_EQ(cells.Text(frequencies + 3 + 4, 4), "1");  // one 6 rolled
  EXPECT_NE(cells.Text(expected.report.SectionRow(16) + 3, 4), "");

  // Readable at 1280 x 800: columns 2 to 12 fit beside the tree without
  // scrolling sideways, and the body font is not smaller than 7 points.
  const wxGrid& grid = Stats().Grid();
  int tableWidth = 0;
  for (int c = 0; c <= 12; ++c) tableWidth += grid.GetColSize(c);
  EXPECT_LE(tableWidth, grid.GetClientSize().x);
  EXPECT_LE(Stats().GetSize().x, 1280);
  // The tree shows its longest name and keeps its width; margins are narrow.
  EXPECT_EQ(Stats().Tree().GetSize().x, Stats().Tree().GetMinSize().x);
  EXPECT_LT(grid.GetColSize(0), 20);
  Stats().ShowSection(4);
  gui::Pump(50);
  gui::Screenshot("statistics_window");
}

TEST_F(gui_stats, SectionTreeScrollsTheGridAndRefreshesKeepTheScrollPosition) {
  Stats().Show();
  wxTreeCtrl& tree = Stats().Tree();
  EXPECT_EQ(tree.GetBackgroundColour(), *wxBLACK);
  EXPECT_EQ(tree.GetForegroundColour(), *wxWHITE);
  // Headings at the top level, tables under the heading before them.
  const auto& items = Stats().SectionItems();
  EXPECT_EQ(tree.GetItemParent(items[0]), tree.GetRootItem());
  EXPECT_EQ(tree.GetItemParent(items[2]), items[0]);
  EXPECT_EQ(tree.GetItemParent(items[14]), items[10]);
  EXPECT_EQ(tree.GetItemText(items[18]), "Trading ratios");
  // Nothing to show before the seats are chosen: choosing does nothing.
  tree.SelectItem(items[4]);
  gui::Pump(20);
  EXPECT_FALSE(Stats().IsShowingGame());

  EnterBoardAndChips();
  SelectPlayers();
  Order({0, 1, 2});
  InitialPlacement();
  MemoryReport layout(Session().Game());
  tree.SelectItem(items[12]);
  gui::Pump(50);
  const int top = Stats().Cells().TopRow();
  EXPECT_EQ(top, layout.report.SectionRow(12) - 1);
  Turn(6);
  Turn(8);
  Undo("end turn");
  EXPECT_EQ(Stats().Cells().TopRow(), top);

  // Ctrl+C copies the selected cells as tab-separated lines.
  const int header = layout.report.SectionRow(4) + 2;
  Stats().Grid().SelectBlock(header, 3, header + 1, 5);
  EXPECT_EQ(Stats().SelectionAsText(), "Player\tTurns\tTotal Time\nAnn Lee\t1\t:00\n");

  // "Export as CSV..." writes what `hexstead-cli stats N --csv` prints.
  const std::filesystem::path csv = std::filesystem::temp_directory_path() / "h3d_gui_stats_export.csv";
  std::string error;
  ASSERT_TRUE(Stats().ExportCsv(wxString::FromUTF8(csv.string()), &error)) << error;
  std::ifstream in(csv, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, Cp1252ToUtf8(GameStatisticsAsCsv(Session().Game())));
  EXPECT_FALSE(Stats().ExportCsv("/nonexistent-dir/x.csv", &error));
  EXPECT_FALSE(error.empty());
  std::filesystem::remove(csv);
}

// Popups > Game History and Game Stats show and hide the windows; the close
// box hides them and takes the check mark off. The Window menu offers no
// command that does nothing.
TEST_F(gui_stats, PopupsMenuChecksFollowTheWindowsAndWindowMenuIsDisabled) {
  CMainFrame* main = TheApp().MainFrame();
  wxFrame* child = static_cast<wxFrame*>(view_->GetFrame());
  wxMenuBar* menus = child->GetMenuBar();
  ASSERT_NE(menus, nullptr);
  ASSERT_NE(menus->FindItem(ID_POPUPS_HISTORY), nullptr);
  auto checked = [&](int id) {
    menus->UpdateMenus();
    return menus->FindItem(id)->IsChecked();
  };
  for (int id : {static_cast<int>(ID_POPUPS_HISTORY), static_cast<int>(ID_POPUPS_STATS)}) {
    wxWindow* window = id == ID_POPUPS_HISTORY ? static_cast<wxWindow*>(&History()) : &Stats();
    EXPECT_FALSE(window->IsShown());
    EXPECT_FALSE(checked(id));
    wxCommandEvent toggle(wxEVT_MENU, id);
    main->GetEventHandler()->ProcessEvent(toggle);
    gui::Pump(50);
    EXPECT_TRUE(window->IsShown());
    EXPECT_TRUE(checked(id));
    window->Close();
    gui::Pump(50);
    EXPECT_FALSE(window->IsShown());
    EXPECT_FALSE(checked(id));
    EXPECT_NE(window->GetParent(), nullptr);  // hidden, not destroyed
  }
  EXPECT_EQ(History().GetId(), 179);
  EXPECT_EQ(History().GetTitle(), "Game History");
  EXPECT_EQ(Stats().GetId(), 181);
  EXPECT_EQ(Stats().GetTitle(), "Game Statistics");
  EXPECT_NE(Stats().FindWindow(1066), nullptr);
  EXPECT_NE(Stats().FindWindow(1065), nullptr);
  menus->UpdateMenus();
  for (int id : {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE})
    EXPECT_FALSE(menus->FindItem(id)->IsEnabled()) << id;
}

// A stored game opened for review shows the tree and grid the live game had
// at its end, in a fresh game window.
TEST_F(gui_history, ReviewedStoredGameShowsTheSameTreeAndGridAsTheLiveGame) {
  PlayScriptedGame();
  const std::vector<TreeLine> liveTree = TreeLines(History().Tree());
  CGame liveGame = Session().Game();
  // Stored and read back as the game database does.
  std::vector<uint8_t> bytes;
  {
    CArchive out(bytes);
    CHistoryLog log = Session().History().Log();
    CBoard board = Session().Board();
    WriteGameRecord(out, liveGame, log, board);
    out.Flush();
  }
  CGame stored;
  CHistoryLog storedLog;
  CBoard storedBoard;
  CArchive in{std::span<const uint8_t>(bytes)};
  ReadGameRecord(in, stored, storedLog, storedBoard);

  OpenGame();
  view_ = TheApp().OpenView();
  ASSERT_NE(view_, nullptr);
  EXPECT_TRUE(TreeLines(History().Tree()).empty());
  EXPECT_FALSE(Stats().IsShowingGame());
  *TheApp().CurrentGame() = stored;
  Session().ShowStoredGame(storedBoard, storedLog);
  gui::Pump(20);
  EXPECT_EQ(TreeLines(History().Tree()), liveTree);
  MemoryReport live(liveGame);
  EXPECT_TRUE(SameGrid(Stats(), live.grid));
  // Only the last group is unfolded, as at the end of the live game.
  wxTreeCtrl& tree = History().Tree();
  EXPECT_TRUE(tree.IsExpanded(tree.GetItemParent(History().Items().back())));
  EXPECT_FALSE(tree.IsExpanded(History().Items().front()));
}

}  // namespace
