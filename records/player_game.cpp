#include "records/player_game.h"

#include "records/record_fields.h"

void CPlayerGame::SizePositions(std::size_t tileCount) {
  settlementsAt.assign(tileCount, 0);
  citiesAt.assign(tileCount, 0);
}

void CPlayerGame::Serialize(CArchive& ar) {
  player.Serialize(ar);
  SerializeField(ar, color);
  SerializeField(ar, settlementsAt);
  SerializeField(ar, citiesAt);
  SerializeField(ar, victoryPoints);
  SerializeField(ar, hand);
  SerializeField(ar, gainedFromBoard);
  SerializeField(ar, stolenFrom);
  SerializeField(ar, gainedFromCards);
  SerializeField(ar, lostToRobber);
  SerializeField(ar, stolenBy);
  SerializeField(ar, lostOnSeven);
  SerializeField(ar, roadsLeft);
  SerializeField(ar, citiesLeft);
  SerializeField(ar, settlementsLeft);
  SerializeField(ar, cardsBoughtThisTurn);
  SerializeField(ar, cardsHeld);
  SerializeField(ar, cardsPlayed);
  SerializeField(ar, cardPlayedThisTurn);
  SerializeField(ar, hasLargestArmy);
  SerializeField(ar, hasLongestRoad);
  SerializeField(ar, bankTrades);
  SerializeField(ar, tradesWith);
  SerializeField(ar, givenToBank);
  SerializeField(ar, receivedFromBank);
  SerializeField(ar, givenTo);
  SerializeField(ar, receivedFrom);
  SerializeField(ar, turnSeconds);
}
