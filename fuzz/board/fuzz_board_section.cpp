// Loads arbitrary bytes as a board section. A section that loads must make a
// consistent board that stores back to exactly the bytes it was read from,
// and every site query on it must stay inside the board.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "engine/board/board.h"
#include "engine/board/board_section.h"
#include "records/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CBoard board;
  try {
    CArchive ar(std::span<const uint8_t>(data, size));
    SerializeBoardSection(ar, board);
  } catch (const CArchiveException&) {
    return 0;
  }
  if (!board.IsConsistent()) std::abort();

  std::vector<uint8_t> stored;
  {
    CArchive ar(stored);
    SerializeBoardSection(ar, board);
    ar.Flush();
  }
  if (stored.size() > size || std::memcmp(stored.data(), data, stored.size()) != 0) std::abort();

  for (int p = 0; p < board.LandCount(); ++p) {
    const CBoardPiece& piece = board.Piece(p);
    for (int k = 0; k < kDirections; ++k) {
      for (const PieceCorner& c : board.CornerFormsOnBoard(p, k)) board.Building(c);
      const EdgeId edge = EdgeIdFromRoadPick(MakeEdgeId(p, k), piece.rotation);
      for (const PieceSide& s : board.SideFormsOnBoard(IdPosition(edge), IdIndex(edge))) {
        board.RoadOwner(s);
      }
    }
  }
  return 0;
}
