#include "database_lists.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "panel_font.h"

namespace {

struct Column {
  const char* header;
  int width;
  wxListColumnFormat align;
};

constexpr Column kGameColumns[] = {
    {"Date", 80, wxLIST_FORMAT_LEFT},
    {"Time", 80, wxLIST_FORMAT_CENTRE},
    {"# Players", 75, wxLIST_FORMAT_CENTRE},
    {"Length", 80, wxLIST_FORMAT_CENTRE},
    {"Players", 500, wxLIST_FORMAT_LEFT},
};

constexpr Column kPlayerColumns[] = {
    {"Players", 100, wxLIST_FORMAT_LEFT},
    {"Games", 55, wxLIST_FORMAT_CENTRE},
    {"Wins", 55, wxLIST_FORMAT_CENTRE},
    {"Average", 65, wxLIST_FORMAT_CENTRE},
};

constexpr int kListRowHeight = 13;

template <std::size_t N>
void SetUpColumns(wxListCtrl* list, const Column (&columns)[N]) {
  list->SetFont(PanelFont(kListRowHeight));
  for (const Column& column : columns) list->AppendColumn(column.header, column.align, column.width);
}

}  // namespace

void SetUpGameColumns(wxListCtrl* list) { SetUpColumns(list, kGameColumns); }

wxListCtrl* CreatePlayerList(wxWindow* parent, int id, const wxSize& size, bool singleSelection) {
  auto* list = new wxListCtrl(parent, id, wxDefaultPosition, size,
                              wxLC_REPORT | wxBORDER_SUNKEN | (singleSelection ? wxLC_SINGLE_SEL : 0));
  SetUpColumns(list, kPlayerColumns);
  return list;
}

void FillPlayerList(wxListCtrl* list, const std::vector<CPlayerListRow>& rows) {
  list->Freeze();
  list->DeleteAllItems();
  long row = 0;
  for (const CPlayerListRow& r : rows) {
    const long item = list->InsertItem(row++, FromStored(r.name));
    list->SetItem(item, 1, FromStored(r.games));
    list->SetItem(item, 2, FromStored(r.wins));
    list->SetItem(item, 3, FromStored(r.average));
    list->SetItemData(item, r.index);
  }
  list->Thaw();
}

std::vector<int> SelectedIndices(const wxListCtrl* list) {
  std::vector<int> indices;
  for (long item = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
       item = list->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
    indices.push_back(static_cast<int>(list->GetItemData(item)));
  }
  return indices;
}

void ClearSelection(wxListCtrl* list) {
  if (list->GetItemCount() > 0) list->SetItemState(-1, 0, wxLIST_STATE_SELECTED);
}

void OnSelectionChange(wxListCtrl* list, const std::function<void()>& changed) {
  const auto handler = [changed](wxListEvent& event) {
    event.Skip();
    changed();
  };
  list->Bind(wxEVT_LIST_ITEM_SELECTED, handler);
  list->Bind(wxEVT_LIST_ITEM_DESELECTED, handler);
}

void LayOutListDialog(wxDialog* dialog, wxWindow* list, std::initializer_list<wxButton*> actions, wxButton* close,
                      int orientation) {
  const bool row = orientation == wxHORIZONTAL;
  const int actionFlags = row ? static_cast<int>(wxRIGHT) : wxEXPAND | wxBOTTOM;
  auto* buttons = new wxBoxSizer(orientation);
  for (wxButton* button : actions) buttons->Add(button, 0, actionFlags, 6);
  buttons->AddStretchSpacer();
  buttons->Add(close, 0, row ? 0 : static_cast<int>(wxEXPAND));
  auto* top = new wxBoxSizer(row ? wxVERTICAL : wxHORIZONTAL);
  top->Add(list, 1, wxEXPAND | wxALL, 10);
  top->Add(buttons, 0, wxEXPAND | (row ? wxLEFT : wxTOP) | wxRIGHT | wxBOTTOM, 10);
  dialog->SetSizerAndFit(top);
  dialog->Centre();
}
