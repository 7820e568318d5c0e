#include "statistics_window.h"

#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/grid.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>
#include <wx/wfstream.h>

#include "records/game.h"
#include "records/text_encoding.h"
#include "stats/grid_text.h"
#include "stats/stats_catalogue.h"

namespace {

// Room beside the longest section name: the expand buttons, the indent of
// the tables and a margin.
constexpr int kTreeExtraWidth = 44;
// The figures of every table sit in columns 2 to 12: the window opens wide
// enough to show them all side by side.
constexpr int kLastTableColumn = 12;
constexpr int kTreeId = 1066;
constexpr int kGridId = 1065;
constexpr int kCopyId = wxID_COPY;
constexpr int kExportId = wxID_HIGHEST + 2;

// The section index an item of the tree stands for.
class CSectionData : public wxTreeItemData {
 public:
  explicit CSectionData(int section) : section(section) {}
  int section;
};

}  // namespace

CStatisticsWindow::CStatisticsWindow(wxWindow* parent)
    : CRecordWindow(parent, kDialogId, "Game Statistics", wxSize(1000, 600)) {
  tree_ = new wxTreeCtrl(this, kTreeId, wxDefaultPosition, wxDefaultSize,
                         wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
  tree_->SetBackgroundColour(*wxBLACK);
  tree_->SetForegroundColour(*wxWHITE);
  grid_ = new wxGrid(this, kGridId);
  cells_ = std::make_unique<CWxReportGrid>(*grid_);
  report_ = std::make_unique<CStatisticsGrid>(*cells_);
  BuildTree();
  // The tree is as wide as its longest name needs, and keeps that width.
  tree_->SetMinSize(wxSize(TreeWidth(), -1));

  // The tree keeps its width and the full height; the grid takes the rest.
  auto* sizer = new wxBoxSizer(wxHORIZONTAL);
  sizer->Add(tree_, 0, wxEXPAND);
  sizer->Add(grid_, 1, wxEXPAND);
  SetSizer(sizer);

  tree_->Bind(wxEVT_TREE_SEL_CHANGED, &CStatisticsWindow::OnSectionChosen, this);
  grid_->Bind(wxEVT_KEY_DOWN, &CStatisticsWindow::OnKeyDown, this);
  grid_->Bind(wxEVT_GRID_CELL_RIGHT_CLICK, &CStatisticsWindow::OnCellRightClick, this);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { CopySelection(); }, kCopyId);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnExportCommand(); }, kExportId);
}

void CStatisticsWindow::BuildTree() {
  const wxTreeItemId root = tree_->AddRoot(wxString());
  wxTreeItemId heading = root;
  for (int section = 0; section < kStatSectionCount; ++section) {
    const bool isHeading = IsStatHeading(section);
    const wxTreeItemId parent = isHeading ? root : heading;
    const wxTreeItemId item = tree_->AppendItem(parent, StatSectionName(section), -1, -1, new CSectionData(section));
    if (isHeading) heading = item;
    sectionItems_[section] = item;
  }
  for (int section = 0; section < kStatSectionCount; ++section)
    if (IsStatHeading(section)) tree_->Expand(sectionItems_[section]);
}

int CStatisticsWindow::TreeWidth() const {
  wxClientDC dc(tree_);
  dc.SetFont(tree_->GetFont());
  int widest = 0;
  for (int section = 0; section < kStatSectionCount; ++section)
    widest = std::max(widest, dc.GetTextExtent(StatSectionName(section)).x +
                                  (IsStatHeading(section) ? 0 : static_cast<int>(tree_->GetIndent())));
  return widest + kTreeExtraWidth;
}

// --- what it shows ----------------------------------------------------------------

void CStatisticsWindow::ShowGame(const CGame& game) {
  int x = 0, y = 0;
  grid_->GetViewStart(&x, &y);
  game_ = &game;
  if (report_->SyncLayout(game)) AfterLayout(x, y);
}

void CStatisticsWindow::RefreshReports(StatSectionMask changed) {
  if (game_ == nullptr || !report_->IsBuilt()) return;
  int x = 0, y = 0;
  grid_->GetViewStart(&x, &y);
  if (report_->SyncLayout(*game_)) {
    AfterLayout(x, y);
    return;
  }
  report_->RefreshSections(changed);
}

