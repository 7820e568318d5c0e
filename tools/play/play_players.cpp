#include "play_players.h"

CPlayer PlayerFile::FindOrAdd(const std::string& firstName, const std::string& lastName, bool add) {
  for (const CPlayer& player : database_.Players())
    if (player.firstName == firstName && player.lastName == lastName) return player;
  CPlayer made = CPlayer::Create(firstName, lastName);
  return add ? database_.AddPlayer(made) : made;
}
