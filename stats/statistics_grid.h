#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
  // Lays out again when the layout was made for another game record or for
  // other seats (count, names, colours or order: an undone or new playing
  // order keeps the count but moves names and colours), and then refreshes
  // every section. Returns true when it laid out.
  bool SyncLayout(const CGame& game);
  // Forgets the layout: an empty grid, as before the seats are chosen.
  void Clear();
  bool IsBuilt() const { return built_; }
  int SeatCount() const { return seatCount_; }
  // The grid row at which a section starts; -1 before the layout or for an
  // unknown index.
  int SectionRow(int section) const;

  // --- refreshing --------------------------------------------------------
  // Recomputes a section and the sections it feeds, and writes their texts
  // over the previous ones (after laying out again when the seats changed).
  // Headings, unknown indices and a grid not yet laid out are ignored.
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
  // What the layout shows of each seat: the seat rows and columns carry the
  // player's name on the seat's colour.
  struct SeatLook {
    std::string name;
    int32_t colour = 0;
    bool operator==(const SeatLook&) const = default;
  };
  static std::vector<SeatLook> SeatLooks(const CGame& game);

  IReportGrid& grid_;
  const CGame* game_ = nullptr;
  std::array<int32_t, kStatSectionCount> sectionRows_{};
  int seatCount_ = 0;
  std::vector<SeatLook> seats_;
  bool built_ = false;
};
