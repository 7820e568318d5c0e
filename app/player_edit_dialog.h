#pragma once

#include <string>

#include <wx/dialog.h>

class wxTextCtrl;

// The Add/Edit player dialog: "Last Name:" and "First Name:" with OK and
// Cancel. Names go in and come out in their stored form (Windows-1252); the
// dialog shows and edits them as Unicode. OK returns both texts as typed,
// empty texts included.
class CPlayerEditDialog : public wxDialog {
 public:
  // `caption` is "Add a player" or "Edit a player".
  CPlayerEditDialog(wxWindow* parent, const wxString& caption, const std::string& lastName,
                    const std::string& firstName);

  int ShowModal() override;

  std::string LastName() const;
  std::string FirstName() const;

 private:
  wxTextCtrl* lastName_ = nullptr;
  wxTextCtrl* firstName_ = nullptr;
};
