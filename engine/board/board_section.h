#pragma once

class CArchive;
class CBoard;

// The board section of a game record: int32 piece count, the pieces in
// position order, landCount, longestRoadLength, int32 count and the
// longestRoadPath, robberTile. Storing writes `board`; loading replaces it.
// A stored piece count or landCount that fits no board kind, a piece out of
// its place in the position table, a value the board cannot hold, or copies
// of a shared corner or side that disagree raise
// CArchiveException, and `board` is then left unchanged.
void SerializeBoardSection(CArchive& ar, CBoard& board);
