#pragma once

#include <string>

// What the three command-line programs share: one-line error reports and the
// check that keeps an output from overwriting its own input.

// Prints "<program>: <message>" and a line break on stderr; returns 1, the
// exit status of a failed run.
int ReportFailure(const char* program, const std::string& message);

// "<what> <path>: <reason from errno>".
std::string FileError(const char* what, const std::string& path);

// True when both paths name one existing file.
bool IsSameFile(const std::string& first, const std::string& second);
