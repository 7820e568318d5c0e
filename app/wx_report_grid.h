#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <wx/font.h>
#include <wx/string.h>

#include "stats/report_grid.h"

class wxGrid;

// The statistics report on a wxGrid: texts, fonts, colours, merged cells and
// boxes as the report layout writes them. The grid shows no row or column
// labels and no grid lines, so that the boxes and seat colours make the
// tables, as on a printed report.
class CWxReportGrid : public IReportGrid {
 public:
  explicit CWxReportGrid(wxGrid& grid);

  // --- IReportGrid -------------------------------------------------------
  void Reset(int rows, int columns) override;
  void SetBaseFont(const GridFont& font, int rowHeight) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetCellFont(int row, int column, const GridFont& font) override;
  void SetCellBackground(int row, int column, uint32_t colour) override;
  void MergeCells(int row, int column, int columnCount) override;
  void DrawBox(int top, int left, int bottom, int right) override;
  void SetTopRow(int row) override;
  void HoldRedraw() override;
  void ReleaseRedraw() override;

  // --- after a layout ----------------------------------------------------
  // Sizes every column to the widest text it holds outside merged cells (the
  // merged titles and detail texts run over their neighbours), and every row
  // to the tallest font.
  void FitToTexts();

  // --- what is shown (tests and copying read it back) ---------------------
  int RowCount() const;
  int ColumnCount() const;
  std::string Text(int row, int column) const;  // Windows-1252, as written
  // The cell's background as 0x00BBGGRR (the grid's default when unpainted).
  uint32_t Background(int row, int column) const;
  // The run of columns a cell covers: 1 for a plain cell, 0 inside a merge.
  int MergedColumns(int row, int column) const;
  wxFont CellFont(int row, int column) const;
  struct Box {
    int top, left, bottom, right;
    bool operator==(const Box&) const = default;
  };
  const std::vector<Box>& Boxes() const { return boxes_; }
  // Which sides of a cell carry a box line (bits of BoxEdge).
  enum BoxEdge : uint8_t { EdgeTop = 1, EdgeBottom = 2, EdgeLeft = 4, EdgeRight = 8 };
  uint8_t BoxEdges(int row, int column) const;
  int TopRow() const;

  // The installed face that stands for a font face of the report ("Verdana"
  // is usually missing on Linux: the nearest wide sans face takes its place).
  static wxString InstalledFace(const std::string& face);
  static wxFont ToWxFont(const GridFont& font);

 private:
  wxGrid& grid_;
  int rowHeight_ = 0;
  int holdDepth_ = 0;
  bool batched_ = false;  // a layout is being written in one batch
  std::vector<Box> boxes_;
  std::map<std::pair<int, int>, uint8_t> edges_;
};
