#include "resource_card_row.h"

#include <wx/sizer.h>
#include <wx/statbox.h>

#include "interface_images.h"
#include "render/interface_slots.h"
#include "resource_card.h"

CResourceCardRow::CResourceCardRow(wxWindow* parent, const wxString& caption, const CInterfaceImages& images,
                                   std::function<void(int)> onClick, bool alwaysShown, int firstId)
    : alwaysShown_(alwaysShown) {
  sizer_ = new wxStaticBoxSizer(wxHORIZONTAL, parent, caption);
  // Room for all five cards below the group's caption, so that the group keeps
  // its size as cards come and go.
  const int captionRoom = sizer_->GetStaticBox()->GetCharHeight() + 12;
  sizer_->SetMinSize(wxSize(5 * (CResourceCard::kWidth + 4) + 8, CResourceCard::kHeight + 4 + captionRoom));
  for (int r = 0; r < kResourceCount; ++r) {
    const int id = firstId == wxID_ANY ? wxID_ANY : firstId + r;
    cards_[r] = new CResourceCard(sizer_->GetStaticBox(), id, r, images.Bitmap(InterfaceArchive::Res, kResDialogSlot + r),
                                  wxDefaultPosition);
    cards_[r]->OnClick(onClick);
    sizer_->Add(cards_[r], 0, wxALL, 2);
    if (!alwaysShown) cards_[r]->Hide();
  }
}

void CResourceCardRow::SetCaption(const wxString& caption) { sizer_->GetStaticBox()->SetLabel(caption); }

void CResourceCardRow::ShowCounts(const ResourceCounts& counts) {
  for (int r = 0; r < kResourceCount; ++r) {
    cards_[r]->SetCount(counts[static_cast<size_t>(r)]);
    if (!alwaysShown_) cards_[r]->Show(counts[static_cast<size_t>(r)] > 0);
  }
  sizer_->Layout();
}

void CResourceCardRow::Enable(int resource, bool enable) { Card(resource)->Enable(enable); }

int CResourceCardRow::CardAt(const wxPoint& screen) const {
  for (int r = 0; r < kResourceCount; ++r) {
    if (cards_[r]->IsShown() && cards_[r]->GetScreenRect().Contains(screen)) return r;
  }
  return -1;
}
