#pragma once

#include <string>

class CGame;
class CMemoryGrid;

// Plain-text forms of a filled grid, for the command line. Texts stay in the
// grid's 8-bit encoding; the caller converts them for its output.

// One line per row that holds text: its non-empty cells, left to right,
// separated by tabs.
std::string GridAsTabbedText(const CMemoryGrid& grid);

// The grid as CSV: one record per row from the first row with text to the
// last, each holding the cells from the leftmost used column to the row's
// last non-empty cell, so every figure keeps its column. Fields with a comma,
// a quote, a line break or outer spaces are quoted.
std::string GridAsCsv(const CMemoryGrid& grid);

// One CSV field: quoted (quotes doubled) when it holds a comma, a quote, a
// line break or a leading or trailing space.
std::string CsvField(const std::string& text);

// The whole statistics report of a game, laid out and filled as the
// statistics window shows it, in the two forms above.
std::string GameStatisticsAsTabbedText(const CGame& game);
std::string GameStatisticsAsCsv(const CGame& game);
