#pragma once

#include <array>

#include <wx/dialog.h>

class CBoardView;
class wxCheckBox;
class wxRadioButton;

// "OpenGL Settings": a modeless dialog that changes the tile texture size and
// mipmapping of the board view. Closing it only hides it.
class CGLSettingsDialog : public wxDialog {
 public:
  CGLSettingsDialog(wxWindow* parent, CBoardView& board);

  bool Show(bool show = true) override;

 private:
  void OnSizeChosen(wxCommandEvent& event);
  void OnMipmappingClicked(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);

  CBoardView& board_;
  std::array<wxRadioButton*, 4> sizes_{};  // by TextureSize: Large, Medium, Small, Tiny
  wxCheckBox* mipmapping_ = nullptr;
};
