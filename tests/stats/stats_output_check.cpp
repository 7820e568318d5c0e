// Checks the output of `hexstead-cli stats` against the counters a played
// game ended with (the `state:` line of `hexstead-cli play`). The figures are
// worked out here from the live counters, the other way round from the
// statistics library's (the stored record), so the pair checks storage,
// reading, computing, layout and printing together.
//
// usage: stats_output_check PLAY-OUTPUT STATS-OUTPUT
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

using json = nlohmann::json;
using Line = std::vector<std::string>;

int failures = 0;

void Expect(bool ok, const std::string& what) {
  if (!ok && ++failures <= 30) std::cerr << "mismatch: " << what << '\n';
}

void ExpectCell(const Line& line, size_t column, const std::string& want, const std::string& where) {
  std::string got = column < line.size() ? line[column] : "<missing>";
  Expect(got == want, where + " column " + std::to_string(column) + ": got '" + got + "', want '" + want + "'");
}

std::vector<Line> ReadStats(const std::string& path) {
  std::ifstream in(path);
  std::vector<Line> lines;
  std::string text;
  while (std::getline(in, text)) {
    Line cells;
    std::stringstream row(text);
    std::string cell;
    while (std::getline(row, cell, '\t')) cells.push_back(cell);
    lines.push_back(cells);
  }
  return lines;
}

json ReadFinalState(const std::string& path) {
  std::ifstream in(path);
  std::string text, last;
  while (std::getline(in, text))
    if (text.rfind("state: ", 0) == 0) last = text.substr(7);
  return json::parse(last);
}

// The first body line of a section: after its title line and its header.
size_t Body(const std::vector<Line>& lines, const std::string& title) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == Line{title}) return i + 2;
  Expect(false, "no section '" + title + "'");
  return lines.size();
}

const Line& At(const std::vector<Line>& lines, size_t i) {
  static const Line kNone;
  return i < lines.size() ? lines[i] : kNone;
}

std::string Cell(const Line& line, size_t column) { return column < line.size() ? line[column] : ""; }

