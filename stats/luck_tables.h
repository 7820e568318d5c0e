#pragma once

#include <string>
#include <vector>

#include "stats/luck.h"

// The luck figures as tables of texts, in the order the window and the
// command line show them. Names stay in Windows-1252.
struct LuckTable {
  std::string title;
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;

  bool operator==(const LuckTable&) const = default;
};

// The dice, then (when the game has production figures) the production
// luck, the cards lost and the luck of every turn.
std::vector<LuckTable> LuckTables(const GameLuck& luck);
// Lines said about the figures: the dice verdict, the chi-square and the sevens,
// and that a game without a replay has only its dice.
std::vector<std::string> LuckNotes(const GameLuck& luck);
// The per-player summary over the stored games.
LuckTable PlayerLuckTable(const std::vector<PlayerLuck>& people);

// Plain text: columns padded to their widest text, two spaces apart.
std::string TableAsText(const LuckTable& table);
// CSV: the title line, then header and rows, fields quoted when needed.
std::string TableAsCsv(const LuckTable& table);
