#pragma once

#include <optional>
#include <string>

#include "records/file_system.h"

class CGame;

// The replays of stored games. A game tracked in this installation keeps the
// journal of every input that made it (a `hexstead-cli play` script) in
// <dataDir>/replays/, under a name made of the game's id (its creation
// second) and a fingerprint of what makes the game itself (start and end
// time, the seated players' ids, every dice total): a game imported from
// another installation with the same id and start second still has a name
// of its own. An imported game, or one stored before replays existed, has
// none.

// The journal of the game being entered: every accepted input, one script
// line each, synced before the next input is taken.
std::string CurrentJournalPath(const std::string& dataDir);  // <dataDir>/current-game.script

// A journal that is not the game being entered is never deleted silently:
// one the user did not resume is set aside as
// <dataDir>/unfinished-<YYYYMMDD>-<HHMMSS>.script (returned; a number is
// added when that name is taken), and the journal of a game closed on
// purpose replaces <dataDir>/last-closed-game.script. `copy` keeps the
// journal where it is. Raise CFileError.
std::string SetJournalAside(const std::string& dataDir, bool copy = false);
std::string LastClosedJournalPath(const std::string& dataDir);
void KeepClosedJournal(const std::string& dataDir);

// <dataDir>/replays
std::string ReplayDirectory(const std::string& dataDir);
// "<gameId>-<16 hex digits of the fingerprint>.script"
std::string ReplayFileName(const CGame& game);
// <dataDir>/replays/<ReplayFileName(game)>
std::string ReplayPath(const std::string& dataDir, const CGame& game);
// The replay of `game` when it has one.
std::optional<std::string> FindReplay(const std::string& dataDir, const CGame& game,
                                      IFileSystem& files = RealFileSystem());
