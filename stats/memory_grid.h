#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "stats/report_grid.h"

// A grid that keeps everything written to it: the statistics of a game
// without a window (the command line prints it) and the grid tests check.
class CMemoryGrid : public IReportGrid {
 public:
  struct Merge {
    int row, column, columnCount;
    bool operator==(const Merge&) const = default;
  };
  struct Box {
    int top, left, bottom, right;
    bool operator==(const Box&) const = default;
  };
  using Cell = std::pair<int, int>;  // row, column

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

  // --- what was written --------------------------------------------------
  int RowCount() const { return rows_; }
  int ColumnCount() const { return columns_; }
  std::string Text(int row, int column) const;  // "" when never set
  // The cell's font; the base font when it was given none.
  GridFont Font(int row, int column) const;
  const GridFont& BaseFont() const { return baseFont_; }
  int RowHeight() const { return rowHeight_; }
  // -1 when the cell was never painted.
  int64_t Background(int row, int column) const;
  const std::vector<Merge>& Merges() const { return merges_; }
  const std::vector<Box>& Boxes() const { return boxes_; }
  int TopRow() const { return topRow_; }
  bool RedrawHeld() const { return holdDepth_ > 0; }
  int RedrawCount() const { return redraws_; }
  // Writes that fell outside the grid (none in a sound layout).
  int OutOfRangeWrites() const { return outOfRange_; }
  // The non-empty texts of one row, left to right.
  std::vector<std::pair<int, std::string>> RowTexts(int row) const;
  // Everything but the redraw counters, for comparing two grids.
  bool SameCells(const CMemoryGrid& other) const;

 private:
  bool Inside(int row, int column);

  int rows_ = 0;
  int columns_ = 0;
  GridFont baseFont_;
  int rowHeight_ = 0;
  std::map<Cell, std::string> texts_;
  std::map<Cell, GridFont> fonts_;
  std::map<Cell, uint32_t> backgrounds_;
  std::vector<Merge> merges_;
  std::vector<Box> boxes_;
  int topRow_ = 0;
  int holdDepth_ = 0;
  int redraws_ = 0;
  int outOfRange_ = 0;
};
