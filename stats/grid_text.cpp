#include "stats/grid_text.h"

#include <algorithm>
#include <climits>

#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"

std::string CsvField(const std::string& text) {
  bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
               (!text.empty() && (text.front() == ' ' || text.back() == ' '));
  if (!quote) return text;
  std::string field = "\"";
  for (char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  return field + '"';
}

namespace {

// The same layout and figures as the statistics window, on a grid in memory.
void FillReport(CMemoryGrid& grid, const CGame& game) {
  CStatisticsGrid report(grid);
  report.BuildLayout(game);
  report.RefreshAll();
}

}  // namespace

std::string GridAsTabbedText(const CMemoryGrid& grid) {
  std::string out;
  for (int row = 0; row < grid.RowCount(); ++row) {
    auto cells = grid.RowTexts(row);
    if (cells.empty()) continue;
    for (size_t i = 0; i < cells.size(); ++i) out += (i ? "\t" : "") + cells[i].second;
    out += '\n';
  }
  return out;
}

std::string GridAsCsv(const CMemoryGrid& grid) {
  int firstRow = -1, lastRow = -1, firstColumn = INT_MAX;
  for (int row = 0; row < grid.RowCount(); ++row) {
    auto cells = grid.RowTexts(row);
    if (cells.empty()) continue;
    if (firstRow < 0) firstRow = row;
    lastRow = row;
    firstColumn = std::min(firstColumn, cells.front().first);
  }
  std::string out;
  for (int row = firstRow; row >= 0 && row <= lastRow; ++row) {
    auto cells = grid.RowTexts(row);
    int column = firstColumn;
    for (const auto& [at, text] : cells) {
      for (; column < at; ++column) out += ',';
      out += CsvField(text);
    }
    out += '\n';
  }
  return out;
}

std::string GameStatisticsAsTabbedText(const CGame& game) {
  CMemoryGrid grid;
  FillReport(grid, game);
  return GridAsTabbedText(grid);
}

std::string GameStatisticsAsCsv(const CGame& game) {
  CMemoryGrid grid;
  FillReport(grid, game);
  return GridAsCsv(grid);
}
