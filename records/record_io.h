#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

class CBoard;
class CGame;
class CHistoryLog;

// Game records read from and written to byte positions of a stored file.
// The readers return the position just after what they read, or nothing
// when the data there is not a readable record (they never raise for that).

std::optional<uint64_t> ReadHeaderAt(std::FILE* file, uint64_t offset, CGame& game);
std::optional<uint64_t> ReadRecordAt(std::FILE* file, uint64_t offset, CGame& game, CHistoryLog& history,
                                     CBoard& board);
// Like ReadRecordAt, but raises the archive error that stopped the reading.
uint64_t ReadRecordOrThrow(std::FILE* file, uint64_t offset, CGame& game, CHistoryLog& history, CBoard& board);

// The bytes of one game record (version, header, history, board).
std::vector<uint8_t> EncodeGameRecord(CGame& game, CHistoryLog& history, CBoard& board);

// Size of an open file, 0 when it cannot be told.
uint64_t StoredFileSize(std::FILE* file);

// An int32 as its four little-endian bytes.
void AppendInt32(std::vector<uint8_t>& bytes, int32_t value);
