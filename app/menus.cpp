#include "menus.h"

#include <wx/artprov.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "command_ids.h"

namespace {

// One menu item: id, text with accelerator, status-bar prompt and check flag.
struct Item {
  int id;
  const char* text;
  const char* prompt;
  bool check = false;
};

// Status-bar prompts of the standard commands.
const Item kNew = {ID_FILE_NEW, "&New\tCtrl+N", "Create a new document"};
const Item kClose = {ID_FILE_CLOSE, "&Close", "Close the active document"};
const Item kExit = {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents"};
const Item kUndo = {ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action"};
const Item kToolbar = {ID_VIEW_TOOLBAR, "&Toolbar", "Show or hide the toolbar", true};
const Item kStatusBar = {ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar", true};
const Item kKeyboard = {ID_HELP_KEYBOARD, "&Keyboard Shortcuts", "List the keys that enter a game"};
const Item kAbout = {ID_APP_ABOUT, "&About Hexstead3D...", "Display program information, version number and copyright"};

wxMenu* MakeMenu(std::initializer_list<Item> items) {
  auto* menu = new wxMenu;
  for (const Item& item : items) {
    if (item.id == 0) {
      menu->AppendSeparator();
    } else {
      menu->Append(item.id, item.text, item.prompt, item.check ? wxITEM_CHECK : wxITEM_NORMAL);
    }
  }
  return menu;
}

const Item kSeparator = {0, "", ""};

}  // namespace

wxMenuBar* CreateMenu128() {
  auto* bar = new wxMenuBar;
  bar->Append(MakeMenu({kNew, kSeparator, kExit}), "&File");
  bar->Append(MakeMenu({{ID_DATABASES_PLAYER, "&Player", "Open the player database"},
                        {ID_DATABASES_GAME, "&Game", "Open the game database"},
                        {ID_DATABASES_STATISTICS, "&Statistics", "Open the statistics database"}}),
              "&Databases");
  bar->Append(MakeMenu({kToolbar, kStatusBar}), "&View");
  bar->Append(MakeMenu({kKeyboard, kSeparator, kAbout}), "&Help");
  return bar;
}

wxMenuBar* CreateMenu129() {
  auto* bar = new wxMenuBar;
  bar->Append(MakeMenu({kClose, kSeparator, kExit}), "&File");
  bar->Append(MakeMenu({kUndo}), "&Edit");
  bar->Append(MakeMenu({{ID_POPUPS_GLSETTINGS, "&OpenGL Settings", "Change the current OpenGL settings", true},
                        {ID_POPUPS_HISTORY, "&Game History", "Show or hide the game history", true},
                        {ID_POPUPS_STATS, "Game &Stats", "Show or hide the game statistics", true},
                        {ID_POPUPS_LUCK, "&Luck", "Show or hide the luck of the game", true}}),
              "&Popups");
  bar->Append(MakeMenu({kToolbar, kStatusBar}), "&View");
  bar->Append(MakeMenu({{ID_WINDOW_NEW, "&New Window", "Open another window for the active document"},
                        {ID_WINDOW_CASCADE, "&Cascade", "Arrange windows so they overlap"},
                        {ID_WINDOW_TILE_HORZ, "&Tile", "Arrange windows as non-overlapping tiles"},
                        {ID_WINDOW_ARRANGE, "&Arrange Icons", "Arrange icons at the bottom of the window"}}),
              "&Window");
  bar->Append(MakeMenu({kKeyboard, kSeparator, kAbout}), "&Help");
  return bar;
}

void FillToolBar128(wxToolBar* toolbar) {
  struct Tool {
    int id;
    wxArtID art;
    const char* tip;
    const char* prompt;
  };
  const Tool tools[] = {
      {ID_FILE_NEW, wxART_NEW, "New", "Create a new document"},
      {ID_FILE_OPEN, wxART_FILE_OPEN, "Open", "Open an existing document"},
      {ID_FILE_SAVE, wxART_FILE_SAVE, "Save", "Save the active document"},
      {0, {}, "", ""},
      {ID_EDIT_CUT, wxART_CUT, "Cut", "Cut the selection and put it on the Clipboard"},
      {ID_EDIT_COPY, wxART_COPY, "Copy", "Copy the selection and put it on the Clipboard"},
      {ID_EDIT_PASTE, wxART_PASTE, "Paste", "Insert Clipboard contents"},
      {0, {}, "", ""},
      {ID_FILE_PRINT, wxART_PRINT, "Print", "Print the active document"},
      {ID_APP_ABOUT, wxART_HELP, "About", "Display program information, version number and copyright"},
  };
  for (const Tool& tool : tools) {
    if (tool.id == 0) {
      toolbar->AddSeparator();
    } else {
      toolbar->AddTool(tool.id, tool.tip, wxArtProvider::GetBitmap(tool.art, wxART_TOOLBAR), tool.tip,
                       wxITEM_NORMAL);
      toolbar->SetToolLongHelp(tool.id, tool.prompt);
    }
  }
  toolbar->Realize();
}
