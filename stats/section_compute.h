#pragma once

// The computations behind CGameStatistics, one family of sections per file.

#include <cstdint>

#include "stats/section_figures.h"

class CGame;

SectionFigures ComputeFrequencies(const CGame& game);
SectionFigures ComputeFrequenciesByPlayer(const CGame& game);
SectionFigures ComputeTimePerTurn(const CGame& game);
// Sections 6-9, 11-14 and 19-22.
SectionFigures ComputeResourceSection(const CGame& game, int section);
// The "Total" column of one seat's row in a resource section: the sum of the
// five resource figures (used by the player report over many games).
int64_t SeatResourceTotal(const CGame& game, int seat, int section);
SectionFigures ComputeNumberOfTrades(const CGame& game);
SectionFigures ComputeTradingPartners(const CGame& game);
SectionFigures ComputeTradingRatios(const CGame& game);

// The fixed "% Expect" text of a dice total 2..12 ("2.77%" for 2 and 12, as
// the tables have always shown it); empty outside 2..12.
const char* ExpectedRollPercent(int total);
