#include "about_dialog.h"

#include <wx/artprov.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app_icon.h"
#include "command_ids.h"
#include "records/installation.h"

CAboutDialog::CAboutDialog(wxWindow* parent) : wxDialog(parent, 100, "About Hexstead3D") {
  auto* icon = new wxStaticBitmap(this, wxID_ANY, AppIcon(48));
  auto* version = new wxStaticText(this, IDC_ABOUT_VERSION, kVersionText);

  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(icon, 0, wxALL, 10);
  row->Add(version, 0, wxALIGN_CENTER_VERTICAL | wxALL, 10);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(row, 0, wxALL, 5);
  top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}
