#include "random_game.h"

RandomGame::RandomGame(unsigned seed, const std::string& dataDir, std::ostream* events)
    : rng_(seed), runner_(events, dataDir, &answers_) {}

std::vector<std::string> RandomGame::Play(const std::vector<std::string>& lines) {
  answers_.Record();
  for (const std::string& line : lines) runner_.Run(line);
  std::vector<std::string> written = answers_.Lines();
  written.insert(written.end(), lines.begin(), lines.end());
  return written;
}
