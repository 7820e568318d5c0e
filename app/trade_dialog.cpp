#include "trade_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/utils.h>

#include "command_ids.h"
#include "engine/session/session.h"
#include "interface_images.h"
#include "player_buttons.h"
#include "render/interface_slots.h"
#include "resource_card.h"
#include "resource_card_row.h"

CTradeDialog::CTradeDialog(wxWindow* parent, CGameSession& session, const CInterfaceImages& images,
                           const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints)
    : wxDialog(parent, IDD_TRADE, "Trade"), session_(session), images_(images), names_(names) {
  current_ = session.CurrentPlayer();
  const int players = static_cast<int>(session.Game().players.size());

  // The current player's side: the "Current Player" group takes the player's name.
  auto* mine = new wxStaticBoxSizer(wxVERTICAL, this, "Current Player");
  if (current_ >= 0 && current_ < 6) mine->GetStaticBox()->SetLabel(names[current_]);
  cards_[Current] = std::make_unique<CResourceCardRow>(mine->GetStaticBox(), "Cards", images,
                                                       [this](int r) { Offer(Current, r); });
  for (int r = 0; r < kResourceCount; ++r) {
    cards_[Current]->Card(r)->OnDrop([this](int give, wxPoint screen) { DropOnBank(give, screen); });
  }
  mine->Add(cards_[Current]->Sizer(), 0, wxEXPAND | wxALL, 4);
  mine->Add(MakeSlots(mine->GetStaticBox(), Current, IDC_OFFER_CURRENT_FIRST), 0, wxEXPAND | wxALL, 4);

  // The partner's side.
  partners_ = std::make_unique<CPlayerButtons>(this, names, tints, [this](int p) { SelectPartner(p); });
  for (int p = 0; p < kMaxPlayers; ++p) partners_->Show(p, p < players && p != current_);
  // The "Other Player" group takes the partner's name.
  theirs_ = new wxStaticBoxSizer(wxVERTICAL, this, "Other Player");
  auto* theirs = theirs_;
  cards_[Other] = std::make_unique<CResourceCardRow>(theirs->GetStaticBox(), "Cards", images,
                                                     [this](int r) { Offer(Other, r); });
  theirs->Add(cards_[Other]->Sizer(), 0, wxEXPAND | wxALL, 4);
  theirs->Add(MakeSlots(theirs->GetStaticBox(), Other, IDC_OFFER_OTHER_FIRST), 0, wxEXPAND | wxALL, 4);
  auto* otherRow = new wxBoxSizer(wxHORIZONTAL);
  otherRow->Add(partners_->Sizer(), 0, wxALL, 4);
  otherRow->Add(theirs, 1, wxEXPAND | wxALL, 4);

  // The bank: its pictures always show, as targets for dragged cards.
  bank_ = std::make_unique<CResourceCardRow>(this, "Bank", images, nullptr, true);

  auto* sides = new wxBoxSizer(wxHORIZONTAL);
  sides->Add(mine, 0, wxEXPAND | wxALL, 6);
  sides->Add(otherRow, 1, wxEXPAND | wxALL, 6);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  trade_ = new wxButton(this, wxID_APPLY, "&Trade");
  buttons->Add(trade_, 0, wxALL, 4);
  buttons->Add(new wxButton(this, wxID_OK, "&Done"), 0, wxALL, 4);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(sides, 1, wxEXPAND);
  top->Add(bank_->Sizer(), 0, wxALIGN_CENTRE | wxALL, 6);
  top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 6);
  SetSizer(top);
  SetEscapeId(wxID_OK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MakeTrade(); }, wxID_APPLY);

  // The first other player is the partner to begin with.
  for (int p = 0; p < players && partner_ < 0; ++p) {
    if (p != current_) SelectPartner(p);
  }
  Update();
  Fit();
  CentreOnParent();
}

CTradeDialog::~CTradeDialog() = default;

wxSizer* CTradeDialog::MakeSlots(wxWindow* parent, Side side, int firstId) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  for (int s = 0; s < kSlots; ++s) {
    auto* card = new CResourceCard(parent, firstId + s, -1, wxNullBitmap, wxDefaultPosition);
    card->OnClick([this, side, s](int) { TakeBack(side, s); });
    slotCards_[side][static_cast<size_t>(s)] = card;
    row->Add(card, 0, wxALL, 2);
  }
  return row;
}

const ResourceCounts& CTradeDialog::HandOf(int player) const {
  static const ResourceCounts kNone{};
  const auto& players = session_.Game().players;
  return player >= 0 && static_cast<size_t>(player) < players.size() ? players[static_cast<size_t>(player)].hand
                                                                     : kNone;
}

