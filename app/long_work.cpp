#include "long_work.h"

#include <algorithm>

#include <wx/progdlg.h>

namespace {

constexpr long kShowProgressAfterMs = 500;

}  // namespace

CLongWork::CLongWork(wxWindow* parent, wxString title, wxString message)
    : parent_(parent), title_(std::move(title)), message_(std::move(message)) {}

CLongWork::~CLongWork() = default;

void CLongWork::Progress(int done, int total) {
  if (total <= 0) return;
  if (!dialog_) {
    if (clock_.Time() < kShowProgressAfterMs || done >= total) return;
    dialog_ = std::make_unique<wxProgressDialog>(title_, message_, total, parent_,
                                                 wxPD_APP_MODAL | wxPD_AUTO_HIDE | wxPD_ELAPSED_TIME);
  }
  dialog_->Update(std::min(done, total));
}
