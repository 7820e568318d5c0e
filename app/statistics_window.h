#pragma once

#include <array>
#include <memory>
#include <string>

#include <wx/treebase.h>

#include "stats/statistics_grid.h"
#include "record_window.h"
#include "wx_report_grid.h"

class CGame;
class wxGrid;
class wxGridEvent;
class wxTreeCtrl;
class wxTreeEvent;

// The "Game Statistics" window: the section tree on the left (headings at
// the top level, their tables under them; choosing one scrolls the grid to
// it) and the 23 report sections of one game on a grid filling the rest.
// It shows the game in play or one opened for review; refreshes rewrite only
// the sections a change feeds and keep the scroll position. Ctrl+C copies
// the selected cells as tab-separated text; its context menu also exports
// the whole report as CSV.
class CStatisticsWindow : public CRecordWindow {
 public:
  static constexpr int kDialogId = 181;

  explicit CStatisticsWindow(wxWindow* parent);

  // Shows `game` (which must outlive its showing, or be replaced first): lays
  // the report out when it is another record or its seats changed (names,
  // colours, order), and then fills every section. Nothing when it already
  // shows these seats of this record.
  void ShowGame(const CGame& game);
  // Recomputes the sections of `changed` (a session report mask) and those
  // they feed; a change of seats since the layout lays it out again first.
  // Nothing before a game is shown.
  void RefreshReports(StatSectionMask changed);
  // An empty grid: no game, or its seats not chosen yet.
  void Clear();
  bool IsShowingGame() const { return report_->IsBuilt(); }
  // Scrolls the grid to a section, as choosing it in the tree does.
  void ShowSection(int section);

  // The selected cells (or the current cell) as tab-separated lines.
  wxString SelectionAsText() const;
  void CopySelection() const;
  // Writes the whole report as CSV (UTF-8); false and the reason on failure.
  bool ExportCsv(const wxString& path, std::string* error) const;

  wxTreeCtrl& Tree() const { return *tree_; }
  wxGrid& Grid() const { return *grid_; }
  const CWxReportGrid& Cells() const { return *cells_; }
  // The tree item of each section, by section index.
  const std::array<wxTreeItemId, kStatSectionCount>& SectionItems() const { return sectionItems_; }

 private:
  void BuildTree();
  int TreeWidth() const;
  // Lays out with the grid's scroll position kept.
  void AfterLayout(int viewX, int viewY);
  void OnSectionChosen(wxTreeEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnCellRightClick(wxGridEvent& event);
  void OnExportCommand();

  wxTreeCtrl* tree_ = nullptr;
  wxGrid* grid_ = nullptr;
  std::unique_ptr<CWxReportGrid> cells_;
  std::unique_ptr<CStatisticsGrid> report_;
  const CGame* game_ = nullptr;
  std::array<wxTreeItemId, kStatSectionCount> sectionItems_;
};
