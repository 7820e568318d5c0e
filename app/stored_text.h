#pragma once

#include <string>

#include <wx/string.h>

#include "records/text_encoding.h"

// Stored 8-bit text (Windows-1252) for the screen, and typed text for storing.
inline wxString FromStored(const std::string& cp1252) { return wxString::FromUTF8(Cp1252ToUtf8(cp1252)); }
inline std::string ToStored(const wxString& text) { return Utf8ToCp1252(text.utf8_string()); }
