#include "records/player.h"

#include "records/clock.h"
#include "records/record_fields.h"

CPlayer CPlayer::Create(std::string first, std::string last) {
  return CPlayer(std::move(first), std::move(last), CClock::NowSeconds());
}

std::string CPlayer::DisplayName() const { return firstName + " " + lastName; }

std::string CPlayer::ListName() const { return lastName + ", " + firstName; }

void CPlayer::Serialize(CArchive& ar) {
  SerializeField(ar, firstName);
  SerializeField(ar, lastName);
  SerializeField(ar, playerId);
}
