#include "play_players.h"

CPlayer PlayerFile::FindOrAdd(const std::string& firstName, const std::string& lastName) {
  for (const CPlayer& player : database_.Players())
    if (player.firstName == firstName && player.lastName == lastName) return player;
  return database_.AddPlayer(CPlayer::Create(firstName, lastName));
}
