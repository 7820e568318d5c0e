#include "stats/section_layout.h"

#include <string>
#include <vector>

#include "engine/board/tile_type.h"
#include "records/game.h"
#include "stats/seat_colours.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"
#include "stats/stats_catalogue.h"

namespace report_layout {

// A cell height of 12 logical units is a 9-point font on a 96-dpi screen.
GridFont BaseFont() { return {"Verdana", 9, false}; }
GridFont HeadingTitleFont() { return {"Verdana", 9, true}; }
GridFont TableTitleFont() { return {"Verdana", 8, false}; }
GridFont BodyFont() { return {"Verdana", 7, false}; }

namespace {

using Texts = std::vector<std::string>;

constexpr int kTotals = 11;  // dice totals 2..12
constexpr const char* kTotalLabel = "Total";
constexpr const char* kAverageLabel = "Average:";

const Texts kFrequencyHeader = {"Die Roll", "# Rolled", "% Rolled", "% Expect"};
const Texts kTimeHeader = {"Player", "Turns", "Total Time", "Average", "Longest", "Shortest"};
const Texts kTradesHeader = {"Player", "To others", "Bank: 2-1", "Bank: 3-1", "Bank: 4-1", "Total"};
const Texts kRatiosHeader = {"Player",    "To Bank",     "From Bank",    "Bank Ratio", "To Others",
                             "From Others", "Others Ratio", "To Total", "From Total", "Total Ratio"};
// Initial "Trading ratios" figures: counts, and the three ratios.
const Texts kRatiosInitial = {"0", "0", "0.00", "0", "0", "0.00", "0", "0", "0.00"};

Texts Repeat(const std::string& text, int count) { return Texts(static_cast<size_t>(count), text); }

Texts Join(Texts first, const Texts& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

Texts ResourceHeader() {
  Texts header = {"Player"};
  for (ResourceType r : kAllResources) header.push_back(ResourceName(r));
  header.push_back(kTotalLabel);
  return header;
}

std::string SeatName(const CGame& game, int seat) { return game.players[seat].player.DisplayName(); }
uint32_t SeatColour(const CGame& game, int seat) { return PaleSeatColour(game.players[seat].color); }

// Body cells: text in the body font, from `column` rightwards.
void PutRow(IReportGrid& grid, int row, int column, const Texts& texts) {
  for (const std::string& text : texts) {
    grid.SetCellText(row, column, text);
    grid.SetCellFont(row, column, BodyFont());
    ++column;
  }
}

void Paint(IReportGrid& grid, int row, int firstColumn, int lastColumn, uint32_t colour) {
  for (int c = firstColumn; c <= lastColumn; ++c) grid.SetCellBackground(row, c, colour);
}

void PutTitle(IReportGrid& grid, int row, int column, const GridFont& font, int section) {
  grid.SetCellText(row, column, StatSectionName(section));
  grid.SetCellFont(row, column, font);
  grid.MergeCells(row, column, 4);
}

// A seat row: the player's name, then the figures, on the seat's colour.
void PutSeatRow(IReportGrid& grid, const CGame& game, int seat, int row, const Texts& figures) {
  PutRow(grid, row, kLabelColumn, Join({SeatName(game, seat)}, figures));
  Paint(grid, row, kLabelColumn, kFirstFigureColumn + static_cast<int>(figures.size()) - 1, SeatColour(game, seat));
}

void PutTotalRow(IReportGrid& grid, int row, const Texts& figures) {
  PutRow(grid, row, kLabelColumn, Join({kTotalLabel}, figures));
  Paint(grid, row, kLabelColumn, kFirstFigureColumn + static_cast<int>(figures.size()) - 1, kTotalRowColour);
}

// A header whose columns from `column` on are the seats, on their colours.
void PutSeatHeader(IReportGrid& grid, const CGame& game, int seats, int row, const std::string& label) {
  PutRow(grid, row, kLabelColumn, {label});
  for (int s = 0; s < seats; ++s) {
    PutRow(grid, row, kFirstFigureColumn + s, {SeatName(game, s)});
    grid.SetCellBackground(row, kFirstFigureColumn + s, SeatColour(game, s));
  }
}

int LayOutFrequencies(IReportGrid& grid, int row) {
  PutRow(grid, row + kHeaderOffset, kLabelColumn, kFrequencyHeader);
  int body = row + kBodyOffset;
  for (int i = 0; i < kTotals; ++i)
    PutRow(grid, body + i, kLabelColumn, {FormatCount(2 + i), "0", "0.00%", ExpectedRollPercent(2 + i)});
  PutRow(grid, body + kTotals, kLabelColumn, {kAverageLabel, "0.00"});
  grid.DrawBox(row + kHeaderOffset, kLabelColumn, body + kTotals, kLabelColumn + 3);
  return body + kTotals + 2;
}

int LayOutFrequenciesByPlayer(IReportGrid& grid, const CGame& game, int seats, int row) {
  PutSeatHeader(grid, game, seats, row + kHeaderOffset, "Die Roll");
  int body = row + kBodyOffset;
  for (int i = 0; i < kTotals; ++i) PutRow(grid, body + i, kLabelColumn, Join({FormatCount(2 + i)}, Repeat("0", seats)));
  PutRow(grid, body + kTotals, kLabelColumn, Join({kAverageLabel}, Repeat("0.00", seats)));
  return body + kTotals + 2;
}

// A table of seat rows with the same initial figures, optionally followed by
// a white "Total" row and a box from the header to the last row.
int LayOutSeatTable(IReportGrid& grid, const CGame& game, int seats, int row, const Texts& header,
                    const Texts& seatFigures, const Texts* totalFigures, bool boxed) {
  PutRow(grid, row + kHeaderOffset, kLabelColumn, header);
  int body = row + kBodyOffset;
  for (int s = 0; s < seats; ++s) PutSeatRow(grid, game, s, body + s, seatFigures);
  int last = body + seats - 1;
  if (totalFigures) PutTotalRow(grid, ++last, *totalFigures);
  if (boxed) grid.DrawBox(row + kHeaderOffset, kLabelColumn, last, kLabelColumn + static_cast<int>(header.size()) - 1);
  return last + 2;
}

// "From board": each seat's share of production, beside the seat rows.
void LayOutShareBlock(IReportGrid& grid, const CGame& game, int seats, int body) {
  for (int s = 0; s < seats; ++s) {
    PutRow(grid, body + s, kShareNameColumn, Join({SeatName(game, s)}, Repeat("0.0", kResourceCount + 1)));
    Paint(grid, body + s, kShareNameColumn, kFirstShareColumn + kResourceCount, SeatColour(game, s));
  }
  if (seats > 0) grid.DrawBox(body, kShareNameColumn, body + seats - 1, kFirstShareColumn + kResourceCount);
}

void LayOutDetailCells(IReportGrid& grid, const CGame& game, int seats, int body) {
  for (int s = 0; s < seats; ++s) {
    PutRow(grid, body + s, kDetailColumn, {""});
    grid.SetCellBackground(body + s, kDetailColumn, SeatColour(game, s));
    grid.MergeCells(body + s, kDetailColumn, kDetailColumns);
  }
}

int LayOutResources(IReportGrid& grid, const CGame& game, int seats, int section, int row) {
  Texts zeros = Repeat("0", kResourceCount + 1);
  int next = LayOutSeatTable(grid, game, seats, row, ResourceHeader(), zeros, &zeros, true);
  if (HasShareTable(section)) LayOutShareBlock(grid, game, seats, row + kBodyOffset);
  if (HasDetailText(section)) LayOutDetailCells(grid, game, seats, row + kBodyOffset);
  return next;
}

int LayOutTradingPartners(IReportGrid& grid, const CGame& game, int seats, int row) {
  PutSeatHeader(grid, game, seats, row + kHeaderOffset, "Player");
  int body = row + kBodyOffset;
  for (int s = 0; s < seats; ++s) {
    Texts figures = Repeat("0", seats);
    figures[s] = "--";
    PutSeatRow(grid, game, s, body + s, figures);
  }
  return body + seats + 1;
}

}  // namespace

int LayOutSection(IReportGrid& grid, const CGame& game, int seats, int section, int row) {
  StatSectionKind kind = StatSectionKindOf(section);
  if (kind == StatSectionKind::Heading) {
    PutTitle(grid, row, kHeadingColumn, HeadingTitleFont(), section);
    return row + 2;
  }
  PutTitle(grid, row, kLabelColumn, TableTitleFont(), section);
  Texts zeros5 = Repeat("0", 5);
  Texts times = Join({"0"}, Repeat("0:00", 4));
  switch (kind) {
    case StatSectionKind::Frequencies: return LayOutFrequencies(grid, row);
    case StatSectionKind::FrequenciesByPlayer: return LayOutFrequenciesByPlayer(grid, game, seats, row);
    case StatSectionKind::TimePerTurn: return LayOutSeatTable(grid, game, seats, row, kTimeHeader, times, &times, true);
    case StatSectionKind::Resources: return LayOutResources(grid, game, seats, section, row);
    case StatSectionKind::NumberOfTrades:
      return LayOutSeatTable(grid, game, seats, row, kTradesHeader, zeros5, &zeros5, false);
    case StatSectionKind::TradingPartners: return LayOutTradingPartners(grid, game, seats, row);
    case StatSectionKind::TradingRatios:
      return LayOutSeatTable(grid, game, seats, row, kRatiosHeader, kRatiosInitial, nullptr, false);
    case StatSectionKind::Heading: break;
  }
  return row + 2;
}

void WriteFigures(IReportGrid& grid, int row, const SectionFigures& figures) {
  int body = row + kBodyOffset;
  for (size_t i = 0; i < figures.rows.size(); ++i) {
    int column = kFirstFigureColumn;
    for (const std::string& text : figures.rows[i]) grid.SetCellText(body + static_cast<int>(i), column++, text);
  }
  for (size_t s = 0; s < figures.shares.size(); ++s) {
    int column = kFirstShareColumn;
    for (const std::string& text : figures.shares[s]) grid.SetCellText(body + static_cast<int>(s), column++, text);
  }
  for (size_t s = 0; s < figures.details.size(); ++s)
    grid.SetCellText(body + static_cast<int>(s), kDetailColumn, figures.details[s]);
}

}  // namespace report_layout
