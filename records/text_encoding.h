#pragma once

#include <string>
#include <string_view>

// Stored 8-bit text is Windows-1252; the user interface speaks UTF-8.

// Every Windows-1252 byte has a UTF-8 form (the five unassigned bytes map to
// the C1 control characters of the same number, as Windows does).
std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// UTF-16 code units (the wide form of a stored string) to Windows-1252; a
// character without a byte, surrogate pairs included, becomes one '?'.
std::string Utf16ToCp1252(std::u16string_view utf16);
