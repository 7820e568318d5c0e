#pragma once

#include <functional>
#include <string>

class FileSource;
class FileSink;

// What the three command-line programs share: one-line error reports and the
// check that keeps an output from overwriting its own input.

// Prints "<program>: <message>" and a line break on stderr; returns 1, the
// exit status of a failed run.
int ReportFailure(const char* program, const std::string& message);

// "<what> <path>: <reason from errno>".
std::string FileError(const char* what, const std::string& path);

// True when both paths name one existing file.
bool IsSameFile(const std::string& first, const std::string& second);

// The common frame of `lzwpack` and `lzwunpack`: checks for INPUT OUTPUT,
// opens the input before creating the output (so a missing input never
// empties an existing output), refuses an output that is the input, and
// then runs `convert`, whose return value is the exit status.
using FileConversion = std::function<int(FileSource& input, FileSink& output, const std::string& inputPath,
                                         const std::string& outputPath)>;
int RunFileConversion(const char* program, int argc, char** argv, const FileConversion& convert);
