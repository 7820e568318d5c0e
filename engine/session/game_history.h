#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/session/history_log.h"

// The live game history: adds each recorded action's entry under the group of
// its phase or turn, opens the turn groups, and takes the newest entry back
// on Undo. The lines themselves are kept in the storable CHistoryLog.
class CGameHistory {
 public:
  // The four set-up groups, in the order they appear.
  enum SetupGroup { BoardSetupGroup, ChipPlacementGroup, PlayerInformationGroup, InitialPlacementGroup };

  // --- reading ------------------------------------------------------------
  const CHistoryLog& Log() const { return log_; }
  int32_t TurnCount() const { return turnCount_; }
  bool NewTurnDue() const { return newTurnDue_; }

  // --- building -----------------------------------------------------------
  // An entry in one of the set-up groups (created on first use).
  void AddSetupEntry(SetupGroup group, std::string text, int32_t picture);
  // An entry in the current turn; with `opensTurn` a due turn group is opened
  // first as "Turn %d - <turnOwner>" with `turnPicture`.
  void AddTurnEntry(std::string text, int32_t picture, bool opensTurn, const std::string& turnOwner,
                    int32_t turnPicture);
  // The next turn-opening entry starts a new turn group.
  void MarkNewTurnDue() { newTurnDue_ = true; }
  // Removes the newest entry and a group left empty by it.
  void RemoveNewestEntry();
  void Clear();
  // A stored history shown for review: its groups and entries as stored.
  void Load(CHistoryLog log);

  bool operator==(const CGameHistory&) const = default;

 private:
  void AddEntry(std::string text, int32_t picture);

  CHistoryLog log_;
  int32_t turnCount_ = 0;
  bool newTurnDue_ = false;
  // Per entry, newest last: what `newTurnDue_` was before it was added, and
  // whether it opened the group above it.
  struct Undo {
    bool newTurnDue;
    bool openedGroup;
    bool turnGroup;
    bool operator==(const Undo&) const = default;
  };
  std::vector<Undo> undo_;
};
