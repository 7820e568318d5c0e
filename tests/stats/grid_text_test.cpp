// The command line's text and CSV forms of a grid.
#include <gtest/gtest.h>

#include "stats/grid_text.h"
#include "stats/memory_grid.h"

namespace {

CMemoryGrid SmallGrid() {
  CMemoryGrid grid;
  grid.Reset(10, 21);
  grid.SetCellText(2, 2, "Dice rolls");
  grid.SetCellText(5, 3, "Ann Lee");
  grid.SetCellText(5, 4, "3");
  grid.SetCellText(5, 11, "2 ore, 1 \"good\" sheep from Bo Ng");
  grid.SetCellText(6, 4, "7");
  return grid;
}

TEST(GridText, TabbedLinesSkipEmptyRowsAndCells) {
  EXPECT_EQ(GridAsTabbedText(SmallGrid()), "Dice rolls\nAnn Lee\t3\t2 ore, 1 \"good\" sheep from Bo Ng\n7\n");
  CMemoryGrid empty;
  EXPECT_EQ(GridAsTabbedText(empty), "");
  EXPECT_EQ(GridAsCsv(empty), "");
}

TEST(GridText, CsvKeepsColumnsAndQuotes) {
  EXPECT_EQ(GridAsCsv(SmallGrid()),
            "Dice rolls\n"
            "\n"
            "\n"
            ",Ann Lee,3,,,,,,,\"2 ore, 1 \"\"good\"\" sheep from Bo Ng\"\n"
            ",,7\n");
}

}  // namespace
