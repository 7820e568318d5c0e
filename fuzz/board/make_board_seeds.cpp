// Writes the seed corpus of fuzz_board_section into the directory given:
// a generated standard and large board with pieces and a longest road.
// Run by hand after a change of the board section's format.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/board/board.h"
#include "engine/board/board_section.h"
#include "records/archive.h"

namespace {

void WriteSeed(const std::string& path, BoardKind kind, int salt) {
  CFixedRandom source({1234 + salt, 32767, 77 * salt, 20000, 5});
  CBoardRandom random(source, [] { return std::int64_t{1700000000}; });
  CBoard board(kind, random);
  board.Generate(random);
  board.SetBuilding(MakeCornerId(0, 0), SettlementCode(1));
  board.UpgradeBuilding(MakeCornerId(2, 3));
  board.SetRoad(MakeEdgeId(0, 0), 1);
  board.SetRoad(MakeEdgeId(1, 2), 1);
  board.longestRoadLength = 5;
  board.longestRoadPath = {0, 12, 93, 94, 95};
  std::vector<uint8_t> bytes;
  {
    CArchive ar(bytes);
    SerializeBoardSection(ar, board);
    ar.Flush();
  }
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : ".";
  WriteSeed(dir + "/standard.bin", BoardKind::Standard, 1);
  WriteSeed(dir + "/large.bin", BoardKind::Large, 2);
  return 0;
}
