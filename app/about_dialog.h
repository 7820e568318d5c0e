#pragma once

#include <wx/dialog.h>

// "About Hexstead3D": the application icon and the version line.
class CAboutDialog : public wxDialog {
 public:
  static const char* const kVersion;
  explicit CAboutDialog(wxWindow* parent);
};
