#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/file_system.h"

class CBoard;
class CGame;
class CHistoryLog;

// The local game database: the record file game.db, holding game records one
// after another, and the key index keys.db, one int32 offset per game, both
// in the data directory. A game is addressed by its index 0..GameCount()-1.
//
// The record file is the truth and the key index is derived from it: an
// index that is missing, short or points where no readable record starts is
// rebuilt by reading the records one after another. Every write is synced
// before the next one starts, and rewrites replace files by rename, so a
// crash at any moment leaves every committed game readable.
//
// A record whose header reads but whose body is damaged stays listed (so
// neither it nor any game after it is lost at the next rewrite): opening it
// raises CDatabaseError, and a rewrite copies it byte for byte.
//
// Reading failures and impossible requests raise CDatabaseError with a text
// for the user; file failures raise CFileError.
class CGameDatabase {
 public:
  // `dataDir` holds the database files, reached through `files`.
  explicit CGameDatabase(std::string dataDir = "data", IFileSystem& files = RealFileSystem());

  // The process-wide database, created on first use in the directory set by
  // SetInstanceDirectory (default "data").
  static CGameDatabase& Instance();
  static void SetInstanceDirectory(std::string dataDir);

  // --- files ----------------------------------------------------------------
  const std::string& DataDir() const { return dataDir_; }
  IFileSystem& Files() const { return *files_; }
  std::string RecordPath() const { return dataDir_ + "/game.db"; }
  std::string KeyPath() const { return dataDir_ + "/keys.db"; }
  std::string TempRecordPath() const { return dataDir_ + "/temp.db"; }
  std::string TempKeyPath() const { return dataDir_ + "/tempkey.db"; }

  // --- the index (loaded on first use) ---------------------------------------
  // Rebuilds the offsets and game ids from the files; the first load also
  // clears a temporary pair left by an interrupted rewrite.
  void LoadIndex();
  int GameCount();
  const std::vector<int32_t>& GameIds();
  const std::vector<int32_t>& Offsets();

  // --- reading ----------------------------------------------------------------
  // The version and header of game `index` (for lists and identity checks).
  void ReadHeader(int index, CGame& game);
  // The whole record of game `index`; the board section sets the board kind.
  void ReadRecord(int index, CGame& game, CHistoryLog& history, CBoard& board);
  // Reads every header once, in database order, through one open file.
  void ForEachHeader(const std::function<void(int index, const CGame& game)>& visit);

  // --- writing ----------------------------------------------------------------
  // Appends one game record to `recordPath` and, unless `keyPath` is empty,
  // its offset to `keyPath`; the index then reflects the files again.
  void AppendRecord(CGame& game, CHistoryLog& history, CBoard& board, const std::string& recordPath,
                    const std::string& keyPath);
  // Removes game `index`; later games move down by one.
  void DeleteGame(int index);
  // Copies every game but `skipIndex` into the temporary pair, letting `edit`
  // change its header (true when it did), and commits the pair. A game that
  // cannot be read is copied byte for byte, unedited. Returns the number of
  // games changed. On failure the database is left as it was.
  int RewriteGames(const std::function<bool(CGame&)>& edit, int skipIndex = -1);
  // Replaces the database by the temporary pair (when both exist) and
  // reloads the index.
  void CommitRewrite();
  // Deletes the temporary pair if present.
  void ClearRewrite();

 private:
  void EnsureLoaded();
  void CheckIndex(int index);
  bool IndexFromKeys(IReadableFile& records, const std::vector<int32_t>& keys);
  bool ScanRecords(IReadableFile& records);
  std::unique_ptr<IReadableFile> OpenRecords();
  std::vector<uint8_t> CopyOfGame(IReadableFile& records, int index, const std::function<bool(CGame&)>& edit,
                                  bool& changed);
  void AppendToDatabase(const std::vector<uint8_t>& record, int32_t gameId);
  bool IsDatabasePair(const std::string& recordPath, const std::string& keyPath) const;

  std::string dataDir_;
  IFileSystem* files_;
  bool loaded_ = false;
  bool clearedAtStart_ = false;
  std::vector<int32_t> offsets_;
  std::vector<int32_t> gameIds_;
  uint64_t recordEnd_ = 0;  // end of the last indexed record in game.db
};
