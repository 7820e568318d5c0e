// The game database: appending, deleting and rewriting games.
#include <filesystem>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/database_ui.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/record_io.h"
#include "records/replay_store.h"

namespace {

bool SamePath(const std::string& a, const std::string& b) {
  return std::filesystem::path(a).lexically_normal() == std::filesystem::path(b).lexically_normal();
}

int32_t OffsetOrThrow(uint64_t position, const std::string& path) {
  if (position > static_cast<uint64_t>(INT32_MAX)) {
    throw CDatabaseError(path + " is full: a game record cannot start beyond 2 GB.");
  }
  return static_cast<int32_t>(position);
}

// Appends a record (and its key) to files other than the database's own
// pair: an export file or the temporary pair of a rewrite.
void AppendToFiles(IFileSystem& files, const std::vector<uint8_t>& record, const std::string& recordPath,
                   const std::string& keyPath) {
  int32_t offset = 0;
  {
    std::unique_ptr<IWritableFile> records = files.OpenWrite(recordPath, IFileSystem::WriteMode::append);
    offset = OffsetOrThrow(records->Size(), recordPath);
    records->Append(record);
    records->Sync();
  }
  if (keyPath.empty()) return;
  std::unique_ptr<IWritableFile> keys = files.OpenWrite(keyPath, IFileSystem::WriteMode::append);
  keys->Truncate(keys->Size() / 4 * 4);  // a torn key must not shift the next one
  std::vector<uint8_t> key;
  AppendInt32(key, offset);
  keys->Append(key);
  keys->Sync();
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
    std::unique_ptr<IWritableFile> records = files_->OpenWrite(RecordPath(), IFileSystem::WriteMode::append);
    records->Truncate(recordEnd_);
    records->Append(record);
    records->Sync();
  }
  {
    std::unique_ptr<IWritableFile> keys = files_->OpenWrite(KeyPath(), IFileSystem::WriteMode::append);
    keys->Truncate(offsets_.size() * 4);
    std::vector<uint8_t> key;
    AppendInt32(key, offset);
    keys->Append(key);
    keys->Sync();
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
  AppendToFiles(*files_, record, recordPath, keyPath);
  LoadIndex();
}

// ---------------------------------------------------------------- rewriting

void CGameDatabase::ClearRewrite() {
  files_->Remove(TempRecordPath());
  files_->Remove(TempKeyPath());
}

// The key index is removed before the record file is replaced, so that at
// no moment do keys of one record file sit beside another record file; the
// next load derives the missing index from whichever record file is there.
void CGameDatabase::CommitRewrite() {
  if (files_->IsFile(TempRecordPath()) && files_->IsFile(TempKeyPath())) {
    files_->Remove(KeyPath());
    files_->Rename(TempRecordPath(), RecordPath());
    files_->Rename(TempKeyPath(), KeyPath());
  }
  ClearRewrite();
  LoadIndex();
}

// The bytes game `index` is rewritten as: read, edited and encoded again,
// or, when its body cannot be read, copied as it stands (from its offset to
// the next game's; the last indexed game always reads completely).
std::vector<uint8_t> CGameDatabase::CopyOfGame(IReadableFile& records, int index,
                                               const std::function<bool(CGame&)>& edit, bool& changed) {
  CGame game;
  CHistoryLog history;
  CBoard board;
  auto offset = static_cast<uint64_t>(offsets_[index]);
  try {
    ReadRecordOrThrow(records, offset, game, history, board);
  } catch (const CArchiveException& e) {
    if (index + 1 >= GameCount()) {
      throw CDatabaseError("Game " + std::to_string(index) + " in the game database cannot be read (" + e.what() +
                           "); the game database was left unchanged.");
    }
    std::vector<uint8_t> raw(static_cast<std::size_t>(static_cast<uint64_t>(offsets_[index + 1]) - offset));
    if (records.ReadAt(offset, raw.data(), raw.size()) != raw.size()) {
      throw CDatabaseError("The game database " + RecordPath() + " cannot be read; it was left unchanged.");
    }
    return raw;
  }
  changed = edit && edit(game);
  return EncodeGameRecord(game, history, board);
}

int CGameDatabase::RewriteGames(const std::function<bool(CGame&)>& edit, int skipIndex) {
  int count = GameCount();
  ClearRewrite();
  if (count == 0 || (count == 1 && skipIndex == 0)) {
    // Nothing survives: no pair to build, the database simply ends.
    if (count == 1) {
      files_->Remove(KeyPath());
      files_->Remove(RecordPath());
    }
    LoadIndex();
    return 0;
  }
  int changed = 0;
  try {
    std::unique_ptr<IReadableFile> source = OpenRecords();
    std::vector<uint8_t> keys;
    {
      std::unique_ptr<IWritableFile> temp = files_->OpenWrite(TempRecordPath(), IFileSystem::WriteMode::create);
      for (int i = 0; i < count; ++i) {
        if (i == skipIndex) continue;
        bool edited = false;
        std::vector<uint8_t> bytes = CopyOfGame(*source, i, edit, edited);
        if (edited) ++changed;
        AppendInt32(keys, OffsetOrThrow(temp->Size(), TempRecordPath()));
        temp->Append(bytes);
      }
      temp->Sync();
    }
    std::unique_ptr<IWritableFile> tempKeys = files_->OpenWrite(TempKeyPath(), IFileSystem::WriteMode::create);
    tempKeys->Append(keys);
    tempKeys->Sync();
  } catch (...) {
    ClearRewrite();
    throw;
  }
  CommitRewrite();
  return changed;
}

// A game tracked here takes its replay with it; another game of the same
// name (the same game stored twice) keeps it.
void CGameDatabase::DeleteGame(int index) {
  CheckIndex(index);
  CGame deleted;
  ReadHeader(index, deleted);
  RewriteGames(nullptr, index);
  std::optional<std::string> replay = FindReplay(dataDir_, deleted, *files_);
  if (!replay) return;
  bool shared = false;
  ForEachHeader([&](int, const CGame& game) { shared = shared || ReplayFileName(game) == ReplayFileName(deleted); });
  if (!shared) files_->Remove(*replay);
}
