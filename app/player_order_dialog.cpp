#include "player_order_dialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "close_box.h"
#include "colour_label.h"
#include "command_ids.h"
#include "dice_pad_dialog.h"
#include "engine/session/dice_roll_order.h"
#include "panel_font.h"
#include "player_box.h"
#include "player_colours.h"

namespace {

// The roll boxes beside the six players.
constexpr int kRollBoxIds[6] = {1042, 1043, 1044, 1046, 1047, 1048};
// The player whose roll is expected.
const wxColour kRollerHighlight(255, 227, 100);
const wxSize kBoxSize(190, 32);
const wxSize kRollSize(36, 32);

}  // namespace

CPlayerOrderDialog::CPlayerOrderDialog(wxWindow* parent, OkHandler onOk, std::function<void()> onCancel)
    : wxDialog(parent, 152, "Sort the players into the playing order"), onOk_(std::move(onOk)) {
  auto* left = new wxStaticBoxSizer(wxVERTICAL, this, "Players");
  auto* right = new wxStaticBoxSizer(wxVERTICAL, this, "Playing Order");
  for (int i = 0; i < 6; ++i) {
    players_[i] = new CPlayerBox(left->GetStaticBox(), IDC_ORDER_PLAYER_FIRST + i, kBoxSize, *wxWHITE);
    players_[i]->ShowEmptyAsGrey(true);
    rolls_[i] = new CColourLabel(left->GetStaticBox(), kRollBoxIds[i], wxString(), wxDefaultPosition, kRollSize,
                                 PanelFont(16, wxFONTWEIGHT_BOLD), *wxBLACK, *wxWHITE);
    rolls_[i]->SetTextPlacement(wxALIGN_CENTER, 0);
    rolls_[i]->SetFrame(wxColour(160, 160, 160));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(players_[i], 0, wxRIGHT, 6);
    row->Add(rolls_[i]);
    left->Add(row, 0, wxALL, 4);
    places_[i] = new CPlayerBox(right->GetStaticBox(), IDC_ORDER_PLACE_FIRST + i, kBoxSize, *wxWHITE);
    auto* placeRow = new wxBoxSizer(wxHORIZONTAL);
    placeRow->Add(new wxStaticText(right->GetStaticBox(), wxID_ANY, wxString::Format("%d.", i + 1),
                                   wxDefaultPosition, wxSize(20, -1)),
                  0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    placeRow->Add(places_[i]);
    placeRows_[i] = placeRow;
    right->Add(placeRow, 0, wxALL, 4);

    players_[i]->OnDragStart([this, i] {
      if (!dice_) drag_.Start(this, PlayerDragText(players_[i]->Player(), -1));
    });
    players_[i]->OnDoubleClick([this, i] {
      if (!dice_ && !players_[i]->IsEmpty()) PlaceInFirstEmptyBox(i);
    });
    // A click on a rolling player makes them the one whose roll comes next.
    players_[i]->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { SelectRoller(i); });
    places_[i]->OnDragStart([this, i] {
      if (!dice_) drag_.Start(this, PlayerDragText(places_[i]->Player(), i));
    });
    places_[i]->OnDoubleClick([this, i] {
      if (!dice_) Unplace(i);
    });
    drag_.AddTarget(places_[i], [this, i](const wxString& text) { DropOnPlace(i, text); });
  }
  drag_.AddTarget(left->GetStaticBox(), [this](const wxString& text) { DropOnPlayers(text); });

  useDice_ = new wxButton(this, IDC_USE_DICE_ROLLS, "Use Dice Rolls");
  status_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(-1, 36));
  ok_ = new wxButton(this, wxID_OK, "OK");
  auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

  auto* groups = new wxBoxSizer(wxHORIZONTAL);
  groups->Add(left, 0, wxRIGHT, 10);
  groups->Add(right, 0);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(useDice_);
  buttons->AddStretchSpacer();
  buttons->Add(ok_, 0, wxRIGHT, 6);
  buttons->Add(cancel);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(groups, 0, wxALL, 10);
  top->Add(status_, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(buttons, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);

  // The pad belongs to this dialog and goes with it.
  pad_ = new CDicePadDialog(this, [this](int total) { EnterRoll(total); });

  useDice_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { StartDiceRolls(); });
  ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (!ok_->IsEnabled() || !onOk_) return;
    std::vector<int32_t> order;
    for (int place = 0; place < Count(); ++place) order.push_back(places_[place]->Player());
    onOk_(order);
  });
  cancel->Bind(wxEVT_BUTTON, [onCancel = std::move(onCancel)](wxCommandEvent&) {
    if (onCancel) onCancel();
  });
  CloseBoxPressesCancel(this, cancel);
}

