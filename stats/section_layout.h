#pragma once

// Where and how each statistics section sits on the report grid: the grid
// size, the columns, the fonts, and the first laying out of every section.

#include "stats/report_grid.h"
#include "stats/section_figures.h"

class CGame;

namespace report_layout {

inline constexpr int kGridRows = 400;
inline constexpr int kGridColumns = 21;  // detail texts reach column 20
inline constexpr int kFirstSectionRow = 2;

inline constexpr int kHeadingColumn = 2;      // heading titles, merged over 2-5
inline constexpr int kLabelColumn = 3;        // table titles, player names, row labels
inline constexpr int kFirstFigureColumn = 4;
inline constexpr int kShareNameColumn = 11;   // "From board" share block: names
inline constexpr int kFirstShareColumn = 12;  //   and six shares in 12-17
inline constexpr int kDetailColumn = 11;      // detail texts, merged over 11-20
inline constexpr int kDetailColumns = 10;

// A table's header row and first body row, from the section's first row.
inline constexpr int kHeaderOffset = 2;
inline constexpr int kBodyOffset = 3;

inline constexpr int kBaseRowHeight = 12;
GridFont BaseFont();          // Verdana, normal, 12 units high
GridFont HeadingTitleFont();  // 9 point bold
GridFont TableTitleFont();    // 8 point
GridFont BodyFont();          // 7 point

// Lays out `section` for `seats` seats of `game` from `row` on, with its
// initial texts; returns the first row after it (and its empty row).
int LayOutSection(IReportGrid& grid, const CGame& game, int seats, int section, int row);

// Writes computed figures into the cells of a section laid out at `row`.
void WriteFigures(IReportGrid& grid, int row, const SectionFigures& figures);

}  // namespace report_layout
