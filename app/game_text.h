#pragma once

#include <string>

#include <wx/string.h>

#include "records/text_encoding.h"

// Names and texts of a game are 8-bit Windows-1252 (as stored); the windows
// show them as Unicode.
inline wxString GameText(const std::string& cp1252) { return wxString::FromUTF8(Cp1252ToUtf8(cp1252)); }
