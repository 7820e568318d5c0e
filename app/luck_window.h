#pragma once

#include "record_window.h"
#include "stats/luck.h"

class CGameSession;
class wxGrid;
class wxStaticBitmap;

// The "Luck" window: the dice against two fair dice (a bar chart from 0 with
// the p-value in words), each player's cumulative luck over the turns in the
// player's colour, and a table of the figures. It follows the game in play
// input by input, or shows a stored game opened for review (from its replay,
// or its dice alone).
class CLuckWindow : public CRecordWindow {
 public:
  static constexpr int kDialogId = 199;

  explicit CLuckWindow(wxWindow* parent);

  // The game in play: called after every input and every Undo.
  void FollowSession(const CGameSession& session);
  // A stored game opened for review; later FollowSession calls change nothing.
  void ShowStoredGame(const CGame& game, IReplayLuck& replays);

  const GameLuck& Shown() const { return luck_; }
  wxGrid& Table() const { return *table_; }

 private:
  // Redraws what changed, when the window is shown.
  void Redisplay();
  void FillTable();

  wxStaticBitmap* diceChart_ = nullptr;
  wxStaticBitmap* luckChart_ = nullptr;
  wxGrid* table_ = nullptr;
  CLuckTracker tracker_;
  bool reviewing_ = false;
  GameLuck luck_;
  bool stale_ = true;  // luck_ changed since it was drawn
};
