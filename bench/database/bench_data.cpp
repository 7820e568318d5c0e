#include "bench_data.h"

#include <fstream>
#include <string>
#include <vector>

#include "records/player_database.h"
#include "records/record_io.h"
#include "sample_game.h"

void WriteBenchDatabase(const std::filesystem::path& dir, int games, int players) {
  SampleGame sample = MakeSampleGame();
  std::vector<uint8_t> records, keys;
  for (int g = 0; g < games; ++g) {
    sample.game.gameId = 1600000000 + g;
    // Start times spread over years, so the list's columns differ.
    sample.game.startTime.days = 43000.0 + (g * 37 % 2000) + (g % 97) / 97.0;
    sample.game.endTime.days = sample.game.startTime.days + (g % 50 + 10) / 1440.0;
    sample.game.players.resize(4, sample.game.players[0]);
    for (int s = 0; s < 4; ++s) {
      int p = (g * 7 + s * 13) % players;
      sample.game.players[s].player = CPlayer("First" + std::to_string(p), "Last" + std::to_string(p), 1000 + p);
      sample.game.players[s].victoryPoints = (g + s * 3) % 13;
    }
    AppendInt32(keys, static_cast<int32_t>(records.size()));
    std::vector<uint8_t> r = EncodeGameRecord(sample.game, sample.history, sample.board);
    records.insert(records.end(), r.begin(), r.end());
  }
  std::ofstream(dir / "game.db", std::ios::binary).write(reinterpret_cast<const char*>(records.data()),
                                                        static_cast<std::streamsize>(records.size()));
  std::ofstream(dir / "keys.db", std::ios::binary).write(reinterpret_cast<const char*>(keys.data()),
                                                        static_cast<std::streamsize>(keys.size()));
  CPlayerDatabase people(dir.string());
  for (int p = 0; p < players; ++p) {
    people.AddPlayer(CPlayer("First" + std::to_string(p), "Last" + std::to_string(p), 1000 + p));
  }
}
