#pragma once

#include <optional>
#include <string>

class wxWindow;

// The file dialogs of export and import: filter "Hexstead3D Export Files
// (*.h3d)" and "All Files (*.*)", default extension ".h3d". Export asks
// before overwriting; import takes only an existing file. Neither changes
// the working directory. Paths are in the file system's encoding.
std::optional<std::string> AskExportPath(wxWindow* parent);
std::optional<std::string> AskImportPath(wxWindow* parent);
