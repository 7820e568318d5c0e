#include "tool_support.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

int ReportFailure(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", program, message.c_str());
  return 1;
}

std::string FileError(const char* what, const std::string& path) {
  const int error = errno;
  std::string text = std::string(what) + " " + path;
  if (error != 0) text += std::string(": ") + std::strerror(error);
  return text;
}

bool IsSameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  return std::filesystem::equivalent(first, second, error) && !error;
}
