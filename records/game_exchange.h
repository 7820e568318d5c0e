#pragma once

#include <string>
#include <vector>

class CGameDatabase;
class CPlayerDatabase;
class IDatabaseUi;

// Export files (.h3d) carry games between installations: the string "H3D",
// an int32 count and that many game records, exactly as the game database
// holds them. A game's identity across files is its gameId.

// Writes the games at `indices` (in that order) to `path` and reports it
// ("Export games"). The file is written beside `path` and renamed over it
// when complete, so a failed export leaves an existing file as it was.
// Returns the number of games written; raises CDatabaseError or CFileError.
int ExportGames(CGameDatabase& games, const std::string& path, const std::vector<int>& indices, IDatabaseUi& ui);

struct CImportOutcome {
  bool accepted = false;  // the file was found, valid and read to its end
  int added = 0;          // games appended to the database
};

// Appends the games of the export file at `path` that were not in the
// database before the import began, reports the result ("Import games" or
// "Import error") and, when games were added and the user agrees, imports
// their players. Games added before a damaged record stay in the database.
CImportOutcome ImportGames(CGameDatabase& games, CPlayerDatabase& players, const std::string& path, IDatabaseUi& ui);
