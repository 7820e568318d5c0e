#pragma once

#include <cstdint>
#include <string>

// A font of a grid cell.
struct GridFont {
  std::string face;
  int pointSize = 0;
  bool bold = false;

  bool operator==(const GridFont&) const = default;
};

// The spreadsheet-style grid the statistics are laid out on. The window
// implements it with its grid control; tests and the command line keep the
// cells in memory. Rows and columns count from 0. Texts are the program's
// 8-bit (Windows-1252) text, as stored in the records. Colours are 0x00BBGGRR.
class IReportGrid {
 public:
  virtual ~IReportGrid() = default;

  // Forgets every text, font, colour, merge and box and sizes the grid.
  virtual void Reset(int rows, int columns) = 0;
  // The font of cells that were given none, and the height of every row in
  // logical units.
  virtual void SetBaseFont(const GridFont& font, int rowHeight) = 0;

  // One cell.
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  virtual void SetCellFont(int row, int column, const GridFont& font) = 0;
  virtual void SetCellBackground(int row, int column, uint32_t colour) = 0;

  // Shows `columnCount` cells from (row, column) rightwards as one cell,
  // holding the text of the first.
  virtual void MergeCells(int row, int column, int columnCount) = 0;
  // Draws a border around the rectangle of cells, corners included.
  virtual void DrawBox(int top, int left, int bottom, int right) = 0;

  // Scrolls so that `row` is the top visible row.
  virtual void SetTopRow(int row) = 0;

  // Redraw is held while a section is written and released once after it;
  // releasing redraws the grid.
  virtual void HoldRedraw() = 0;
  virtual void ReleaseRedraw() = 0;
};
