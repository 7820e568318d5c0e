#pragma once

#include "engine/board/board.h"

// Trade ratios with the bank, from the harbours a player's buildings touch.

// A settlement or city of `player` stands on a corner of the frame piece.
bool TouchesHarbourAt(const CBoard& board, int player, int framePosition);
// The player touches a harbour of type 7 (3 for 1) .. 12 (Sheep Port).
bool HasHarbour(const CBoard& board, int player, TileType harbour);
// 2 with the resource's 2:1 harbour, else 3 with any 3 for 1 harbour, else 4.
int TradeRatio(const CBoard& board, int player, ResourceType resource);
