#include "stats/statistics_grid.h"

#include "records/game.h"
#include "stats/game_statistics.h"
#include "stats/section_layout.h"

namespace layout = report_layout;

std::vector<CStatisticsGrid::SeatLook> CStatisticsGrid::SeatLooks(const CGame& game) {
  std::vector<SeatLook> looks;
  for (int s = 0; s < StatSeatCount(game); ++s)
    looks.push_back({game.players[s].player.DisplayName(), game.players[s].color});
  return looks;
}

void CStatisticsGrid::BuildLayout(const CGame& game) {
  game_ = &game;
  seatCount_ = StatSeatCount(game);
  seats_ = SeatLooks(game);
  grid_.HoldRedraw();
  grid_.Reset(layout::kGridRows, layout::kGridColumns);
  grid_.SetBaseFont(layout::BaseFont(), layout::kBaseRowHeight);
  int row = layout::kFirstSectionRow;
  for (int section = 0; section < kStatSectionCount; ++section) {
    sectionRows_[section] = row;
    row = layout::LayOutSection(grid_, game, seatCount_, section, row);
  }
  built_ = true;
  grid_.ReleaseRedraw();
}

bool CStatisticsGrid::SyncLayout(const CGame& game) {
  if (built_ && game_ == &game && seats_ == SeatLooks(game)) return false;
  BuildLayout(game);
  RefreshAll();
  return true;
}

void CStatisticsGrid::Clear() {
  grid_.HoldRedraw();
  grid_.Reset(0, layout::kGridColumns);
  grid_.ReleaseRedraw();
  game_ = nullptr;
  seatCount_ = 0;
  seats_.clear();
  built_ = false;
}

int CStatisticsGrid::SectionRow(int section) const {
  if (!built_ || section < 0 || section >= kStatSectionCount) return -1;
  return sectionRows_[section];
}

void CStatisticsGrid::Refresh(int section) {
  if (section < 0 || section >= kStatSectionCount) return;
  RefreshSections(StatSection(section));
}

void CStatisticsGrid::RefreshSections(StatSectionMask changed) {
  if (!built_) return;
  // The seats were chosen or ordered again since the layout was made: the
  // rows no longer show the right names and colours (or no longer fit the
  // figures), so lay everything out anew first.
  if (seats_ != SeatLooks(*game_)) {
    BuildLayout(*game_);
    changed = kAllStatSections;
  }
  StatSectionMask sections = SectionsToRefresh(changed);
  if (sections == 0) return;
  CGameStatistics statistics(*game_);
  grid_.HoldRedraw();
  for (int section = 0; section < kStatSectionCount; ++section)
    if (sections & StatSection(section)) layout::WriteFigures(grid_, sectionRows_[section], statistics.Compute(section));
  grid_.ReleaseRedraw();
}

void CStatisticsGrid::ShowSection(int section) {
  if (!built_ || section < 0 || section >= kStatSectionCount) return;
  grid_.SetTopRow(sectionRows_[section] - 1);
}
