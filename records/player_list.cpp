#include "records/player_list.h"

#include <algorithm>

#include "records/player_database.h"

namespace {

unsigned char Folded(char c) {
  auto b = static_cast<unsigned char>(c);
  return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}

}  // namespace

bool PlayerNameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Folded(x) < Folded(y); });
}

std::vector<CPlayerListRow> PlayerList(const CPlayerDatabase& players, CGameDatabase& games) {
  std::vector<CPlayerFigures> figures = players.Figures(games);
  std::vector<CPlayerListRow> rows;
  rows.reserve(figures.size());
  for (int i = 0; i < players.Count(); ++i) {
    const CPlayerFigures& f = figures[static_cast<std::size_t>(i)];
    rows.push_back({i, players.Players()[static_cast<std::size_t>(i)].ListName(), f.GamesText(), f.WinsText(),
                    f.AverageText()});
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [](const CPlayerListRow& a, const CPlayerListRow& b) { return PlayerNameLess(a.name, b.name); });
  return rows;
}
