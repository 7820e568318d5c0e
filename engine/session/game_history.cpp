#include "engine/session/game_history.h"

#include <utility>

namespace {

struct SetupGroupInfo {
  const char* text;
  int32_t picture;
};
// Caption and picture of the set-up groups, in SetupGroup order.
constexpr SetupGroupInfo kSetupGroups[] = {
    {"Board Setup", 13}, {"Chip Placement", 14}, {"Player Information", 17}, {"Initial Placement", 55}};

}  // namespace

void CGameHistory::AddEntry(std::string text, int32_t picture) {
  log_.AddEntry(std::move(text), picture);
}

void CGameHistory::AddSetupEntry(SetupGroup group, std::string text, int32_t picture) {
  const SetupGroupInfo& info = kSetupGroups[group];
  int last = log_.LastGroup();
  bool open = last >= 0 && log_.Items()[last].text == info.text;
  Undo u{newTurnDue_, !open, false};
  if (!open) log_.AddGroup(info.text, info.picture);
  AddEntry(std::move(text), picture);
  undo_.push_back(u);
}

void CGameHistory::AddTurnEntry(std::string text, int32_t picture, bool opensTurn,
                                const std::string& turnOwner, int32_t turnPicture) {
  Undo u{newTurnDue_, false, false};
  if ((opensTurn && newTurnDue_) || log_.LastGroup() < 0) {
    ++turnCount_;
    log_.AddGroup("Turn " + std::to_string(turnCount_) + " - " + turnOwner, turnPicture);
    newTurnDue_ = false;
    u.openedGroup = true;
    u.turnGroup = true;
  }
  AddEntry(std::move(text), picture);
  undo_.push_back(u);
}

void CGameHistory::RemoveNewestEntry() {
  if (undo_.empty()) return;
  Undo u = undo_.back();
  undo_.pop_back();
  log_.RemoveLast();
  if (u.openedGroup) {
    log_.RemoveLast();
    if (u.turnGroup) --turnCount_;
  }
  // What it was before the entry came, so a later turn opens its group as before.
  newTurnDue_ = u.newTurnDue;
}

void CGameHistory::Clear() {
  log_.Clear();
  turnCount_ = 0;
  newTurnDue_ = false;
  undo_.clear();
}

void CGameHistory::Load(CHistoryLog log) {
  Clear();
  log_ = std::move(log);
  for (const CHistoryItem& item : log_.Items())
    if (item.isTopLevel && item.text.rfind("Turn ", 0) == 0) ++turnCount_;
}
