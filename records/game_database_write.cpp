// The game database: appending, deleting and rewriting games.
#include <filesystem>
#include <system_error>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/archive_file.h"
#include "records/atomic_file.h"
#include "records/database_ui.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/record_io.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

int32_t OffsetOrThrow(uint64_t position, const std::string& path) {
  if (position > static_cast<uint64_t>(INT32_MAX)) {
    throw CDatabaseError(path + " is full: a game record cannot start beyond 2 GB.");
  }
  return static_cast<int32_t>(position);
}

// Appends a record (and its key) to files other than the database's own
// pair: an export file or the temporary pair of a rewrite.
void AppendToFiles(const std::vector<uint8_t>& record, const std::string& recordPath, const std::string& keyPath) {
  int32_t offset = 0;
  {
    CDurableFile records(recordPath, CDurableFile::Mode::append);
    offset = OffsetOrThrow(records.Size(), recordPath);
    records.Append(record);
    records.Sync();
  }
  if (keyPath.empty()) return;
  CDurableFile keys(keyPath, CDurableFile::Mode::append);
  keys.Truncate(keys.Size() / 4 * 4);  // a torn key must not shift the next one
  std::vector<uint8_t> key;
  AppendInt32(key, offset);
  keys.Append(key);
  keys.Sync();
}

}  // namespace

bool CGameDatabase::IsDatabasePair(const std::string& recordPath, const std::string& keyPath) const {
  return SamePath(recordPath, RecordPath()) && SamePath(keyPath, KeyPath());
}

// The record goes in first, synced, and then its key: a crash in between
// leaves a complete record without a key, which the next load takes back in.
// A torn record left by an earlier crash is cut off first.
void CGameDatabase::AppendToDatabase(const std::vector<uint8_t>& record, int32_t gameId) {
  EnsureLoaded();
  int32_t offset = OffsetOrThrow(recordEnd_, RecordPath());
  {
    CDurableFile records(RecordPath(), CDurableFile::Mode::append);
    records.Truncate(recordEnd_);
    records.Append(record);
    records.Sync();
  }
  {
    CDurableFile keys(KeyPath(), CDurableFile::Mode::append);
    keys.Truncate(offsets_.size() * 4);
    std::vector<uint8_t> key;
    AppendInt32(key, offset);
    keys.Append(key);
    keys.Sync();
  }
  offsets_.push_back(offset);
  gameIds_.push_back(gameId);
  recordEnd_ += record.size();
}

void CGameDatabase::AppendRecord(CGame& game, CHistoryLog& history, CBoard& board, const std::string& recordPath,
                                 const std::string& keyPath) {
  std::vector<uint8_t> record = EncodeGameRecord(game, history, board);
  if (IsDatabasePair(recordPath, keyPath)) {
    AppendToDatabase(record, game.gameId);
    return;
  }
  AppendToFiles(record, recordPath, keyPath);
  LoadIndex();
}

// ---------------------------------------------------------------- rewriting

void CGameDatabase::ClearRewrite() {
  DurableRemove(TempRecordPath());
  DurableRemove(TempKeyPath());
}

// The key index is removed before the record file is replaced, so that at
// no moment do keys of one record file sit beside another record file; the
// next load derives the missing index from whichever record file is there.
void CGameDatabase::CommitRewrite() {
  if (Exists(TempRecordPath()) && Exists(TempKeyPath())) {
    DurableRemove(KeyPath());
    DurableRename(TempRecordPath(), RecordPath());
    DurableRename(TempKeyPath(), KeyPath());
  }
  ClearRewrite();
  LoadIndex();
}

int CGameDatabase::RewriteGames(const std::function<bool(CGame&)>& edit, int skipIndex) {
  int count = GameCount();
  ClearRewrite();
  if (count == 0 || (count == 1 && skipIndex == 0)) {
    // Nothing survives: no pair to build, the database simply ends.
    if (count == 1) {
      DurableRemove(KeyPath());
      DurableRemove(RecordPath());
    }
    LoadIndex();
    return 0;
  }
  int changed = 0;
  try {
    ArchiveFile source = OpenArchiveFile(RecordPath(), ArchiveFileMode::read);
    if (!source) throw CDatabaseError("The game database " + RecordPath() + " cannot be opened.");
    std::vector<uint8_t> keys;
    {
      CDurableFile temp(TempRecordPath(), CDurableFile::Mode::create);
      for (int i = 0; i < count; ++i) {
        if (i == skipIndex) continue;
        CGame game;
        CHistoryLog history;
        CBoard board;
        try {
          ReadRecordOrThrow(source.get(), static_cast<uint64_t>(offsets_[i]), game, history, board);
        } catch (const CArchiveException& e) {
          throw CDatabaseError("Game " + std::to_string(i) + " in the game database cannot be read (" +
                               e.what() + "); the game database was left unchanged.");
        }
        if (edit && edit(game)) ++changed;
        AppendInt32(keys, OffsetOrThrow(temp.Size(), TempRecordPath()));
        temp.Append(EncodeGameRecord(game, history, board));
      }
      temp.Sync();
    }
    CDurableFile tempKeys(TempKeyPath(), CDurableFile::Mode::create);
    tempKeys.Append(keys);
    tempKeys.Sync();
  } catch (...) {
    ClearRewrite();
    throw;
  }
  CommitRewrite();
  return changed;
}

void CGameDatabase::DeleteGame(int index) {
  CheckIndex(index);
  RewriteGames(nullptr, index);
}
