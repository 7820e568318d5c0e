#pragma once

#include <array>
#include <functional>
#include <vector>

#include <wx/dialog.h>

#include "engine/board/building_code.h"
#include "records/player.h"
#include "records/player_database.h"
#include "text_drag.h"

class CPlayerBox;
class wxButton;
class wxListCtrl;
class wxListEvent;
class wxStaticText;
struct SeatChoice;

// "Select the players in your Hexstead game": a modeless dialog with the list
// of known players, six coloured seat boxes and the selected player's
// statistics. Players are seated by dragging a row onto a seat box or by
// double-clicking it (first empty seat), and unseated by dragging the seat
// back onto the list. OK is enabled exactly for 3-4 seated players on the
// Standard board and 5-6 on the Large board; Cancel takes the last step back.
class CPlayerSelectDialog : public wxDialog {
 public:
  using OkHandler = std::function<void(const std::vector<SeatChoice>&)>;
  CPlayerSelectDialog(wxWindow* parent, OkHandler onOk, std::function<void()> onCancel);

  // The board kind fixes how many players may sit; Cancel is offered unless
  // the board was generated (nothing to go back to).
  void Prepare(bool largeBoard, bool allowCancel);
  void AllowCancel(bool allow);
  bool CancelAllowed() const;
  bool OkEnabled() const;
  // Showing the dialog reads the player database again; seats stay as they were.
  bool Show(bool show = true) override;

  // For tests and the view: the controls and the seating.
  wxListCtrl* PlayerList() const { return players_; }
  CPlayerBox* Seat(int box) const { return seats_[box]; }
  int RowOfPlayer(int databaseIndex) const;
  int SeatedCount() const;
  std::vector<SeatChoice> Seating() const;

 private:
  void ReloadPlayers();
  void AddNewPlayer();
  void SeatPlayer(int databaseIndex, int box);
  void SeatInFirstEmptyBox(int row);
  void DropOnSeat(int box, const wxString& text);
  void DropOnList(const wxString& text);
  void SeatingChanged();
  void ShowStatistics(int databaseIndex);
  void OnDetails();
  void OnBeginDrag(wxListEvent& event);

  wxListCtrl* players_ = nullptr;
  std::array<CPlayerBox*, kMaxPlayers> seats_{};
  std::array<CPlayer, kMaxPlayers> seated_{};
  wxStaticText* statistics_ = nullptr;
  wxButton* details_ = nullptr;
  int shownPlayer_ = -1;  // database index of the player whose statistics show
  wxStaticText* seatCount_ = nullptr;
  wxButton* ok_ = nullptr;
  wxButton* cancel_ = nullptr;
  CTextDrag drag_;
  bool largeBoard_ = false;
  // The database as last read, and each player's figures from the stored games.
  std::vector<CPlayer> known_;
  std::vector<CPlayerFigures> figures_;
  OkHandler onOk_;
};
