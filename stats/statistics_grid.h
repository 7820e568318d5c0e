#pragma once

#include <array>
#include <cstdint>

#include "stats/report_grid.h"
#include "stats/stats_catalogue.h"

class CGame;

// The 23 statistics sections of one game laid out as one tall table on a
// report grid, and kept up to date as the game changes.
class CStatisticsGrid {
 public:
  explicit CStatisticsGrid(IReportGrid& grid) : grid_(grid) {}

  // --- layout ------------------------------------------------------------
  // Clears the grid and lays out every section for the game's seats with
  // their initial texts. The game is read again by every refresh, so it must
  // outlive the layout (or be laid out anew when it is replaced).
  void BuildLayout(const CGame& game);
  bool IsBuilt() const { return built_; }
  int SeatCount() const { return seatCount_; }
  // The grid row at which a section starts; -1 before the layout or for an
  // unknown index.
  int SectionRow(int section) const;

  // --- refreshing --------------------------------------------------------
  // Recomputes a section and the sections it feeds, and writes their texts
  // over the previous ones. Headings, unknown indices and a grid not yet laid
  // out are ignored.
  void Refresh(int section);
  // The same for a set of changed sections (a session notification), with
  // one redraw for all of them.
  void RefreshSections(StatSectionMask changed);
  // Every section, as when a stored game is opened for review.
  void RefreshAll() { RefreshSections(kAllStatSections); }

  // --- navigation --------------------------------------------------------
  // Scrolls so that the row just above the section is the top row; nothing
  // before the layout is made.
  void ShowSection(int section);

 private:
  IReportGrid& grid_;
  const CGame* game_ = nullptr;
  std::array<int32_t, kStatSectionCount> sectionRows_{};
  int seatCount_ = 0;
  bool built_ = false;
};
