#pragma once

#include <cstdint>

// What stands on a corner: 0 empty, 10 + p a settlement of player p, 20 + p a
// city of player p (p = 0..5). code / 10 is the level, code % 10 the owner.
using BuildingCode = std::int32_t;

inline constexpr BuildingCode kNoBuilding = 0;
inline constexpr int kSettlementLevel = 1;
inline constexpr int kCityLevel = 2;
inline constexpr int kMaxPlayers = 6;

constexpr BuildingCode SettlementCode(int player) { return 10 + player; }
constexpr BuildingCode CityCode(int player) { return 20 + player; }
constexpr int BuildingLevel(BuildingCode code) { return code / 10; }
constexpr int BuildingOwner(BuildingCode code) { return code % 10; }
constexpr bool IsSettlement(BuildingCode code) { return BuildingLevel(code) == kSettlementLevel; }
constexpr bool IsCity(BuildingCode code) { return BuildingLevel(code) == kCityLevel; }
// A code a stored board may legitimately hold.
constexpr bool IsValidBuildingCode(BuildingCode code) {
  return code == kNoBuilding ||
         ((IsSettlement(code) || IsCity(code)) && BuildingOwner(code) < kMaxPlayers);
}
