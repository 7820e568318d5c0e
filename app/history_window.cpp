#include "history_window.h"

#include <algorithm>

#include <wx/clipbrd.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

#include "flat_bitmap_button.h"
#include "interface_images.h"
#include "message_box.h"
#include "records/text_encoding.h"

namespace {

constexpr int kPictureSize = 16;
constexpr int kPictureCount = 62;  // the pictures of the history archive
constexpr int kCopyAsTextId = wxID_HIGHEST + 1;
constexpr int kUndoToHereId = wxID_HIGHEST + 2;
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
    : CRecordWindow(parent, kDialogId, "Game History", wxSize(340, 520)) {
  tree_ = new wxTreeCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxTR_HAS_BUTTONS | wxTR_HIDE_ROOT | wxTR_LINES_AT_ROOT | wxTR_SINGLE);
  pictures_ = new wxImageList(kPictureSize, kPictureSize, true, kPictureCount);
  for (int slot = 0; slot < kPictureCount; ++slot) pictures_->Add(HistoryPicture(images, slot));
  tree_->AssignImageList(pictures_);
  root_ = tree_->AddRoot(wxString());

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(tree_, 1, wxEXPAND);
  SetSizer(sizer);

  tree_->Bind(wxEVT_CONTEXT_MENU, &CHistoryWindow::OnContextMenu, this);
  tree_->Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
    event.Skip();
    if (!lineChosen_ || !event.GetItem().IsOk()) return;
    const auto at = std::find(ids_.begin(), ids_.end(), event.GetItem());
    if (at != ids_.end()) lineChosen_(static_cast<size_t>(at - ids_.begin()));
  });
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

void CHistoryWindow::GreyFrom(size_t first) {
  const wxColour grey = wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
  const wxColour normal = tree_->GetForegroundColour();
  // A jump across the game recolours most lines: drawn once, at the end.
  tree_->Freeze();
  for (size_t i = 0; i < ids_.size(); ++i) {
    const wxColour& wanted = i >= first ? grey : normal;
    if (tree_->GetItemTextColour(ids_[i]) != wanted) tree_->SetItemTextColour(ids_[i], wanted);
  }
  tree_->Thaw();
}

void CHistoryWindow::SelectLine(size_t line) {
  if (line >= ids_.size()) return;
  tree_->SelectItem(ids_[line]);
  // A few lines of what follows in the same group stay in view below it.
  size_t below = line;
  while (below + 1 < ids_.size() && below < line + 3 && !shown_[below + 1].isTopLevel) ++below;
  tree_->EnsureVisible(ids_[below]);
  tree_->EnsureVisible(ids_[line]);
}

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

void CHistoryWindow::OfferUndoToHere(std::function<int(size_t line)> actionsAfter,
                                     std::function<void(size_t line)> undoTo) {
  actionsAfter_ = std::move(actionsAfter);
  undoTo_ = std::move(undoTo);
}

int CHistoryWindow::LineAt(const wxPoint& screen) const {
  wxTreeItemId item;
  if (screen != wxDefaultPosition) {
    int flags = 0;
    item = tree_->HitTest(tree_->ScreenToClient(screen), flags);
    if (!(flags & (wxTREE_HITTEST_ONITEMLABEL | wxTREE_HITTEST_ONITEMICON))) item = wxTreeItemId();
  }
  if (!item.IsOk()) item = tree_->GetSelection();
  const auto found = std::find(ids_.begin(), ids_.end(), item);
  return item.IsOk() && found != ids_.end() ? static_cast<int>(found - ids_.begin()) : -1;
}

void CHistoryWindow::OnContextMenu(wxContextMenuEvent& event) {
  const int line = LineAt(event.GetPosition());
  if (line >= 0) tree_->SelectItem(ids_[static_cast<size_t>(line)]);
  const int actions = line >= 0 && actionsAfter_ ? actionsAfter_(static_cast<size_t>(line)) : 0;
  wxMenu menu;
  menu.Append(kUndoToHereId, "Undo to here");
  menu.Enable(kUndoToHereId, actions > 0);
  menu.AppendSeparator();
  menu.Append(kCopyAsTextId, "Copy as text");
  menu.Enable(kCopyAsTextId, !shown_.empty());
  // The line is the one the menu was opened on, whatever happens to the
  // selection while it is up.
  switch (GetPopupMenuSelectionFromUser(menu)) {
    case kUndoToHereId: UndoToHere(static_cast<size_t>(line)); break;
    case kCopyAsTextId: CopyAsText(); break;
    default: break;
  }
}

void CHistoryWindow::UndoToHere(size_t line) {
  // Asked again: the count shown is the one that will be undone.
  const int actions = actionsAfter_ ? actionsAfter_(line) : 0;
  if (actions <= 0 || !undoTo_) return;
  const wxString question = actions == 1 ? wxString("Undo the 1 action after this one?")
                                         : wxString::Format("Undo the %d actions after this one?", actions);
  if (AskYesNoBox(this, "Undo to here", question)) undoTo_(line);
}
