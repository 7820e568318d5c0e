#include "gl_settings_dialog.h"

#include <wx/checkbox.h>
#include <wx/dcclient.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/utils.h>

#include "board_view.h"
#include "colour_label.h"
#include "command_ids.h"
#include "panel_font.h"

namespace {

// The size radios top to bottom, with their TextureSize values.
struct SizeChoice {
  int id;
  const char* label;
  int textureSize;
};
constexpr SizeChoice kSizeChoices[] = {
    {IDC_TEXTURE_TINY, "Tiny", 3},
    {IDC_TEXTURE_SMALL, "Small", 2},
    {IDC_TEXTURE_MEDIUM, "Medium", 1},
    {IDC_TEXTURE_LARGE, "Large", 0},
};

CColourLabel* HelpLabel(wxWindow* parent, int id, const char* text) {
  const wxFont font = PanelFont(12);
  wxClientDC dc(parent);
  dc.SetFont(font);
  const wxSize extent = dc.GetTextExtent(text);
  return new CColourLabel(parent, id, text, wxDefaultPosition, wxSize(extent.x + 2, extent.y + 2), font,
                          wxColour(151, 151, 151), parent->GetBackgroundColour());
}

}  // namespace

CGLSettingsDialog::CGLSettingsDialog(wxWindow* parent, CBoardView& board)
    : wxDialog(parent, 147, "OpenGL Settings"), board_(board) {
  auto* sizeBox = new wxStaticBoxSizer(wxVERTICAL, this, "Texture Size");
  for (const SizeChoice& choice : kSizeChoices) {
    auto* radio = new wxRadioButton(sizeBox->GetStaticBox(), choice.id, choice.label, wxDefaultPosition,
                                    wxDefaultSize, choice.id == IDC_TEXTURE_TINY ? wxRB_GROUP : 0);
    sizes_[choice.textureSize] = radio;
    sizeBox->Add(radio, 0, wxALL, 3);
    radio->Bind(wxEVT_RADIOBUTTON, &CGLSettingsDialog::OnSizeChosen, this);
  }
  auto* mipBox = new wxStaticBoxSizer(wxVERTICAL, this, "Mipmapping");
  mipmapping_ = new wxCheckBox(mipBox->GetStaticBox(), IDC_MIPMAPPING, "Enable mipmapping");
  mipBox->Add(mipmapping_, 0, wxALL, 3);
  mipmapping_->Bind(wxEVT_CHECKBOX, &CGLSettingsDialog::OnMipmappingClicked, this);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(sizeBox, 0, wxEXPAND | wxALL, 8);
  top->Add(HelpLabel(this, IDC_TEXTURE_HELP, "Smaller textures draw faster but look worse."), 0,
           wxLEFT | wxRIGHT, 10);
  top->Add(mipBox, 0, wxEXPAND | wxALL, 8);
  top->Add(HelpLabel(this, IDC_MIPMAP_HELP, "Mipmapping draws smoother textures at the cost of speed."), 0,
           wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_CLOSE_WINDOW, &CGLSettingsDialog::OnClose, this);
}

bool CGLSettingsDialog::Show(bool show) {
  if (show) {
    const int size = board_.TextureSize();
    sizes_[size >= 0 && size <= 3 ? size : 3]->SetValue(true);
    mipmapping_->SetValue(board_.Mipmapping());
  }
  return wxDialog::Show(show);
}

void CGLSettingsDialog::OnSizeChosen(wxCommandEvent& event) {
  for (const SizeChoice& choice : kSizeChoices) {
    if (choice.id != event.GetId()) continue;
    wxBusyCursor wait;
    board_.SetTextureSize(choice.textureSize);
  }
}

void CGLSettingsDialog::OnMipmappingClicked(wxCommandEvent& event) {
  wxBusyCursor wait;
  board_.SetMipmapping(event.IsChecked());
}

void CGLSettingsDialog::OnClose(wxCloseEvent& event) {
  // The dialog lives as long as the game view; its close box only hides it,
  // and the Popups check mark follows its visibility.
  if (event.CanVeto()) {
    Hide();
    event.Veto();
    return;
  }
  event.Skip();
}
