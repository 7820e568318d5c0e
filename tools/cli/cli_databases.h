#pragma once

#include "cli_command.h"
#include "records/game_database.h"
#include "records/player_database.h"

// The stored games and the people of the data folder, the player database
// already loaded: what the commands over both databases start from.
struct CliDatabases {
  explicit CliDatabases(const CliContext& context);

  CGameDatabase games;
  CPlayerDatabase players;
};
