#include "cli_databases.h"

CliDatabases::CliDatabases(const CliContext& context) : games(context.dataDir), players(context.dataDir) {
  players.Load();
}
