#include "stats/memory_grid.h"

#include <algorithm>

void CMemoryGrid::Reset(int rows, int columns) {
  rows_ = std::max(rows, 0);
  columns_ = std::max(columns, 0);
  texts_.clear();
  fonts_.clear();
  backgrounds_.clear();
  merges_.clear();
  boxes_.clear();
  topRow_ = 0;
}

void CMemoryGrid::SetBaseFont(const GridFont& font, int rowHeight) {
  baseFont_ = font;
  rowHeight_ = rowHeight;
}

bool CMemoryGrid::Inside(int row, int column) {
  bool inside = row >= 0 && row < rows_ && column >= 0 && column < columns_;
  if (!inside) ++outOfRange_;
  return inside;
}

void CMemoryGrid::SetCellText(int row, int column, const std::string& text) {
  if (!Inside(row, column)) return;
  if (text.empty())
    texts_.erase({row, column});
  else
    texts_[{row, column}] = text;
}

void CMemoryGrid::SetCellFont(int row, int column, const GridFont& font) {
  if (Inside(row, column)) fonts_[{row, column}] = font;
}

void CMemoryGrid::SetCellBackground(int row, int column, uint32_t colour) {
  if (Inside(row, column)) backgrounds_[{row, column}] = colour;
}

void CMemoryGrid::MergeCells(int row, int column, int columnCount) {
  if (!Inside(row, column) || columnCount < 1 || !Inside(row, column + columnCount - 1)) return;
  merges_.push_back({row, column, columnCount});
}

void CMemoryGrid::DrawBox(int top, int left, int bottom, int right) {
  if (!Inside(top, left) || !Inside(bottom, right) || bottom < top || right < left) return;
  boxes_.push_back({top, left, bottom, right});
}

void CMemoryGrid::SetTopRow(int row) {
  if (Inside(row, 0)) topRow_ = row;
}

void CMemoryGrid::HoldRedraw() { ++holdDepth_; }

void CMemoryGrid::ReleaseRedraw() {
  if (holdDepth_ > 0 && --holdDepth_ == 0) ++redraws_;
}

std::string CMemoryGrid::Text(int row, int column) const {
  auto it = texts_.find({row, column});
  return it == texts_.end() ? std::string() : it->second;
}

GridFont CMemoryGrid::Font(int row, int column) const {
  auto it = fonts_.find({row, column});
  return it == fonts_.end() ? baseFont_ : it->second;
}

int64_t CMemoryGrid::Background(int row, int column) const {
  auto it = backgrounds_.find({row, column});
  return it == backgrounds_.end() ? -1 : int64_t{it->second};
}

std::vector<std::pair<int, std::string>> CMemoryGrid::RowTexts(int row) const {
  std::vector<std::pair<int, std::string>> cells;
  for (auto it = texts_.lower_bound({row, 0}); it != texts_.end() && it->first.first == row; ++it)
    cells.emplace_back(it->first.second, it->second);
  return cells;
}

bool CMemoryGrid::SameCells(const CMemoryGrid& other) const {
  return rows_ == other.rows_ && columns_ == other.columns_ && baseFont_ == other.baseFont_ &&
         rowHeight_ == other.rowHeight_ && texts_ == other.texts_ && fonts_ == other.fonts_ &&
         backgrounds_ == other.backgrounds_ && merges_ == other.merges_ && boxes_ == other.boxes_ &&
         topRow_ == other.topRow_;
}
