#include "exchange_file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

namespace {

constexpr const char* kFilter = "Hexstead3D Export Files (*.h3d)|*.h3d|All Files (*.*)|*.*";

std::string FileSystemPath(const wxString& path) { return std::string(path.fn_str()); }

}  // namespace

std::optional<std::string> AskExportPath(wxWindow* parent) {
  wxFileDialog dialog(parent, "Save As", wxEmptyString, wxEmptyString, kFilter,
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  wxFileName name(dialog.GetPath());
  // A name typed without an extension gets the default one, as long as the
  // export filter is chosen.
  if (!name.HasExt() && dialog.GetFilterIndex() == 0) {
    name.SetExt("h3d");
    if (name.FileExists() &&
        wxMessageBox(name.GetFullName() + " already exists.\nDo you want to replace it?", "Save As",
                     wxYES_NO | wxICON_WARNING, parent) != wxYES) {
      return std::nullopt;
    }
  }
  return FileSystemPath(name.GetFullPath());
}

std::optional<std::string> AskImportPath(wxWindow* parent) {
  wxFileDialog dialog(parent, "Open", wxEmptyString, wxEmptyString, kFilter, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return FileSystemPath(dialog.GetPath());
}
