#pragma once

#include <string>
#include <vector>

class CGameDatabase;
class CPlayerDatabase;

// One row of the player lists: "Players" (last name, ", ", first name),
// "Games", "Wins", "Average", and the player's database index.
struct CPlayerListRow {
  int index = 0;
  std::string name;
  std::string games;
  std::string wins;
  std::string average;
};

// Every player with its figures, sorted by the name text compared without
// regard to case (players of equal names keep database order).
std::vector<CPlayerListRow> PlayerList(const CPlayerDatabase& players, CGameDatabase& games);

// The order of the list: case-insensitive byte comparison of the name texts.
bool PlayerNameLess(const std::string& a, const std::string& b);
