#include "records/game_exchange.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/database_ui.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_record.h"
#include "records/player_database.h"
#include "records/record_io.h"

namespace {

constexpr const char* kMagic = "H3D";

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + CountWord(count, one, many) + " " + CountWord(count, "was", "were");
}

std::vector<uint8_t> ExportHeader(int count) {
  std::vector<uint8_t> bytes;
  CArchive ar(bytes);
  ar.WriteString(kMagic);
  ar << static_cast<int32_t>(count);
  ar.Flush();
  return bytes;
}

void WriteExport(CGameDatabase& games, const std::string& temp, const std::vector<int>& indices) {
  std::unique_ptr<IWritableFile> out = games.Files().OpenWrite(temp, IFileSystem::WriteMode::create);
  out->Append(ExportHeader(static_cast<int>(indices.size())));
  for (int index : indices) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    games.ReadRecord(index, game, history, board);
    out->Append(EncodeGameRecord(game, history, board));
  }
  out->Sync();
}

// Reads the magic and the count; false when the file is not an export file.
bool ReadExportHeader(CArchive& ar, int32_t& count) {
  try {
    if (ar.ReadString() != kMagic) return false;
    ar >> count;
  } catch (const CArchiveException&) {
    return false;
  }
  return count >= 0;
}

}  // namespace

int ExportGames(CGameDatabase& games, const std::string& path, const std::vector<int>& indices, IDatabaseUi& ui) {
  for (int index : indices) {
    if (index < 0 || index >= games.GameCount()) {
      throw CDatabaseError("There is no game " + std::to_string(index) + " in the game database.");
    }
  }
  CWaitCursor wait(ui);
  std::string temp = TempPathFor(path);
  try {
    WriteExport(games, temp, indices);
    games.Files().Rename(temp, path);
  } catch (const std::exception&) {
    try {
      games.Files().Remove(temp);
    } catch (const CFileError&) {
      // The export's own failure is the one to report.
    }
    throw;
  }
  int n = static_cast<int>(indices.size());
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(path, error).lexically_normal();
  ui.ShowMessage("Export games",
                 Counted(n, "game", "games") + " successfully exported to " + (error ? path : full.string()) + ".");
  return n;
}

CImportOutcome ImportGames(CGameDatabase& games, CPlayerDatabase& players, const std::string& path, IDatabaseUi& ui) {
  CImportOutcome outcome;
  std::unique_ptr<IReadableFile> file = games.Files().OpenRead(path);
  if (!file) {
    ui.ShowMessage("Import error", path + " cannot be found.");
    return outcome;
  }
  int added = 0;
  {
    CWaitCursor wait(ui);
    CArchive ar(*file, 0);
    int32_t count = 0;
    if (!ReadExportHeader(ar, count)) {
      ui.ShowMessage("Import error", path + " is not a valid Hexstead3D import file.");
      return outcome;
    }
    // Only the games present before the import are recognised, so a file
    // holding the same new game twice adds it twice.
    std::vector<int32_t> known = games.GameIds();
    for (int32_t i = 0; i < count; ++i) {
      CGame game;
      CHistoryLog history;
      CBoard board;
      try {
        ReadGameRecord(ar, game, history, board);
      } catch (const CArchiveException& e) {
        ui.ShowMessage("Import error", path + " is damaged: game " + std::to_string(i + 1) + " cannot be read (" +
                                           e.what() + "). " + Counted(added, "game", "games") +
                                           " imported before the damage.");
        outcome.added = added;
        return outcome;
      }
      if (std::find(known.begin(), known.end(), game.gameId) != known.end()) continue;
      games.AppendRecord(game, history, board, games.RecordPath(), games.KeyPath());
      ++added;
    }
  }
  outcome.accepted = true;
  outcome.added = added;
  if (added == 0) {
    ui.ShowMessage("Import games", "There were no new games in " + path + ".");
    return outcome;
  }
  games.LoadIndex();
  if (ui.AskYesNo("Import games", Counted(added, "game", "games") + " successfully imported from " + path +
                                      ".\nDo you want to scan the imported games for new players\n"
                                      "not currently in the database?")) {
    players.ImportFromGames(games, ui);
  }
  return outcome;
}
