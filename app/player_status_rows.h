#pragma once

#include <cstdint>
#include <vector>

class CGameSession;
class CInterfaceImages;
class CPlayerStatusRow;
class wxWindow;

// The status rows at the left edge of the board: one per player in seat order
// (row i at y = 72 i) and, when trades are tracked, the bank row below them.
// They exist while the turn panel is shown; the view recreates them when it
// shows the turn panel and refreshes them after every input.
class CPlayerStatusRows {
 public:
  CPlayerStatusRows(wxWindow* parent, const CInterfaceImages& images);
  CPlayerStatusRows(const CPlayerStatusRows&) = delete;
  CPlayerStatusRows& operator=(const CPlayerStatusRows&) = delete;

  // Destroys the rows and makes them again from the session's seats.
  void Recreate(const CGameSession& session);
  // Destroys the rows.
  void Clear();
  // Brings every row, or one (-1 the bank row), up to the session's state;
  // each row redraws only what changed.
  void Refresh(const CGameSession& session);
  void RefreshRow(const CGameSession& session, int32_t player);

  // The row of a player (-1 the bank), or nullptr.
  CPlayerStatusRow* Row(int32_t player) const;
  int Count() const { return static_cast<int>(rows_.size()); }

 private:
  wxWindow* parent_;
  const CInterfaceImages& images_;
  std::vector<CPlayerStatusRow*> rows_;
};
