#include "play_players.h"

CPlayer PlayerFile::FindOrAdd(const std::string& firstName, const std::string& lastName) {
  for (const CPlayer& player : database_.Players())
    if (player.firstName == firstName && player.lastName == lastName) return player;
  CPlayer player = CPlayer::Create(firstName, lastName);
  database_.AddPlayer(player);
  return player;
}
