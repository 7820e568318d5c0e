#pragma once

#include <cstdint>

// The phases a game runs through, from entering the board to the winner. The
// value also selects what the board view draws and which clicks it reports.
enum GameState : int32_t {
  BoardSetup = 1,         // tiles are entered from the palette; clicks ignored
  ChipPlacement = 2,      // first and second chip positions are clicked
  PlayerInformation = 3,  // player selection and playing-order dialogs are open
  InitialPlacement = 4,   // each player places a settlement and a road, twice
  Turn = 5,               // waiting for the roll, or taking actions after it
  GoodsReceived = 6,      // production of the last roll is shown until a click
  PlaceRoad = 7,          // edge from the offered roads
  PlaceCity = 8,          // settlement from the offered city sites
  PlaceSettlement = 9,    // corner from the offered settlement sites
  PlaceRobber = 10,       // tile for the robber
  GameOver = 11,          // the game has a winner, or a stored game is viewed
};
