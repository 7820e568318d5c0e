#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/session/session.h"

// Everything that makes up the state of a game: the game record as stored
// bytes plus its in-memory fields, the session fields, the board and its
// play values, the history and what the panels derive from them. Cheap to
// take and compare; the JSON state explains a difference.
struct SessionSnapshot {
  std::vector<uint8_t> record;
  CDateTime turnStart;
  int32_t gameOn = 0;
  CSessionFields fields;
  std::vector<CBoardPiece> pieces;
  std::vector<int32_t> boardValues;  // robber, longest road, entry and chips
  std::vector<EdgeId> longestRoadPath;
  CGameHistory history;
  size_t undoDepth = 0;
  bool canUndo = false;
  std::string chipPanelText;
  std::vector<int32_t> pickable;
  PendingDecision pending;

  static SessionSnapshot Of(const CGameSession& session);
  bool operator==(const SessionSnapshot& other) const = default;
  // Which parts differ from `other`, by name.
  std::string Differences(const SessionSnapshot& other) const;
};
