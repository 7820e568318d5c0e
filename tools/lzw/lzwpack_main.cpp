// lzwpack INPUT OUTPUT: compresses INPUT into the LZW code stream OUTPUT.
#include "file_stream.h"
#include "lzw.h"
#include "tool_support.h"

namespace {

constexpr const char* kProgram = "lzwpack";

int Pack(FileSource& input, FileSink& output, const std::string& inputPath, const std::string& outputPath) {
  const bool packed = LzwPackStream(input, output);
  if (input.Failed()) return ReportFailure(kProgram, FileError("cannot read", inputPath));
  if (!packed || !output.Close()) return ReportFailure(kProgram, FileError("cannot write", outputPath));
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunFileConversion(kProgram, argc, argv, Pack); }