CPlayerOrderDialog::~CPlayerOrderDialog() = default;

void CPlayerOrderDialog::Load(const std::vector<wxString>& names, const std::vector<uint32_t>& colours) {
  names_ = names;
  colours_ = colours;
  dice_.reset();
  roller_ = -1;
  for (int i = 0; i < 6; ++i) {
    const bool used = i < Count();
    players_[i]->SetLight(used ? LightColourOf(colours_[i]) : *wxWHITE);
    if (used) {
      players_[i]->SetPlayer(i, names_[i]);
    } else {
      players_[i]->Clear();
    }
    players_[i]->Show(used);
    rolls_[i]->SetLabel(wxString());
    rolls_[i]->Hide();
    places_[i]->Clear();
    places_[i]->SetLight(*wxWHITE);
    placeRows_[i]->ShowItems(used);
  }
  pad_->Hide();
  // Only the seated players' rows take room.
  GetSizer()->SetSizeHints(this);
  Changed();
}

bool CPlayerOrderDialog::Show(bool show) {
  if (show && !IsShown()) {
    CentreOnParent();
    Move(GetPosition() + wxPoint(125, 0));
    // The pad is centred on the main window, then moved left by its width.
    const wxRect main = GetParent() != nullptr ? GetParent()->GetScreenRect() : GetScreenRect();
    const wxSize pad = pad_->GetSize();
    pad_->Move(main.x + (main.width - pad.x) / 2 - pad.x, main.y + (main.height - pad.y) / 2);
  }
  if (!show) pad_->Hide();
  return wxDialog::Show(show);
}

bool CPlayerOrderDialog::OkEnabled() const { return ok_->IsEnabled(); }
wxString CPlayerOrderDialog::StatusText() const { return status_->GetLabel(); }

// --- manual order ---------------------------------------------------------------

void CPlayerOrderDialog::Place(int seat, int place) {
  if (seat < 0 || seat >= Count() || place < 0 || place >= Count()) return;
  if (players_[seat]->IsEmpty() || !places_[place]->IsEmpty()) return;
  places_[place]->SetLight(LightColourOf(colours_[seat]));
  places_[place]->SetColour(colours_[seat]);
  places_[place]->SetPlayer(seat, names_[seat]);
  players_[seat]->Clear();
  rolls_[seat]->Hide();
}

void CPlayerOrderDialog::Unplace(int place) {
  if (place < 0 || place >= Count() || places_[place]->IsEmpty()) return;
  const int seat = places_[place]->Player();
  places_[place]->Clear();
  places_[place]->SetLight(*wxWHITE);
  players_[seat]->SetPlayer(seat, names_[seat]);
  Changed();
}

void CPlayerOrderDialog::PlaceInFirstEmptyBox(int seat) {
  for (int place = 0; place < Count(); ++place) {
    if (places_[place]->IsEmpty()) {
      Place(seat, place);
      break;
    }
  }
  Changed();
}

