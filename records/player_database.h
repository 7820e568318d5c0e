#pragma once

#include <string>
#include <vector>

#include "records/file_system.h"
#include "records/player.h"

class CGame;
class CGameDatabase;
class IDatabaseUi;

// What the player lists show for one player, from the stored games.
struct CPlayerFigures {
  int games = 0;       // games with a seat of this player
  int wins = 0;        // of those, games where that seat has 10 or more points
  int pointSum = 0;    // victory points of that seat over those games
  double lastGameStart = 0.0;  // start (days since 30.12.1899) of the latest of those games

  double Average() const { return games > 0 ? static_cast<double>(pointSum) / games : 0.0; }
  std::string GamesText() const;    // "%d"
  std::string WinsText() const;     // "%d"
  std::string AverageText() const;  // "%.2f"
};

// The people who can be seated in a game: player.db in the data directory,
// an int32 count and the CPlayer records, held in file order. Players are
// addressed by their index in that order.
class CPlayerDatabase {
 public:
  // `dataDir` holds player.db, reached through `files`.
  explicit CPlayerDatabase(std::string dataDir = "data", IFileSystem& files = RealFileSystem());

  // The process-wide database, created and loaded on first use in the
  // directory set by SetInstanceDirectory (default "data").
  static CPlayerDatabase& Instance();
  static void SetInstanceDirectory(std::string dataDir);

  std::string Path() const { return dataDir_ + "/player.db"; }

  // --- the file ---------------------------------------------------------------
  // Empties the list and reads the file; a missing file is an empty list. A
  // damaged file keeps the players read before the damage and raises
  // CDatabaseError.
  void Load();
  // Writes the whole list through a temporary file renamed over the old
  // one; raises CFileError when it cannot be written (the old file stays).
  void Save();

  // --- the list ---------------------------------------------------------------
  int Count() const { return static_cast<int>(players_.size()); }
  const std::vector<CPlayer>& Players() const { return players_; }
  // A copy of the player at `index`; out of range gives player 0, an empty
  // list a new blank player.
  CPlayer GetPlayer(int index) const;
  // Each saves the list and reloads it; on a failed save the list is as before.
  // A new player whose creation second is already some player's id (two
  // players added within one second) gets the next free id instead, so two
  // people never share an identity. Returns the player as stored.
  CPlayer AddPlayer(const CPlayer& player);
  void RemovePlayer(int index);
  // Replaces both names; the caller saves.
  void SetNames(int index, std::string firstName, std::string lastName);

  // --- the stored games ---------------------------------------------------------
  // Rewrites every stored game so that the seats of player `index` carry the
  // player's current names, and reports how many games changed ("Update
  // games"). Returns that number.
  int RenameInGames(int index, CGameDatabase& games, IDatabaseUi& ui);
  // Adds every person seated in a stored game who is not in the list, once,
  // with the names of the first game they appear in, and reports it
  // ("Import players"). Returns the number added.
  int ImportFromGames(CGameDatabase& games, IDatabaseUi& ui);
  // The figures of every player, index by index, reading each stored header once.
  std::vector<CPlayerFigures> Figures(CGameDatabase& games) const;

 private:
  void CheckIndex(int index) const;
  void SaveOrRestore(std::vector<CPlayer> before);

  std::string dataDir_;
  IFileSystem* files_;
  std::vector<CPlayer> players_;
};

// The figures of one player from the seats of one game: the first seat of
// that player counts, once per game.
void AddGameToFigures(CPlayerFigures& figures, int32_t playerId, const CGame& game);
