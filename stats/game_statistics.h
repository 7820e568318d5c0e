#pragma once

#include <array>

#include "stats/section_figures.h"
#include "stats/stats_catalogue.h"

class CGame;

// The seats the statistics read: the game's seats in playing order, at most
// six (every seat matrix and roll table has six rows).
int StatSeatCount(const CGame& game);

// Computes the figures of the statistics sections from one game's records
// (the game in play or one opened for review). Nothing is kept between calls:
// every figure is derived from the records when it is asked for.
class CGameStatistics {
 public:
  explicit CGameStatistics(const CGame& game) : game_(game) {}

  // The texts of one section; empty for headings and unknown indices.
  SectionFigures Compute(int section) const;
  // Every section (headings empty), as for a game opened for review.
  std::array<SectionFigures, kStatSectionCount> ComputeAll() const;

 private:
  const CGame& game_;
};
