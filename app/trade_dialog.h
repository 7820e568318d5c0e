#pragma once

#include <array>
#include <memory>

#include <wx/dialog.h>

#include "records/player_game.h"

class CGameSession;
class CInterfaceImages;
class CPlayerButtons;
class CResourceCard;
class CResourceCardRow;
class wxButton;
class wxStaticBoxSizer;

// "Trade": the current player's cards, a partner chosen among the other
// players with the partner's cards, four offer slots per side, and the bank.
// A click on a card offers one more of it, a click on an offer slot takes one
// back; "&Trade" hands the exchange to the session. Dragging one of the
// current player's cards onto a bank picture trades with the bank at the
// player's best ratio. "&Done" closes the dialog. What the cards show is read
// from the session after every change.
class CTradeDialog : public wxDialog {
 public:
  static constexpr int kSlots = 4;
  enum Side { Current = 0, Other = 1 };
  struct Slot {
    int resource = -1;  // -1: free
    int count = 0;
  };

  CTradeDialog(wxWindow* parent, CGameSession& session, const CInterfaceImages& images,
               const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints);
  ~CTradeDialog() override;

  // Inputs, as the mouse gives them.
  void SelectPartner(int player);
  // False when the card cannot be offered (none left, the kind is on the
  // other side, or a fifth kind would need a fifth slot).
  bool Offer(Side side, int resource);
  void TakeBack(Side side, int slot);
  bool MakeTrade();
  bool DropOnBank(int give, wxPoint screen);

  // What the tests look at.
  int Partner() const { return partner_; }
  const std::array<Slot, kSlots>& Offers(Side side) const { return offers_[side]; }
  const CResourceCardRow& Cards(Side side) const { return *cards_[side]; }
  const CResourceCardRow& BankRow() const { return *bank_; }
  CResourceCard* SlotCard(Side side, int slot) const { return slotCards_[side][static_cast<size_t>(slot)]; }
  const CPlayerButtons& Partners() const { return *partners_; }
  bool TradeEnabled() const;

 private:
  wxSizer* MakeSlots(wxWindow* parent, Side side, int firstId);
  ResourceCounts Offered(Side side) const;
  const ResourceCounts& HandOf(int player) const;
  void Update();

  CGameSession& session_;
  const CInterfaceImages& images_;
  std::array<wxString, kMaxPlayers> names_;
  int current_ = -1;
  int partner_ = -1;
  std::array<std::array<Slot, kSlots>, 2> offers_{};
  std::unique_ptr<CPlayerButtons> partners_;
  std::array<std::unique_ptr<CResourceCardRow>, 2> cards_;
  std::unique_ptr<CResourceCardRow> bank_;
  std::array<std::array<CResourceCard*, kSlots>, 2> slotCards_{};
  wxStaticBoxSizer* theirs_ = nullptr;
  wxButton* trade_ = nullptr;
};
