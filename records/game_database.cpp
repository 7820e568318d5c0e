// The game database: loading and checking the index, and reading games.
#include "records/game_database.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/database_ui.h"
#include "records/game.h"
#include "records/record_io.h"

namespace {

// The smallest possible game record: version, bare header, empty history
// and a standard board section. No key file can index more records than
// the record file has room for.
constexpr uint64_t kMinRecordSize = 4 + CGame::kMinStoredSize + 4 + 5496;

std::string& InstanceDirectory() {
  static std::string dir = "data";
  return dir;
}

// The offsets of the key file, at most `limit` + 1 of them (enough to tell
// that there are too many); trailing bytes of a torn last key are ignored.
std::vector<int32_t> ReadKeys(IFileSystem& files, const std::string& path, uint64_t limit) {
  std::vector<int32_t> keys;
  std::unique_ptr<IReadableFile> file = files.OpenRead(path);
  if (!file) return keys;
  uint64_t count = std::min(file->Size() / 4, limit + 1);
  keys.resize(count);
  std::size_t got = file->ReadAt(0, keys.data(), keys.size() * 4);
  keys.resize(got / 4);
  return keys;
}

std::string Damaged(int index, const std::exception& e) {
  return "Game " + std::to_string(index) + " in the game database cannot be read (" + e.what() + ").";
}

}  // namespace

CGameDatabase::CGameDatabase(std::string dataDir, IFileSystem& files)
    : dataDir_(std::move(dataDir)), files_(&files) {}

std::unique_ptr<IReadableFile> CGameDatabase::OpenRecords() {
  std::unique_ptr<IReadableFile> file = files_->OpenRead(RecordPath());
  if (!file) throw CDatabaseError("The game database " + RecordPath() + " cannot be opened.");
  return file;
}

CGameDatabase& CGameDatabase::Instance() {
  static CGameDatabase database(InstanceDirectory());
  database.EnsureLoaded();
  return database;
}

void CGameDatabase::SetInstanceDirectory(std::string dataDir) { InstanceDirectory() = std::move(dataDir); }

// ---------------------------------------------------------------- the index

void CGameDatabase::EnsureLoaded() {
  if (!loaded_) LoadIndex();
}

void CGameDatabase::LoadIndex() {
  if (!clearedAtStart_) {
    clearedAtStart_ = true;
    ClearRewrite();
  }
  loaded_ = true;
  offsets_.clear();
  gameIds_.clear();
  recordEnd_ = 0;
  std::unique_ptr<IReadableFile> records = files_->OpenRead(RecordPath());
  if (!records) return;
  std::vector<int32_t> keys = ReadKeys(*files_, KeyPath(), records->Size() / kMinRecordSize);
  if (!IndexFromKeys(*records, keys)) {
    offsets_.clear();
    gameIds_.clear();
    recordEnd_ = 0;
  }
  // Records after the last indexed one were written by an append that was
  // cut off before its key; the complete ones are taken back in.
  ScanRecords(*records);
  if (offsets_ != keys) {
    std::vector<uint8_t> bytes;
    for (int32_t offset : offsets_) AppendInt32(bytes, offset);
    try {
      files_->ReplaceFile(KeyPath(), bytes);
    } catch (const CFileError&) {
      // A read-only database still lists; the next load derives it again.
    }
  }
}

// Takes the keys when each one starts a readable header after the previous
// one and the last record reads completely. A record before the last one may
// have a damaged body: it stays listed, and it ends where the next one starts.
bool CGameDatabase::IndexFromKeys(IReadableFile& records, const std::vector<int32_t>& keys) {
  uint64_t size = records.Size();
  if (keys.size() > size / kMinRecordSize) return false;
  CGame header;
  uint64_t earliest = 0;  // a record may not start inside the previous header
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] < 0 || static_cast<uint64_t>(keys[i]) < earliest || static_cast<uint64_t>(keys[i]) >= size)
      return false;
    std::optional<uint64_t> end = ReadHeaderAt(records, static_cast<uint64_t>(keys[i]), header);
    if (!end) return false;
    offsets_.push_back(keys[i]);
    gameIds_.push_back(header.gameId);
    earliest = *end;
  }
  if (!keys.empty()) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    std::optional<uint64_t> end = ReadRecordAt(records, static_cast<uint64_t>(keys.back()), game, history, board);
    if (!end) return false;
    recordEnd_ = *end;
  }
  return true;
}

// Reads whole records from recordEnd_ on and indexes each complete one; a
// torn record at the end is left out. True when a record was added.
bool CGameDatabase::ScanRecords(IReadableFile& records) {
  uint64_t size = records.Size();
  bool added = false;
  while (recordEnd_ < size && recordEnd_ <= INT32_MAX) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    std::optional<uint64_t> end = ReadRecordAt(records, recordEnd_, game, history, board);
    if (!end) break;
    offsets_.push_back(static_cast<int32_t>(recordEnd_));
    gameIds_.push_back(game.gameId);
    recordEnd_ = *end;
    added = true;
  }
  return added;
}

int CGameDatabase::GameCount() {
  EnsureLoaded();
  return static_cast<int>(gameIds_.size());
}

const std::vector<int32_t>& CGameDatabase::GameIds() {
  EnsureLoaded();
  return gameIds_;
}

const std::vector<int32_t>& CGameDatabase::Offsets() {
  EnsureLoaded();
  return offsets_;
}

void CGameDatabase::CheckIndex(int index) {
  if (index < 0 || index >= GameCount()) {
    throw CDatabaseError("There is no game " + std::to_string(index) + " in the game database.");
  }
}

// ---------------------------------------------------------------- reading

void CGameDatabase::ReadHeader(int index, CGame& game) {
  CheckIndex(index);
  std::unique_ptr<IReadableFile> records = OpenRecords();
  CGame loaded;
  if (!ReadHeaderAt(*records, static_cast<uint64_t>(offsets_[index]), loaded)) {
    throw CDatabaseError(Damaged(index, CArchiveException(CArchiveException::endOfFile)));
  }
  game = std::move(loaded);
}

void CGameDatabase::ReadRecord(int index, CGame& game, CHistoryLog& history, CBoard& board) {
  CheckIndex(index);
  std::unique_ptr<IReadableFile> records = OpenRecords();
  try {
    ReadRecordOrThrow(*records, static_cast<uint64_t>(offsets_[index]), game, history, board);
  } catch (const CArchiveException& e) {
    throw CDatabaseError(Damaged(index, e));
  }
}

void CGameDatabase::ForEachHeader(const std::function<void(int, const CGame&)>& visit) {
  int count = GameCount();
  if (count == 0) return;
  std::unique_ptr<IReadableFile> records = OpenRecords();
  CGame header;
  for (int i = 0; i < count; ++i) {
    if (!ReadHeaderAt(*records, static_cast<uint64_t>(offsets_[i]), header)) {
      throw CDatabaseError(Damaged(i, CArchiveException(CArchiveException::endOfFile)));
    }
    visit(i, header);
  }
}
