#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class CBoard;
class CGame;
class CHistoryLog;
class IReadableFile;

// Game records read from and written to byte positions of a stored file.
// The readers return the position just after what they read, or nothing
// when the data there is not a readable record (they never raise for that).

std::optional<uint64_t> ReadHeaderAt(IReadableFile& file, uint64_t offset, CGame& game);
std::optional<uint64_t> ReadRecordAt(IReadableFile& file, uint64_t offset, CGame& game, CHistoryLog& history,
                                     CBoard& board);
// Like ReadRecordAt, but raises the archive error that stopped the reading.
uint64_t ReadRecordOrThrow(IReadableFile& file, uint64_t offset, CGame& game, CHistoryLog& history, CBoard& board);

// The bytes of one game record (version, header, history, board).
std::vector<uint8_t> EncodeGameRecord(CGame& game, CHistoryLog& history, CBoard& board);

// An int32 as its four little-endian bytes.
void AppendInt32(std::vector<uint8_t>& bytes, int32_t value);
