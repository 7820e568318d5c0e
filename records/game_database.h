#pragma once

#include <string>

class CBoard;
class CGame;
class CHistoryLog;

// The local game database: the record file game.db, holding game records one
// after another, and the key index keys.db, one int32 offset per game.
class CGameDatabase {
 public:
  // `dataDir` holds the database files ("data" under the working directory).
  explicit CGameDatabase(std::string dataDir = "data");

  std::string RecordPath() const { return dataDir_ + "/game.db"; }
  std::string KeyPath() const { return dataDir_ + "/keys.db"; }

  // Appends one game record to `recordPath` and, unless `keyPath` is empty,
  // the record's offset to `keyPath` (written after the record is flushed).
  // A file that cannot be opened or written raises std::runtime_error.
  void AppendRecord(CGame& game, CHistoryLog& history, CBoard& board, const std::string& recordPath,
                    const std::string& keyPath);

 private:
  std::string dataDir_;
};