void CPlayerOrderDialog::DropOnPlace(int place, const wxString& text) {
  int seat = -1;
  int from = -1;
  if (dice_ || !ParsePlayerDragText(text, &seat, &from)) return;
  if (from >= 0) {
    // A placed player moved to another place: swap with whoever is there.
    if (from == place || from >= Count()) return;
    const int other = places_[place]->Player();
    Unplace(from);
    if (other >= 0) {
      Unplace(place);
      Place(other, from);
    }
  }
  Place(seat, place);
  Changed();
}

void CPlayerOrderDialog::DropOnPlayers(const wxString& text) {
  int seat = -1;
  int from = -1;
  if (dice_ || !ParsePlayerDragText(text, &seat, &from) || from < 0) return;
  Unplace(from);
}

// --- dice rolls -------------------------------------------------------------------

void CPlayerOrderDialog::StartDiceRolls() {
  std::vector<int32_t> rolling;
  for (int seat = 0; seat < Count(); ++seat) {
    if (!players_[seat]->IsEmpty()) rolling.push_back(seat);
  }
  if (dice_ || rolling.empty()) return;
  freePlaces_.clear();
  for (int place = 0; place < Count(); ++place) {
    if (places_[place]->IsEmpty()) freePlaces_.push_back(place);
  }
  dice_ = std::make_unique<CDiceRollOrder>(rolling, 0);
  for (int32_t seat : rolling) {
    rolls_[seat]->SetLabel(wxString());
    rolls_[seat]->Show();
  }
  Layout();
  pad_->Show();
  roller_ = dice_->NextRoller();
  Changed();
}

void CPlayerOrderDialog::SelectRoller(int seat) {
  if (!dice_) return;
  const auto& rolling = dice_->Rolling();
  if (std::find(rolling.begin(), rolling.end(), seat) == rolling.end()) return;
  roller_ = seat;
  Changed();
}

void CPlayerOrderDialog::EnterRoll(int total) {
  if (!dice_ || roller_ < 0) return;
  std::vector<CDiceRollOrder::Placement> placed;
  if (!dice_->Roll(roller_, total, &placed)) return;
  rolls_[roller_]->SetLabel(wxString::Format("%d", total));
  wxString news;
  // A completed round takes every roll back (a player placed has none either).
  if (!dice_->HasRolled(roller_)) {
    // The round is complete: untied players take their places, the others
    // roll again with empty roll boxes.
    for (const auto& p : placed) Place(p.seat, freePlaces_[p.place]);
    wxString tied;
    for (int32_t seat : dice_->Rolling()) {
      rolls_[seat]->SetLabel(wxString());
      tied += (tied.empty() ? "" : ", ") + names_[seat];
    }
    if (!tied.empty()) news = "Tied: " + tied + " roll again.\n";
  }
  if (dice_->Done()) {
    dice_.reset();
    pad_->Hide();
  }
  roller_ = dice_ ? dice_->NextRoller() : -1;
  Changed(news);
}

void CPlayerOrderDialog::Changed(const wxString& news) {
  int placedCount = 0;
  for (int place = 0; place < Count(); ++place) placedCount += places_[place]->IsEmpty() ? 0 : 1;
  const bool allPlaced = Count() > 0 && placedCount == Count();
  ok_->Enable(allPlaced);
  useDice_->Enable(!dice_ && !allPlaced);
  // The roll box of the expected roller is highlighted, so that the
  // player's own colour stays visible beside it.
  for (int seat = 0; seat < kMaxPlayers; ++seat) {
    rolls_[seat]->SetColours(*wxBLACK, seat == roller_ ? kRollerHighlight : *wxWHITE);
    players_[seat]->SetFont(PanelFont(13, seat == roller_ ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL));
    players_[seat]->Refresh();
  }
  wxString text = news;
  if (dice_ && roller_ >= 0) {
    text += "Enter the roll of " + names_[roller_] + " on the dice pad.";
  } else if (allPlaced) {
    text += "Every player has a place: press OK to start the game.";
  } else {
    text += "Drag the players into the playing order, double-click them, or use dice rolls.";
  }
  status_->SetLabel(text);
}
