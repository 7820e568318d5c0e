#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// printf into a string, however long the text comes out (a name or a huge
// double is never cut off); "" when the format cannot be applied.
template <typename... Args>
std::string Formatted(const char* format, Args... args) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, format, args...);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof text) return std::string(text, static_cast<std::size_t>(n));
  std::string wide(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(wide.data(), wide.size(), format, args...);
  wide.resize(static_cast<std::size_t>(n));
  return wide;
}
