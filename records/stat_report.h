#pragma once

// The 23 sections of the game statistics report in display order. A
// section's number is its place in the report, its bit in a report mask and
// its row in the statistics window's tree; the session, the statistics and
// the windows all name sections through this enum.
enum class StatReport : int {
  DiceRolls,            // heading
  Frequencies,
  FrequenciesByPlayer,
  Time,                 // heading
  TimePerTurn,
  ResourcesGained,      // heading
  TotalGained,
  FromBoard,
  ByStealing,
  ByDevelopmentCards,
  ResourcesLost,        // heading
  TotalLost,
  FromRobberPlacement,
  StolenByOthers,
  FromSevenRoll,
  Trading,              // heading
  NumberOfTrades,
  TradingPartners,
  TradingRatios,
  TradedToBank,
  ReceivedFromBank,
  TradedToOthers,
  ReceivedFromOthers,
};

inline constexpr int kStatReportCount = 23;

constexpr int Index(StatReport section) { return static_cast<int>(section); }
