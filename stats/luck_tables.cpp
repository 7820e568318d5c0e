#include "stats/luck_tables.h"
#include "stats/grid_text.h"

#include <algorithm>

#include "engine/board/tile_type.h"
#include "records/formatted.h"

namespace {

std::vector<std::string> ResourceHeader(const char* first) {
  std::vector<std::string> header = {first};
  for (int r = 0; r < 5; ++r) header.push_back(TileName(r));
  return header;
}

LuckTable DiceTable(const DiceFigures& dice) {
  LuckTable table{"Dice", {"Total", "Rolled", "Expected"}, {}};
  if (dice.orderKnown) table.header.push_back("Longest gap");
  for (int32_t t = 2; t <= 12; ++t) {
    std::vector<std::string> row = {std::to_string(t), std::to_string(dice.counts[t - 2]),
                                    Formatted("%.2f", dice.Expected(t))};
    if (dice.orderKnown) row.push_back(std::to_string(dice.longestGap[t - 2]));
    table.rows.push_back(row);
  }
  return table;
}

// Per seat and resource: received, expected and luck.
LuckTable ProductionTable(const GameLuck& luck) {
  LuckTable table{"Production luck (cards received minus expected)", ResourceHeader("Player"), {}};
  for (const char* column : {"Received", "Expected", "Luck"}) table.header.push_back(column);
  for (const SeatLuck& seat : luck.seats) {
    std::vector<std::string> row = {seat.name};
    for (int r = 0; r < 5; ++r) row.push_back(LuckText(seat.ResourceLuck(r)));
    row.push_back(std::to_string(seat.ReceivedTotal()));
    row.push_back(Formatted("%.2f", seat.ExpectedTotal()));
    row.push_back(LuckText(seat.Luck()));
    table.rows.push_back(row);
  }
  return table;
}

LuckTable LossTable(const GameLuck& luck) {
  LuckTable table{"Cards lost against the table's average",
                  {"Player", "Robber", "Average", "Stolen", "Average", "Discarded", "Average", "Luck"},
                  {}};
  for (const SeatLuck& seat : luck.seats) {
    std::vector<std::string> row = {seat.name};
    for (int c = 0; c < kLossCauses; ++c) {
      row.push_back(std::to_string(seat.lost[c]));
      row.push_back(Formatted("%.2f", seat.averageLost[c]));
    }
    row.push_back(LuckText(seat.LossLuck()));
    table.rows.push_back(row);
  }
  return table;
}

LuckTable TurnTable(const GameLuck& luck) {
  LuckTable table{"Luck per turn", {"Turn", "Roller", "Total"}, {}};
  for (const SeatLuck& seat : luck.seats) table.header.push_back(seat.name);
  for (std::size_t i = 0; i < luck.rolls.size(); ++i) {
    const RollLuck& roll = luck.rolls[i];
    bool seated = roll.roller >= 0 && static_cast<std::size_t>(roll.roller) < luck.seats.size();
    std::vector<std::string> row = {std::to_string(i + 1), seated ? luck.seats[roll.roller].name : "?",
                                    std::to_string(roll.total)};
    for (std::size_t s = 0; s < luck.seats.size(); ++s) row.push_back(LuckText(roll.Luck(static_cast<int32_t>(s))));
    table.rows.push_back(row);
  }
  return table;
}

}  // namespace

std::vector<std::string> LuckNotes(const GameLuck& luck) {
  std::vector<std::string> notes = {DiceVerdict(luck.dice)};
  notes.push_back("Chi-square " + Formatted("%.2f", luck.dice.chiSquare) + " with 10 degrees of freedom, p = " +
                  Formatted("%.4f", luck.dice.pValue) + ".");
  notes.push_back("Sevens: " + std::to_string(luck.dice.Sevens()) + " rolled, " +
                  Formatted("%.2f", luck.dice.Expected(7)) + " expected.");
  if (!luck.hasProduction) notes.push_back("This game has no replay: only its dice are known.");
  return notes;
}

std::vector<LuckTable> LuckTables(const GameLuck& luck) {
  std::vector<LuckTable> tables = {DiceTable(luck.dice)};
  if (luck.hasProduction) {
    tables.push_back(ProductionTable(luck));
    tables.push_back(LossTable(luck));
    tables.push_back(TurnTable(luck));
  }
  return tables;
}

LuckTable PlayerLuckTable(const std::vector<PlayerLuck>& people) {
  LuckTable table{"Luck by player over the stored games",
                  {"Player", "Games", "Wins", "Replays", "Total luck", "Average luck"},
                  {}};
  for (const PlayerLuck& person : people) {
    table.rows.push_back({person.name, std::to_string(person.games), std::to_string(person.wins),
                          std::to_string(person.gamesWithReplay),
                          person.gamesWithReplay > 0 ? LuckText(person.totalLuck) : std::string(),
                          AverageLuckText(person)});
  }
  return table;
}

std::string TableAsText(const LuckTable& table) {
  std::vector<std::size_t> widths(table.header.size(), 0);
  auto widen = [&](const std::vector<std::string>& row) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  };
  widen(table.header);
  for (const auto& row : table.rows) widen(row);
  auto line = [&](const std::vector<std::string>& row) {
    std::string text;
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      std::string cell = row[c];
      if (c + 1 < row.size()) cell.resize(widths[c] + 2, ' ');
      text += cell;
    }
    return text + "\n";
  };
  std::string text = table.title + "\n" + line(table.header);
  for (const auto& row : table.rows) text += line(row);
  return text;
}

std::string TableAsCsv(const LuckTable& table) {
  auto line = [](const std::vector<std::string>& row) {
    std::string text;
    for (std::size_t c = 0; c < row.size(); ++c) text += (c ? "," : "") + CsvField(row[c]);
    return text + "\n";
  };
  std::string text = CsvField(table.title) + "\n" + line(table.header);
  for (const auto& row : table.rows) text += line(row);
  return text;
}
