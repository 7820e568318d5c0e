#pragma once

#include <cstdint>
#include <string>

#include "records/stat_report.h"

// The 23 report sections of the game statistics, addressed by index. Headings
// are section titles without figures; every other section is a table.

inline constexpr int kStatSectionCount = kStatReportCount;

enum class StatSectionKind {
  Heading,
  Frequencies,          // totals 2..12 over all seats
  FrequenciesByPlayer,  // totals 2..12 per seat
  TimePerTurn,
  Resources,            // five resources and a total per seat
  NumberOfTrades,
  TradingPartners,      // seat by seat
  TradingRatios,
};

// The section's name as shown ("Dice rolls", "Frequencies", ...).
const char* StatSectionName(int section);
StatSectionKind StatSectionKindOf(int section);
inline bool IsStatHeading(int section) { return StatSectionKindOf(section) == StatSectionKind::Heading; }
// The heading a table section belongs to (the heading before it); a heading
// returns itself. This is the section tree: headings at the top level.
int StatSectionParent(int section);

// "From board" also has a share table beside it.
inline bool HasShareTable(int section) { return section == Index(StatReport::FromBoard); }
// The stealing and robber sections write a detail text beside every seat row.
bool HasDetailText(int section);

// A set of sections as bits: bit n stands for section n. It is the same bit
// layout as the session's report mask, so a session notification can be
// passed on unchanged.
using StatSectionMask = uint32_t;
constexpr StatSectionMask StatSection(int n) { return StatSectionMask{1} << n; }
constexpr StatSectionMask StatSection(StatReport r) { return StatSection(Index(r)); }
inline constexpr StatSectionMask kAllStatSections = (StatSectionMask{1} << kStatSectionCount) - 1;

// The sections to recompute when the given ones are reported changed: each
// section brings the ones fed by the same counters and the totals built on
// them (a roll feeds 1 and 2; "From board" feeds "Total resources gained"; a
// trade feeds every trading table). Headings bring nothing.
StatSectionMask SectionsToRefresh(StatSectionMask changed);
