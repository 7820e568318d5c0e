#pragma once

#include <cstdint>

// The kinds of recorded action. One number names both the undo node and the
// history entry of an action.
enum ActionKind : int32_t {
  PlacedTile = 0,
  PlacedChip = 1,
  SelectedPlayers = 2,
  SortedPlayers = 3,
  InitialSettlement = 4,
  InitialRoad = 5,
  RollFirst = 6,
  Roll = 7,
  Continue = 8,
  EndTurn = 9,
  ShowedOptions = 10,
  PlacedRoad = 11,
  PlacedCity = 12,
  PlacedSettlement = 13,
  PlacedRobber = 14,
  BoughtCard = 15,
  PlayedVictoryPoint = 16,
  PlayedMonopoly = 17,
  PlayedRoadBuilding = 18,
  PlayedYearOfPlenty = 19,
  PlayedSoldier = 20,
  Traded = 21,
  Stole = 22,
  Discarded = 23,
  Won = 24,
  WastedPoints = 25,
};

// Result codes of the Longest Road and Largest Army evaluations; a value of 0
// or more is the index of the player the bonus was taken from.
enum BonusResult : int32_t {
  BonusNoChange = -3,
  BonusKept = -2,
  BonusFromNobody = -1,
};
