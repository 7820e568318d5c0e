// lzwpack INPUT OUTPUT: compresses INPUT into the LZW code stream OUTPUT.
#include "file_stream.h"
#include "lzw.h"
#include "tool_support.h"

namespace {
constexpr const char* kProgram = "lzwpack";
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return ReportFailure(kProgram, "usage: lzwpack INPUT OUTPUT");
  const std::string inputPath = argv[1];
  const std::string outputPath = argv[2];
  FileSource input(inputPath);
  if (!input.IsOpen()) return ReportFailure(kProgram, FileError("cannot open", inputPath));
  if (IsSameFile(inputPath, outputPath)) {
    return ReportFailure(kProgram, "input and output are the same file: " + outputPath);
  }
  FileSink output(outputPath);
  if (!output.IsOpen()) return ReportFailure(kProgram, FileError("cannot create", outputPath));
  const bool packed = LzwPackStream(input, output);
  if (input.Failed()) return ReportFailure(kProgram, FileError("cannot read", inputPath));
  if (!packed || !output.Close()) return ReportFailure(kProgram, FileError("cannot write", outputPath));
  return 0;
}
