#pragma once

#include <array>
#include <cstdint>

#include "engine/board/tile_type.h"

// What a build button or the Buy D.C. button pays for.
enum PurchaseKind : int32_t {
  PurchaseSettlement = 8,
  PurchaseCity = 9,
  PurchaseRoad = 10,
  PurchaseCard = 11,
};

// Costs by ResourceType (Timber, Wheat, Ore, Clay, Sheep).
inline std::array<int32_t, kResourceCount> PurchaseCost(PurchaseKind kind) {
  switch (kind) {
    case PurchaseSettlement: return {1, 1, 0, 1, 1};
    case PurchaseCity: return {0, 2, 3, 0, 0};
    case PurchaseRoad: return {1, 0, 0, 1, 0};
    case PurchaseCard: return {0, 1, 1, 0, 1};
  }
  return {0, 0, 0, 0, 0};
}
