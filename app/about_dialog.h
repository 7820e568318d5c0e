#pragma once

#include <wx/dialog.h>

// "About Hexstead3D": the application icon and the version line.
class CAboutDialog : public wxDialog {
 public:
  explicit CAboutDialog(wxWindow* parent);
};