ResourceCounts CTradeDialog::Offered(Side side) const {
  ResourceCounts counts{};
  for (const Slot& slot : offers_[side]) {
    if (slot.resource >= 0) counts[static_cast<size_t>(slot.resource)] += slot.count;
  }
  return counts;
}

void CTradeDialog::SelectPartner(int player) {
  if (player == partner_) return;
  partner_ = player;
  partners_->Select(player);
  offers_[Other] = {};
  Update();
}

bool CTradeDialog::Offer(Side side, int resource) {
  const int owner = side == Current ? current_ : partner_;
  if (owner < 0 || !IsResource(resource)) return false;
  const Side opposite = side == Current ? Other : Current;
  if (Offered(opposite)[static_cast<size_t>(resource)] > 0) return false;
  if (Offered(side)[static_cast<size_t>(resource)] >= HandOf(owner)[static_cast<size_t>(resource)]) return false;
  Slot* target = nullptr;
  for (Slot& slot : offers_[side]) {
    if (slot.resource == resource) target = &slot;
  }
  for (Slot& slot : offers_[side]) {
    if (target == nullptr && slot.resource < 0) target = &slot;
  }
  if (target == nullptr) {
    // A fifth kind would need a fifth slot.
    wxBell();
    return false;
  }
  target->resource = resource;
  ++target->count;
  Update();
  return true;
}

void CTradeDialog::TakeBack(Side side, int slot) {
  Slot& held = offers_[side][static_cast<size_t>(slot)];
  if (held.resource < 0) return;
  if (--held.count <= 0) held = Slot{};
  Update();
}

bool CTradeDialog::TradeEnabled() const {
  if (partner_ < 0) return false;
  int32_t give = 0;
  int32_t get = 0;
  for (int r = 0; r < kResourceCount; ++r) {
    give += Offered(Current)[static_cast<size_t>(r)];
    get += Offered(Other)[static_cast<size_t>(r)];
  }
  return give > 0 && get > 0;
}

bool CTradeDialog::MakeTrade() {
  if (!TradeEnabled()) return false;
  if (!session_.TradeWithPlayer(partner_, Offered(Current), Offered(Other))) return false;
  offers_ = {};
  Update();
  return true;
}

bool CTradeDialog::DropOnBank(int give, wxPoint screen) {
  const int wanted = bank_->CardAt(screen);
  if (wanted < 0 || !session_.BankDraggable()[static_cast<size_t>(give)]) return false;
  if (!session_.TradeWithBank(give, wanted)) return false;
  Update();
  return true;
}

void CTradeDialog::Update() {
  // Offers never hold more than the hands (a bank trade may have taken cards).
  for (int side = 0; side < 2; ++side) {
    const ResourceCounts& hand = HandOf(side == Current ? current_ : partner_);
    ResourceCounts room = hand;
    for (Slot& slot : offers_[side]) {
      if (slot.resource < 0) continue;
      slot.count = std::min(slot.count, room[static_cast<size_t>(slot.resource)]);
      room[static_cast<size_t>(slot.resource)] -= slot.count;
      if (slot.count <= 0) slot = Slot{};
    }
  }
  const std::array<bool, kResourceCount> draggable = session_.BankDraggable();
  bool anyDraggable = false;
  for (int side = 0; side < 2; ++side) {
    const Side here = static_cast<Side>(side);
    const Side opposite = here == Current ? Other : Current;
    const int owner = here == Current ? current_ : partner_;
    ResourceCounts left = HandOf(owner);
    const ResourceCounts offered = Offered(here);
    const ResourceCounts blocked = Offered(opposite);
    for (size_t r = 0; r < kResourceCount; ++r) left[r] -= offered[r];
    cards_[side]->ShowCounts(left);
    for (int r = 0; r < kResourceCount; ++r) {
      cards_[side]->Enable(r, blocked[static_cast<size_t>(r)] == 0);
      if (here == Current) {
        cards_[side]->Card(r)->AllowDrag(draggable[static_cast<size_t>(r)]);
        anyDraggable = anyDraggable || draggable[static_cast<size_t>(r)];
      }
    }
    for (int s = 0; s < kSlots; ++s) {
      const Slot& slot = offers_[side][static_cast<size_t>(s)];
      CResourceCard* card = slotCards_[side][static_cast<size_t>(s)];
      card->SetResource(slot.resource,
                        slot.resource < 0 ? wxNullBitmap
                                          : images_.Bitmap(InterfaceArchive::Res, kResDialogSlot + slot.resource));
      card->SetCount(slot.count);
    }
  }
  if (partner_ >= 0) theirs_->GetStaticBox()->SetLabel(names_[static_cast<size_t>(partner_)]);
  bank_->ShowCounts(session_.Bank());
  for (int r = 0; r < kResourceCount; ++r) bank_->Enable(r, anyDraggable);
  trade_->Enable(TradeEnabled());
  Layout();
}
