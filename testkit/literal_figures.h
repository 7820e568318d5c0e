#pragma once

#include "records/game.h"
#include "records/game_database.h"
#include "records/player.h"
#include "records/player_database.h"

// The player figures computed the plain way, one player at a time: every
// stored header is read once per player through ReadHeader. The reference
// that the one-pass figures are checked and timed against.
inline CPlayerFigures LiteralFigures(const CPlayer& player, CGameDatabase& games) {
  CPlayerFigures figures;
  for (int i = 0; i < games.GameCount(); ++i) {
    CGame header;
    games.ReadHeader(i, header);
    AddGameToFigures(figures, player.playerId, header);
  }
  return figures;
}
