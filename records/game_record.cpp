#include "records/game_record.h"

#include "engine/board/board_section.h"
#include "engine/session/history_log.h"
#include "records/archive.h"
#include "records/game.h"

void WriteGameRecord(CArchive& ar, CGame& game, CHistoryLog& history, CBoard& board) {
  ar << kGameRecordVersion;
  game.Serialize(ar);
  history.Serialize(ar);
  SerializeBoardSection(ar, board);
}

float ReadGameRecordHeader(CArchive& ar, CGame& game) {
  float version = 0.0f;
  ar >> version;
  game.Serialize(ar);
  game.gameOn = 0;
  return version;
}

float ReadGameRecord(CArchive& ar, CGame& game, CHistoryLog& history, CBoard& board) {
  float version = ReadGameRecordHeader(ar, game);
  history.Serialize(ar);
  SerializeBoardSection(ar, board);
  return version;
}