std::string Fixed(double v, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

// "1:02:05", "2:00", ":30" back to seconds.
long Seconds(const std::string& text) {
  long total = 0, part = 0;
  for (char c : text) {
    if (c == ':') {
      total = total * 60 + part;
      part = 0;
    } else {
      part = part * 10 + (c - '0');
    }
  }
  return total * 60 + part;
}

using Counts = std::vector<long>;

Counts Resources(const json& p, const std::string& field) { return p.at(field).get<Counts>(); }

Counts RowSum(const json& p, const std::string& field, int seats) {
  Counts sum(5, 0);
  for (int k = 0; k < seats; ++k)
    for (int r = 0; r < 5; ++r) sum[r] += p.at(field)[k][r].get<long>();
  return sum;
}

Counts Plus(Counts a, const Counts& b) {
  for (int r = 0; r < 5; ++r) a[r] += b[r];
  return a;
}

long Sum(const Counts& c) { return std::accumulate(c.begin(), c.end(), 0L); }

void CheckResourceTable(const std::vector<Line>& lines, const json& players, const std::string& title,
                        Counts (*seatCounts)(const json&, int)) {
  int seats = static_cast<int>(players.size());
  size_t body = Body(lines, title);
  Counts totals(5, 0);
  for (int s = 0; s < seats; ++s) {
    const Line& line = At(lines, body + s);
    Counts c = seatCounts(players[s], seats);
    ExpectCell(line, 0, players[s].at("name"), title);
    for (int r = 0; r < 5; ++r) ExpectCell(line, 1 + r, std::to_string(c[r]), title + " seat " + std::to_string(s));
    ExpectCell(line, 6, std::to_string(Sum(c)), title + " seat " + std::to_string(s));
    totals = Plus(totals, c);
  }
  const Line& total = At(lines, body + seats);
  ExpectCell(total, 0, "Total", title);
  for (int r = 0; r < 5; ++r) ExpectCell(total, 1 + r, std::to_string(totals[r]), title + " total");
  ExpectCell(total, 6, std::to_string(Sum(totals)), title + " total");
}

void CheckDice(const std::vector<Line>& lines, const json& state) {
  std::vector<int> rolls = state.at("rolls").get<std::vector<int>>();
  size_t body = Body(lines, "Frequencies");
  for (int t = 2; t <= 12; ++t) {
    long count = std::count(rolls.begin(), rolls.end(), t);
    const Line& line = At(lines, body + t - 2);
    ExpectCell(line, 0, std::to_string(t), "Frequencies");
    ExpectCell(line, 1, std::to_string(count), "Frequencies total " + std::to_string(t));
    ExpectCell(line, 2, Fixed(count * 100.0 / rolls.size(), 2) + "%", "Frequencies total " + std::to_string(t));
  }
  double mean = std::accumulate(rolls.begin(), rolls.end(), 0.0) / rolls.size();
  ExpectCell(At(lines, body + 11), 1, Fixed(mean, 2), "average roll");

  int seats = static_cast<int>(state.at("players").size());
  body = Body(lines, "Frequencies by player");
  for (int t = 2; t <= 12; ++t)
    for (int s = 0; s < seats; ++s)
      ExpectCell(At(lines, body + t - 2), 1 + s, std::to_string(state.at("rollCounts")[s][t - 2].get<int>()),
                 "Frequencies by player total " + std::to_string(t));
}

void CheckTime(const std::vector<Line>& lines, const json& players) {
  size_t body = Body(lines, "Time per turn");
  long turns = 0, total = 0;
  for (size_t s = 0; s < players.size(); ++s) {
    std::vector<long> l = players[s].at("turnSeconds").get<std::vector<long>>();
    const Line& line = At(lines, body + s);
    std::string where = "Time per turn seat " + std::to_string(s);
    ExpectCell(line, 1, std::to_string(l.size()), where);
    long sum = std::accumulate(l.begin(), l.end(), 0L);
    Expect(Seconds(Cell(line, 2)) == sum, where + " total time " + Cell(line, 2));
    if (!l.empty()) {
      Expect(Seconds(Cell(line, 3)) == sum / static_cast<long>(l.size()), where + " average");
      Expect(Seconds(Cell(line, 4)) == *std::max_element(l.begin(), l.end()), where + " longest");
      Expect(Seconds(Cell(line, 5)) == *std::min_element(l.begin(), l.end()), where + " shortest");
    }
    turns += l.size();
    total += sum;
  }
  const Line& line = At(lines, body + players.size());
  ExpectCell(line, 1, std::to_string(turns), "Time per turn total");
  Expect(Seconds(Cell(line, 2)) == total, "Time per turn total time");
}

void CheckTrades(const std::vector<Line>& lines, const json& players) {
  int seats = static_cast<int>(players.size());
  size_t trades = Body(lines, "Number of trades");
  size_t partners = Body(lines, "Trading partners");
  size_t ratios = Body(lines, "Trading ratios");
  long allTrades = 0;
  for (int s = 0; s < seats; ++s) {
    const json& p = players[s];
    std::string where = " seat " + std::to_string(s);
    long withOthers = 0;
    for (int k = 0; k < seats; ++k) {
      long n = p.at("tradesWith")[k].get<long>();
      withOthers += n;
      ExpectCell(At(lines, partners + s), 1 + k, k == s ? "--" : std::to_string(n), "Trading partners" + where);
    }
    long bank = p.at("bankTrades")[0].get<long>() + p.at("bankTrades")[1].get<long>() + p.at("bankTrades")[2].get<long>();
    ExpectCell(At(lines, trades + s), 1, std::to_string(withOthers), "Number of trades" + where);
    ExpectCell(At(lines, trades + s), 5, std::to_string(withOthers + bank), "Number of trades" + where);
    allTrades += withOthers + bank;

    long toBank = Sum(Resources(p, "givenToBank")), fromBank = Sum(Resources(p, "receivedFromBank"));
    long toOthers = Sum(RowSum(p, "givenTo", seats)), fromOthers = Sum(RowSum(p, "receivedFrom", seats));
    const Line& line = At(lines, ratios + s);
    ExpectCell(line, 1, std::to_string(toBank), "Trading ratios" + where);
    ExpectCell(line, 3, Fixed(toBank ? double(fromBank) / toBank : 0.0, 2), "Trading ratios" + where);
    ExpectCell(line, 6, Fixed(toOthers ? double(fromOthers) / toOthers : 0.0, 2), "Trading ratios" + where);
    ExpectCell(line, 8, std::to_string(fromBank + fromOthers), "Trading ratios" + where);
  }
  ExpectCell(At(lines, trades + seats), 5, std::to_string(allTrades), "Number of trades total");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: stats_output_check PLAY-OUTPUT STATS-OUTPUT\n";
    return 2;
  }
  json state = ReadFinalState(argv[1]);
  std::vector<Line> lines = ReadStats(argv[2]);
  const json& players = state.at("players");
  Expect(state.at("gameState") == 11, "the game did not end");
  Expect(!state.at("rolls").empty(), "the game has no rolls");

  CheckDice(lines, state);
  CheckTime(lines, players);
  CheckResourceTable(lines, players, "From board", [](const json& p, int) { return Resources(p, "gainedFromBoard"); });
  CheckResourceTable(lines, players, "By stealing", [](const json& p, int n) { return RowSum(p, "stolenFrom", n); });
  CheckResourceTable(lines, players, "By development cards",
                     [](const json& p, int) { return Resources(p, "gainedFromCards"); });
  CheckResourceTable(lines, players, "Total resources gained", [](const json& p, int n) {
    return Plus(Plus(Resources(p, "gainedFromBoard"), Resources(p, "gainedFromCards")), RowSum(p, "stolenFrom", n));
  });
  CheckResourceTable(lines, players, "From robber placement",
                     [](const json& p, int n) { return RowSum(p, "lostToRobber", n); });
  CheckResourceTable(lines, players, "Stolen by others", [](const json& p, int n) { return RowSum(p, "stolenBy", n); });
  CheckResourceTable(lines, players, "From a 7 roll", [](const json& p, int) { return Resources(p, "lostOnSeven"); });
  CheckResourceTable(lines, players, "Total resources lost", [](const json& p, int n) {
    return Plus(Plus(RowSum(p, "lostToRobber", n), RowSum(p, "stolenBy", n)), Resources(p, "lostOnSeven"));
  });
  CheckResourceTable(lines, players, "Resources traded to bank", [](const json& p, int) { return Resources(p, "givenToBank"); });
  CheckResourceTable(lines, players, "Resources received from bank",
                     [](const json& p, int) { return Resources(p, "receivedFromBank"); });
  CheckResourceTable(lines, players, "Resources traded to others", [](const json& p, int n) { return RowSum(p, "givenTo", n); });
  CheckResourceTable(lines, players, "Resources received from others",
                     [](const json& p, int n) { return RowSum(p, "receivedFrom", n); });
  CheckTrades(lines, players);

  if (failures > 0) {
    std::cerr << failures << " mismatches\n";
    return 1;
  }
  std::cout << "statistics match the counters of the played game\n";
  return 0;
}
