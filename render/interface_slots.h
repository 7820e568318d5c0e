#pragma once

// Slot numbers of the interface archives that callers pick by meaning.
// Colour-dependent sets are ordered white, blue, green, orange, red, brown.

// tiny.tex: piece icons for the build buttons (52 x 52).
inline constexpr int kTinySettlementSlot = 0;
inline constexpr int kTinyRoadSlot = 6;
inline constexpr int kTinyCitySlot = 12;

// build.tex: slot = tile type (36 x 36 palette pictures).

// res.tex: resource pictures; slot = first + resource (Timber .. Sheep).
inline constexpr int kResDialogSlot = 0;     // 36 x 48 cards for the trade and card dialogs
inline constexpr int kResStatusRowSlot = 5;  // 20 x 20 for the player status rows
inline constexpr int kResCardBackSlot = 10;  // 36 x 48 back of a resource card

// history.tex (16 x 16 each).
inline constexpr int kHistoryTileSlot = 0;  // + tile type
inline constexpr int kHistorySettlementSlot = 20;
inline constexpr int kHistoryCitySlot = 26;
inline constexpr int kHistoryRoadSlot = 32;
inline constexpr int kHistoryPlayerBadgeSlot = 32;  // status-row badge by colour
inline constexpr int kHistoryTurnSlot = 38;
inline constexpr int kHistoryLargestArmySlot = 50;  // the Soldier card
inline constexpr int kHistoryLongestRoadSlot = 51;  // the Road Building card
inline constexpr int kHistoryUndoSlot = 58;         // no history entry uses 58

// control.tex: turn-panel buttons (128 x 32); disabled form = enabled + 4.
inline constexpr int kControlTradeSlot = 0;
inline constexpr int kControlPlayCardSlot = 1;
inline constexpr int kControlEndTurnSlot = 2;
inline constexpr int kControlBuyCardSlot = 3;
inline constexpr int kControlDisabledOffset = 4;
