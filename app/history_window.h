#pragma once

#include <functional>
#include <vector>

#include <wx/treebase.h>

#include "engine/session/history_log.h"
#include "record_window.h"

class CInterfaceImages;
class wxImageList;
class wxTreeCtrl;

// The "Game History" window: the game's history as a tree filling the
// window, groups (set-up phases and turns) at the top level and their entries
// under them, each with its picture from the history archive. It follows the
// history it is shown: new lines are added at the end and scrolled into view,
// lines taken back by Undo disappear, and a stored history replaces the whole
// tree.
class CHistoryWindow : public CRecordWindow {
 public:
  static constexpr int kDialogId = 179;

  CHistoryWindow(wxWindow* parent, const CInterfaceImages& images);

  // Brings the tree in step with `log` (the live history after an input or
  // an Undo, or a stored history opened for review). Lines the tree already
  // shows stay as they are, so the user's expanded groups and scroll position
  // survive; when a new group opens, the group before it is collapsed.
  void ShowHistory(const CHistoryLog& log);
  // Empties the tree.
  void Clear();

  // Looking back at a game: lines from `first` on are drawn grey (the game
  // had not reached them), a line is selected and scrolled into view with a
  // few lines of its group after it, and
  // `chosen` is told the index of each line the user selects (null: nobody).
  void GreyFrom(size_t first);
  void SelectLine(size_t line);
  void SetLineChosen(std::function<void(size_t line)> chosen) { lineChosen_ = std::move(chosen); }

  // The whole log as text: one line per group, its entries indented below.
  wxString AsText() const;
  // Puts AsText on the clipboard ("Copy as text").
  void CopyAsText() const;

  // "Undo to here" in the context menu: `actionsAfter` tells how many
  // actions an Undo to right after a line takes back (0: not offered there);
  // `undoTo` takes them back once the user has said Yes.
  void OfferUndoToHere(std::function<int(size_t line)> actionsAfter, std::function<void(size_t line)> undoTo);

  wxTreeCtrl& Tree() const { return *tree_; }
  // The tree item of each history line, in log order.
  const std::vector<wxTreeItemId>& Items() const { return ids_; }

 private:
  void RemoveFrom(size_t first);
  void Append(const CHistoryItem& item, wxTreeItemId& lastGroup);
  void OnContextMenu(wxContextMenuEvent& event);
  // The line under a context-menu point (screen), else the selected one; -1 none.
  int LineAt(const wxPoint& screen) const;
  void UndoToHere(size_t line);

  wxTreeCtrl* tree_ = nullptr;
  wxImageList* pictures_ = nullptr;  // owned by the tree
  wxTreeItemId root_;
  std::vector<CHistoryItem> shown_;  // what the tree shows, line by line
  std::vector<wxTreeItemId> ids_;
  std::function<int(size_t)> actionsAfter_;
  std::function<void(size_t)> undoTo_;
  std::function<void(size_t line)> lineChosen_;
};
