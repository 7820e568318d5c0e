#include "keyboard_shortcuts_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "command_ids.h"
#include "table_keys.h"

CKeyboardShortcutsDialog::CKeyboardShortcutsDialog(wxWindow* parent)
    : wxDialog(parent, IDD_KEYBOARD_SHORTCUTS, "Keyboard Shortcuts") {
  auto* table = new wxFlexGridSizer(2, 4, 16);
  for (const TableShortcut& shortcut : TableShortcuts()) {
    auto* keys = new wxStaticText(this, wxID_ANY, shortcut.keys);
    keys->SetFont(keys->GetFont().Bold());
    table->Add(keys);
    table->Add(new wxStaticText(this, wxID_ANY, shortcut.action));
  }
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, "In the game window, while a game is entered:"), 0, wxALL, 10);
  top->Add(table, 0, wxLEFT | wxRIGHT, 16);
  top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}
