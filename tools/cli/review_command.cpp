// hexstead-cli review N: opens stored game N for review the way Game > Open
// does (the session goes to GameOver with the game no longer on) and prints
// the prompt and the whole state.
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "engine/session/session.h"
#include "play_answers.h"
#include "play_state_json.h"
#include "play_ui.h"
#include "records/archive.h"
#include "records/game.h"
#include "records/game_database.h"

namespace {

constexpr const char* kUsage = "usage: hexstead-cli [--data DIR] review N\n";

int Review(CliContext& context, const std::vector<std::string>& args) {
  int index = -1;
  if (args.size() != 1 || !ParseGameIndex(args[0], index)) {
    *context.err << kUsage;
    return 1;
  }

  CGameDatabase database(context.dataDir);
  if (!CheckGameIndex(context, index, database.GameCount())) return 1;
  CGame game;
  CHistoryLog history;
  CBoard board;
  database.ReadRecord(index, game, history, board);

  // A stored game asks nothing: any dialog it opened would be a fault, which
  // the empty answer queue reports as an error.
  QueuedAnswers answers;
  ScriptedUi ui(context.out, answers);
  // A stored game draws nothing and stores nothing; the services are those
  // of a program all the same.
  CLibraryRandom randomSource;
  CBoardRandom random(randomSource, SystemClockSeconds);
  CProgramClock clock;
  CGameDatabaseStore store(database);
  CGameSession session(game, ui, SessionServices{clock, random, store});
  session.ShowStoredGame(board, history);
  *context.out << "state: " << SessionStateJson(session).dump() << '\n';
  return 0;
}

REGISTER_CLI_COMMAND("review", "review N                 open stored game N for review and print its state", Review);

}  // namespace
