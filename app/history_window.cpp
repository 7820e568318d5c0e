#include "history_window.h"

#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "records/text_encoding.h"

namespace {

constexpr int kPictureSize = 16;
constexpr int kCopyAsTextId = wxID_HIGHEST + 1;
// Adding more lines than this at once (a stored history) is done with the
// tree frozen, so that it is drawn once.
constexpr size_t kFreezeAbove = 8;

wxBitmap HistoryPicture(const CInterfaceImages& images, int slot) {
  wxBitmap bitmap = images.Bitmap(InterfaceArchive::History, slot);
  if (!bitmap.IsOk()) {
    // A missing picture keeps its place in the list, so that the indices of
    // the others stay right.
    wxImage blank(kPictureSize, kPictureSize);
    blank.InitAlpha();
    std::fill_n(blank.GetAlpha(), kPictureSize * kPictureSize, wxIMAGE_ALPHA_TRANSPARENT);
    return wxBitmap(blank);
  }
  wxImage image = bitmap.ConvertToImage();
  if (image.GetWidth() != kPictureSize || image.GetHeight() != kPictureSize)
    image = image.Scale(kPictureSize, kPictureSize);
  // The key colour becomes transparent through an alpha channel: the tree
  // draws such pictures without building a masked copy each time.
  const wxColour& key = CFlatBitmapButton::kTransparentKey;
  image.SetMaskColour(key.Red(), key.Green(), key.Blue());
  image.InitAlpha();
  return wxBitmap(image);
}

wxString ToWx(const std::string& cp1252) { return wxString::FromUTF8(Cp1252ToUtf8(cp1252)); }

}  // namespace

CHistoryWindow::CHistoryWindow(wxWindow* parent, const CInterfaceImages& images)
    : wxDialog(parent, kDialogId, "Game History", wxDefaultPosition, wxSize(340, 520),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  tree_ = new wxTreeCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
  pictures_ = new wxImageList(kPictureSize, kPictureSize, true, kPictureCount);
  for (int slot = 0; slot < kPictureCount; ++slot) pictures_->Add(HistoryPicture(images, slot));
  tree_->AssignImageList(pictures_);
  root_ = tree_->AddRoot(wxString());

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(tree_, 1, wxEXPAND);
  SetSizer(sizer);

  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Hide(); });
  tree_->Bind(wxEVT_CONTEXT_MENU, &CHistoryWindow::OnContextMenu, this);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { CopyAsText(); }, kCopyAsTextId);
}

void CHistoryWindow::ShowHistory(const CHistoryLog& log) {
  const std::vector<CHistoryItem>& items = log.Items();
  // Lines are only added and taken back at the end: keep what still agrees.
  size_t keep = 0;
  while (keep < shown_.size() && keep < items.size() && shown_[keep] == items[keep]) ++keep;
  if (keep == shown_.size() && keep == items.size()) return;

  const bool bulk = items.size() - keep > kFreezeAbove || shown_.size() - keep > kFreezeAbove;
  if (bulk) tree_->Freeze();
  RemoveFrom(keep);
  wxTreeItemId lastGroup;
  for (size_t i = shown_.size(); i-- > 0;) {
    if (shown_[i].isTopLevel) {
      lastGroup = ids_[i];
      break;
    }
  }
  for (size_t i = keep; i < items.size(); ++i) Append(items[i], lastGroup);
  if (bulk) tree_->Thaw();
  // The newest line in view (a line taken back brings the one before it).
  if (!ids_.empty()) tree_->EnsureVisible(ids_.back());
}

void CHistoryWindow::Clear() { ShowHistory(CHistoryLog()); }

void CHistoryWindow::RemoveFrom(size_t first) {
  // Everything at once: deleting item by item leaves the tree control slow to
  // update afterwards.
  if (first == 0 && !shown_.empty()) {
    tree_->DeleteChildren(root_);
    ids_.clear();
    shown_.clear();
    return;
  }
  // From the end, so that entries go before the group above them.
  while (shown_.size() > first) {
    tree_->Delete(ids_.back());
    ids_.pop_back();
    shown_.pop_back();
  }
}

void CHistoryWindow::Append(const CHistoryItem& item, wxTreeItemId& lastGroup) {
  wxTreeItemId id;
  if (item.isTopLevel) {
    // A new phase or turn: the one before it folds away.
    if (lastGroup.IsOk()) tree_->Collapse(lastGroup);
    id = tree_->AppendItem(root_, ToWx(item.text), item.picture, item.picture);
    lastGroup = id;
  } else {
    // An entry that no group precedes (only a damaged file holds one) stands
    // at the top level rather than being lost.
    id = tree_->AppendItem(lastGroup.IsOk() ? lastGroup : root_, ToWx(item.text), item.picture, item.picture);
  }
  ids_.push_back(id);
  shown_.push_back(item);
}

wxString CHistoryWindow::AsText() const {
  wxString text;
  for (const CHistoryItem& item : shown_) text << (item.isTopLevel ? "" : "    ") << ToWx(item.text) << "\n";
  return text;
}

void CHistoryWindow::CopyAsText() const {
  wxClipboardLocker locker;
  if (!locker) return;
  wxTheClipboard->SetData(new wxTextDataObject(AsText()));
}

void CHistoryWindow::OnContextMenu(wxContextMenuEvent&) {
  wxMenu menu;
  menu.Append(kCopyAsTextId, "Copy as text");
  menu.Enable(kCopyAsTextId, !shown_.empty());
  PopupMenu(&menu);
}
