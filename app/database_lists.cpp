#include "database_lists.h"

#include <wx/listctrl.h>

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
wxListCtrl* CreateList(wxWindow* parent, int id, const wxSize& size, bool singleSelection, const Column (&columns)[N]) {
  auto* list = new wxListCtrl(parent, id, wxDefaultPosition, size,
                              wxLC_REPORT | wxBORDER_SUNKEN | (singleSelection ? wxLC_SINGLE_SEL : 0));
  list->SetFont(PanelFont(kListRowHeight));
  for (const Column& column : columns) list->AppendColumn(column.header, column.align, column.width);
  return list;
}

void SetRow(wxListCtrl* list, long row, int index, std::initializer_list<const std::string*> texts) {
  long item = list->InsertItem(row, FromStored(**texts.begin()));
  int column = 1;
  for (auto it = texts.begin() + 1; it != texts.end(); ++it) list->SetItem(item, column++, FromStored(**it));
  list->SetItemData(item, index);
}

}  // namespace

wxListCtrl* CreateGameList(wxWindow* parent, int id, const wxSize& size, bool singleSelection) {
  return CreateList(parent, id, size, singleSelection, kGameColumns);
}

void FillGameList(wxListCtrl* list, const std::vector<CGameListRow>& rows) {
  list->Freeze();
  list->DeleteAllItems();
  long row = 0;
  for (const CGameListRow& r : rows) SetRow(list, row++, r.index, {&r.date, &r.time, &r.playerCount, &r.length, &r.players});
  list->Thaw();
}

wxListCtrl* CreatePlayerList(wxWindow* parent, int id, const wxSize& size, bool singleSelection) {
  return CreateList(parent, id, size, singleSelection, kPlayerColumns);
}

void FillPlayerList(wxListCtrl* list, const std::vector<CPlayerListRow>& rows) {
  list->Freeze();
  list->DeleteAllItems();
  long row = 0;
  for (const CPlayerListRow& r : rows) SetRow(list, row++, r.index, {&r.name, &r.games, &r.wins, &r.average});
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

bool SelectIndex(wxListCtrl* list, int index, bool select) {
  for (long item = 0; item < list->GetItemCount(); ++item) {
    if (static_cast<int>(list->GetItemData(item)) == index) {
      list->SetItemState(item, select ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
      if (select) list->EnsureVisible(item);
      return true;
    }
  }
  return false;
}

void ClearSelection(wxListCtrl* list) {
  for (long item = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); item != -1;
       item = list->GetNextItem(item, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
    list->SetItemState(item, 0, wxLIST_STATE_SELECTED);
  }
}
