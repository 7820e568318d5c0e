#include "records/player_database.h"

#include <unordered_map>
#include <utility>

#include "records/archive.h"
#include "records/database_ui.h"
#include "records/formatted.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/text_encoding.h"

namespace {

std::string& InstanceDirectory() {
  static std::string dir = "data";
  return dir;
}

}  // namespace

std::string CPlayerFigures::GamesText() const { return Formatted("%d", games); }
std::string CPlayerFigures::WinsText() const { return Formatted("%d", wins); }
std::string CPlayerFigures::AverageText() const { return Formatted("%.2f", Average()); }

void AddGameToFigures(CPlayerFigures& figures, int32_t playerId, const CGame& game) {
  for (const CPlayerGame& seat : game.players) {
    if (seat.player.playerId != playerId) continue;
    ++figures.games;
    if (seat.victoryPoints > 9) ++figures.wins;
    figures.pointSum += seat.victoryPoints;
    // Stored games are in the order they ended, not started: keep the latest.
    if (figures.games == 1 || game.startTime.days > figures.lastGameStart) figures.lastGameStart = game.startTime.days;
    return;
  }
}

CPlayerDatabase::CPlayerDatabase(std::string dataDir, IFileSystem& files)
    : dataDir_(std::move(dataDir)), files_(&files) {}

CPlayerDatabase& CPlayerDatabase::Instance() {
  static CPlayerDatabase database = [] {
    CPlayerDatabase loaded(InstanceDirectory());
    try {
      loaded.Load();
    } catch (const CDatabaseError&) {
      // The players read before the damage stay; the next Load reports it.
    }
    return loaded;
  }();
  return database;
}

void CPlayerDatabase::SetInstanceDirectory(std::string dataDir) { InstanceDirectory() = std::move(dataDir); }

// ---------------------------------------------------------------- the file

void CPlayerDatabase::Load() {
  players_.clear();
  std::unique_ptr<IReadableFile> file = files_->OpenRead(Path());
  if (!file) return;
  try {
    CArchive ar(*file, 0);
    std::size_t count = ar.ReadCount(CPlayer::kMinStoredSize);
    for (std::size_t i = 0; i < count; ++i) {
      CPlayer player;
      player.Serialize(ar);
      players_.push_back(std::move(player));
    }
  } catch (const CArchiveException& e) {
    throw CDatabaseError("The player database " + Path() + " is damaged (" + e.what() + "); " +
                         std::to_string(players_.size()) + " players could be read.");
  }
}

void CPlayerDatabase::Save() {
  std::vector<uint8_t> bytes;
  {
    CArchive ar(bytes);
    ar << static_cast<int32_t>(players_.size());
    for (const CPlayer& player : players_) {
      CPlayer copy = player;  // Serialize serves loading and storing alike
      copy.Serialize(ar);
    }
    ar.Flush();
  }
  files_->ReplaceFile(Path(), bytes);
}

void CPlayerDatabase::SaveOrRestore(std::vector<CPlayer> before) {
  try {
    Save();
  } catch (...) {
    players_ = std::move(before);
    throw;
  }
  Load();
}

// ---------------------------------------------------------------- the list

void CPlayerDatabase::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw CDatabaseError("There is no player " + std::to_string(index) + " in the player database.");
  }
}

CPlayer CPlayerDatabase::GetPlayer(int index) const {
  if (players_.empty()) return CPlayer::Create("", "");
  if (index < 0 || index >= Count()) index = 0;
  return players_[static_cast<std::size_t>(index)];
}

CPlayer CPlayerDatabase::AddPlayer(const CPlayer& player) {
  CPlayer added = player;
  auto taken = [this](int32_t id) {
    for (const CPlayer& existing : players_)
      if (existing.playerId == id) return true;
    return false;
  };
  while (taken(added.playerId)) ++added.playerId;
  std::vector<CPlayer> before = players_;
  players_.push_back(added);
  SaveOrRestore(std::move(before));
  return added;
}

void CPlayerDatabase::RemovePlayer(int index) {
  CheckIndex(index);
  std::vector<CPlayer> before = players_;
  players_.erase(players_.begin() + index);
  SaveOrRestore(std::move(before));
}

void CPlayerDatabase::SetNames(int index, std::string firstName, std::string lastName) {
  CheckIndex(index);
  players_[static_cast<std::size_t>(index)].firstName = std::move(firstName);
  players_[static_cast<std::size_t>(index)].lastName = std::move(lastName);
}

// ---------------------------------------------------------------- stored games

int CPlayerDatabase::RenameInGames(int index, CGameDatabase& games, IDatabaseUi& ui) {
  CheckIndex(index);
  CWaitCursor wait(ui);
  const CPlayer player = players_[static_cast<std::size_t>(index)];
  int updated = games.RewriteGames([&](CGame& game) {
    for (CPlayerGame& seat : game.players) {
      if (seat.player.playerId != player.playerId) continue;
      seat.player = player;
      return true;
    }
    return false;
  });
  std::string name = Cp1252ToUtf8(player.DisplayName());  // messages speak UTF-8
  if (updated > 0) {
    ui.ShowMessage("Update games", std::to_string(updated) + " " + CountWord(updated, "game", "games") + " " +
                                       CountWord(updated, "was", "were") + " updated to " + name + ".");
  } else {
    ui.ShowMessage("Update games", name + " was not in any games in the database.");
  }
  return updated;
}

int CPlayerDatabase::ImportFromGames(CGameDatabase& games, IDatabaseUi& ui) {
  std::vector<CPlayer> before = players_;
  int added = 0;
  try {
    games.ForEachHeader([&](int, const CGame& game) {
      for (const CPlayerGame& seat : game.players) {
        bool known = false;
        for (const CPlayer& player : players_) known = known || player.playerId == seat.player.playerId;
        if (known) continue;
        players_.push_back(seat.player);
        ++added;
      }
    });
  } catch (...) {
    players_ = std::move(before);
    throw;
  }
  if (added > 0) SaveOrRestore(std::move(before));
  if (added > 0) {
    ui.ShowMessage("Import players", std::to_string(added) + " " + CountWord(added, "player", "players") + " " +
                                         CountWord(added, "was", "were") + " added from the game database.");
  } else {
    ui.ShowMessage("Import players", "There were no new players in the game database.");
  }
  return added;
}

// One pass over the stored headers for all players: players sharing a
// playerId (a player file from elsewhere may hold such) are the same person
// and share figures.
std::vector<CPlayerFigures> CPlayerDatabase::Figures(CGameDatabase& games) const {
  std::unordered_map<int32_t, CPlayerFigures> byId;
  for (const CPlayer& player : players_) byId.emplace(player.playerId, CPlayerFigures{});
  games.ForEachHeader([&](int, const CGame& game) {
    for (std::size_t s = 0; s < game.players.size(); ++s) {
      int32_t id = game.players[s].player.playerId;
      auto found = byId.find(id);
      if (found == byId.end()) continue;
      bool earlierSeat = false;  // only the first seat of a person counts
      for (std::size_t t = 0; t < s; ++t) earlierSeat = earlierSeat || game.players[t].player.playerId == id;
      if (!earlierSeat) AddGameToFigures(found->second, id, game);
    }
  });
  std::vector<CPlayerFigures> figures;
  figures.reserve(players_.size());
  for (const CPlayer& player : players_) figures.push_back(byId[player.playerId]);
  return figures;
}
