// Writes the seed corpus of the game record fuzz target into the directory
// given on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/archive.h"
#include "records/game_record.h"
#include "sample_game.h"

namespace {

void Save(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_record_seeds <corpus directory>\n");
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);

  // A full game of three seats.
  SampleGame full = MakeSampleGame();
  Save(dir / "three_seats.rec", SampleRecordBytes(full));

  // A game without seats, rolls or history on the same board.
  SampleGame bare = MakeSampleGame();
  bare.game.players.clear();
  bare.game.rolls.clear();
  bare.game.rollCounts = {};
  bare.history.Clear();
  Save(dir / "bare.rec", SampleRecordBytes(bare));

  // An export-style list: "H3D", a count of two, two bare records.
  std::vector<uint8_t> list;
  {
    CArchive ar(list);
    ar << std::string("H3D") << int32_t{2};
    for (int i = 0; i < 2; ++i) WriteGameRecord(ar, bare.game, bare.history, bare.board);
  }
  Save(dir / "export_two.h3d", list);

  // A header whose first name uses the wide string form.
  SampleGame one = MakeSampleGame();
  one.game.players.resize(1);
  std::vector<uint8_t> seat = SampleRecordBytes(one);
  const std::size_t nameAt = 4 + 40;  // version, header fields, seat count
  std::vector<uint8_t> widened(seat.begin(), seat.begin() + nameAt);
  for (int b : {0xFF, 0xFE, 0xFF, 0x03, int{'A'}, 0, int{'n'}, 0, int{'n'}, 0}) widened.push_back(static_cast<uint8_t>(b));
  widened.insert(widened.end(), seat.begin() + nameAt + 4, seat.end());
  Save(dir / "wide_name.rec", widened);
  return 0;
}