void CStatisticsWindow::Clear() {
  report_->Clear();
  game_ = nullptr;
}

void CStatisticsWindow::AfterLayout(int viewX, int viewY) {
  cells_->FitToTexts();
  grid_->Scroll(viewX, viewY);
  // Wide enough for the tables' columns without scrolling sideways, within
  // the screen.
  int needed = tree_->GetMinSize().x + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, grid_) + 4;
  for (int c = 0; c <= kLastTableColumn && c < grid_->GetNumberCols(); ++c) needed += grid_->GetColSize(c);
  const int display = wxDisplay(static_cast<unsigned>(std::max(wxDisplay::GetFromWindow(this), 0)))
                          .GetClientArea().GetWidth();
  const wxSize client = GetClientSize();
  if (client.x < needed) SetClientSize(std::min(needed, display - 16), client.y);
}

void CStatisticsWindow::ShowSection(int section) { report_->ShowSection(section); }

void CStatisticsWindow::OnSectionChosen(wxTreeEvent& event) {
  auto* data = dynamic_cast<CSectionData*>(tree_->GetItemData(event.GetItem()));
  if (data != nullptr) ShowSection(data->section);
}

// --- copying and exporting ----------------------------------------------------------

wxString CStatisticsWindow::SelectionAsText() const {
  wxString text;
  auto addBlock = [&](int top, int left, int bottom, int right) {
    for (int r = top; r <= bottom; ++r) {
      for (int c = left; c <= right; ++c) text << (c > left ? "\t" : "") << grid_->GetCellValue(r, c);
      text << "\n";
    }
  };
  bool selected = false;
  for (const wxGridBlockCoords& block : grid_->GetSelectedBlocks()) {
    selected = true;
    addBlock(block.GetTopRow(), block.GetLeftCol(), block.GetBottomRow(), block.GetRightCol());
  }
  const int row = grid_->GetGridCursorRow(), column = grid_->GetGridCursorCol();
  if (!selected && row >= 0 && column >= 0) addBlock(row, column, row, column);
  return text;
}

void CStatisticsWindow::CopySelection() const {
  const wxString text = SelectionAsText();
  if (text.empty()) return;
  wxClipboardLocker locker;
  if (!locker) return;
  wxTheClipboard->SetData(new wxTextDataObject(text));
}

bool CStatisticsWindow::ExportCsv(const wxString& path, std::string* error) const {
  if (game_ == nullptr) {
    if (error) *error = "There are no statistics to export yet.";
    return false;
  }
  const std::string csv = Cp1252ToUtf8(GameStatisticsAsCsv(*game_));
  // Written beside the target and renamed over it, so that a failed write
  // leaves an older file as it was. The toolkit's own error box is held back:
  // the caller reports the failure once.
  wxLogNull quiet;
  wxTempFileOutputStream out(path);
  if (!out.IsOk() || !out.WriteAll(csv.data(), csv.size()) || !out.Commit()) {
    if (error) *error = "Could not write " + std::string(path.utf8_str()) + ".";
    return false;
  }
  return true;
}

void CStatisticsWindow::OnKeyDown(wxKeyEvent& event) {
  if (event.GetKeyCode() == 'C' && event.GetModifiers() == wxMOD_CONTROL) {
    CopySelection();
    return;
  }
  event.Skip();
}

void CStatisticsWindow::OnCellRightClick(wxGridEvent& event) {
  // A click outside the selection selects the cell clicked, as in a
  // spreadsheet.
  if (!grid_->IsInSelection(event.GetRow(), event.GetCol())) grid_->SetGridCursor(event.GetRow(), event.GetCol());
  wxMenu menu;
  menu.Append(kCopyId, "&Copy\tCtrl+C");
  menu.Append(kExportId, "Export as CSV...");
  menu.Enable(kExportId, game_ != nullptr);
  PopupMenu(&menu);
}

void CStatisticsWindow::OnExportCommand() {
  wxFileDialog dialog(this, "Export as CSV", wxString(), "statistics.csv", "CSV files (*.csv)|*.csv|All files|*",
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return;
  std::string error;
  if (!ExportCsv(dialog.GetPath(), &error)) wxMessageBox(wxString::FromUTF8(error), "Export as CSV", wxOK | wxICON_ERROR, this);
}
