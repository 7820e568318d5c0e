// Lays out and fills the statistics of whatever game header arbitrary bytes
// hold (as `hexstead-cli stats` does with a stored game): every write must
// land inside the grid and refreshing twice must give the same grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "records/archive.h"
#include "records/game.h"
#include "records/game_record.h"
#include "stats/game_statistics.h"
#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CGame game;
  try {
    CArchive ar(std::span<const uint8_t>(data, size));
    ReadGameRecordHeader(ar, game);
  } catch (const CArchiveException&) {
    // A damaged header still leaves a game to show: what was read of it.
  }
  CMemoryGrid grid;
  CStatisticsGrid report(grid);
  report.BuildLayout(game);
  report.RefreshAll();
  CMemoryGrid once = grid;
  report.RefreshAll();
  if (grid.OutOfRangeWrites() != 0 || !grid.SameCells(once)) std::abort();
  for (int s = 1; s < kStatSectionCount; ++s)
    if (report.SectionRow(s) <= report.SectionRow(s - 1)) std::abort();
  return 0;
}
