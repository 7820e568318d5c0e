#include "player_status_row.h"

#include <wx/dcclient.h>
#include <wx/statbmp.h>

#include "colour_label.h"
#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "panel_font.h"
#include "player_colours.h"
#include "records/text_encoding.h"
#include "render/interface_slots.h"

namespace {

// Places inside the row.
constexpr int kMargin = 4;
constexpr int kBadgeTop = 22;
constexpr int kBadgeSize = 16;
constexpr int kTitleBadgeLeft = 131;  // Largest Army; Longest Road 16 to the right
constexpr int kResourceTop = 46;
constexpr int kResourceSize = 20;
constexpr int kResourceLeft = 2;
constexpr int kResourceStep = 34;  // picture and its count

}  // namespace

CPlayerStatusRow::CPlayerStatusRow(wxWindow* parent, wxWindowID id, wxPoint pos, int32_t player, uint32_t colour,
                                   const std::string& name, const CInterfaceImages& images)
    : wxPanel(parent, id, pos, wxSize(kWidth, kHeight), wxBORDER_NONE), player_(player) {
  const bool bank = player < 0;
  const wxColour back = bank ? *wxWHITE : LightColourOf(colour);
  SetBackgroundColour(back);
  // A line under each row keeps rows of similar tints apart.
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetPen(wxPen(wxColour(120, 120, 120)));
    dc.DrawLine(0, kHeight - 1, kWidth, kHeight - 1);
    dc.DrawLine(kWidth - 1, 0, kWidth - 1, kHeight);
  });
  const wxFont font = PanelFont(12);
  const wxString label = bank ? wxString("Bank") : "Player: " + wxString::FromUTF8(Cp1252ToUtf8(name));
  name_ = new CColourLabel(this, wxID_ANY, label, wxPoint(kMargin, 3), wxSize(kWidth - 2 * kMargin, 16),
                           PanelFont(12, wxFONTWEIGHT_BOLD), *wxBLACK, back);

  if (!bank) {
    const int set = PictureSetIndex(colour);
    auto* badge = new wxStaticBitmap(this, wxID_ANY,
                                     WithColourKey(images.Bitmap(InterfaceArchive::History,
                                                                 kHistoryPlayerBadgeSlot + (set < 0 ? 0 : set))),
                                     wxPoint(kMargin, kBadgeTop), wxSize(kBadgeSize, kBadgeSize));
    badge->Show(set >= 0);
    points_ = new CColourLabel(this, wxID_ANY, "Points: 0", wxPoint(kMargin + kBadgeSize + 6, kBadgeTop + 1),
                               wxSize(90, 15), font, *wxBLACK, back);
    largestArmy_ = new CFlatBitmapButton(this, wxID_ANY, wxPoint(kTitleBadgeLeft, kBadgeTop),
                                         wxSize(kBadgeSize, kBadgeSize), "Largest Army");
    largestArmy_->SetPictures(images.Bitmap(InterfaceArchive::History, kHistoryLargestArmySlot));
    largestArmy_->Hide();
    longestRoad_ = new CFlatBitmapButton(this, wxID_ANY, wxPoint(kTitleBadgeLeft + kBadgeSize, kBadgeTop),
                                         wxSize(kBadgeSize, kBadgeSize), "Longest Road");
    longestRoad_->SetPictures(images.Bitmap(InterfaceArchive::History, kHistoryLongestRoadSlot));
    longestRoad_->Hide();
  }
  for (int r = 0; r < kResourceCount; ++r) {
    const int left = kResourceLeft + r * kResourceStep;
    pictures_[r] = new wxStaticBitmap(this, wxID_ANY,
                                      WithColourKey(images.Bitmap(InterfaceArchive::Res, kResStatusRowSlot + r)),
                                      wxPoint(left, kResourceTop), wxSize(kResourceSize, kResourceSize));
    // Room for two digits (the bank holds up to 19 or 24 of a kind).
    counts_[r] = new CColourLabel(this, wxID_ANY, "0", wxPoint(left + kResourceSize - 1, kResourceTop + 3),
                                  wxSize(kResourceStep - kResourceSize, 15), font, *wxBLACK, back);
    pictures_[r]->Hide();
    counts_[r]->Hide();
  }
}

void CPlayerStatusRow::ShowCount(int resource, int32_t count) {
  counts_[resource]->SetLabel(wxString::Format("%d", count));
  pictures_[resource]->Show(count > 0);
  counts_[resource]->Show(count > 0);
}

void CPlayerStatusRow::Update(const Shown& now) {
  for (int r = 0; r < kResourceCount; ++r) {
    if (now.counts[r] != shown_.counts[r]) ShowCount(r, now.counts[r]);
  }
  if (player_ >= 0) {
    if (now.points != shown_.points) points_->SetLabel(wxString::Format("Points: %d", now.points));
    if (now.largestArmy != shown_.largestArmy) largestArmy_->Show(now.largestArmy);
    if (now.longestRoad != shown_.longestRoad) longestRoad_->Show(now.longestRoad);
  }
  shown_ = now;
}

wxWindow* CPlayerStatusRow::NameLabel() const { return name_; }
wxWindow* CPlayerStatusRow::PointsLabel() const { return points_; }
wxWindow* CPlayerStatusRow::LargestArmyBadge() const { return largestArmy_; }
wxWindow* CPlayerStatusRow::LongestRoadBadge() const { return longestRoad_; }
wxWindow* CPlayerStatusRow::ResourcePicture(int resource) const { return pictures_[resource]; }
wxWindow* CPlayerStatusRow::ResourceCount(int resource) const { return counts_[resource]; }
