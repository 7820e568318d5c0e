#include "tool_support.h"

#include "file_stream.h"

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

int RunFileConversion(const char* program, int argc, char** argv, const FileConversion& convert) {
  if (argc < 3) return ReportFailure(program, std::string("usage: ") + program + " INPUT OUTPUT");
  const std::string inputPath = argv[1];
  const std::string outputPath = argv[2];
  FileSource input(inputPath);
  if (!input.IsOpen()) return ReportFailure(program, FileError("cannot open", inputPath));
  if (IsSameFile(inputPath, outputPath)) {
    return ReportFailure(program, "input and output are the same file: " + outputPath);
  }
  FileSink output(outputPath);
  if (!output.IsOpen()) return ReportFailure(program, FileError("cannot create", outputPath));
  return convert(input, output, inputPath, outputPath);
}
