#pragma once

class CArchive;
class CBoard;
class CGame;
class CHistoryLog;

// The format version a game record starts with (stored as float32).
inline constexpr float kGameRecordVersion = 1.0f;

// A game record is one archive: float32 version, the CGame header with its
// seats, the history section and the board section. Records carry no length,
// so a reader must read all four sections to reach the next record.

// Writes all four sections; the owner flushes the archive.
void WriteGameRecord(CArchive& ar, CGame& game, CHistoryLog& history, CBoard& board);

// Reads all four sections into the given objects and returns the stored
// version (kept as read, not checked). The game is marked as not on. Raises
// CArchiveException when the data ends early or holds impossible counts;
// the objects may then be partly loaded and should be discarded.
float ReadGameRecord(CArchive& ar, CGame& game, CHistoryLog& history, CBoard& board);

// Reads only the version and the header (for lists, statistics and identity
// checks); the archive is left at the start of the history section.
float ReadGameRecordHeader(CArchive& ar, CGame& game);
