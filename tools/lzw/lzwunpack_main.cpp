// lzwunpack INPUT OUTPUT: restores the bytes of the LZW code stream INPUT.
#include "file_stream.h"
#include "lzw.h"
#include "tool_support.h"

namespace {

constexpr const char* kProgram = "lzwunpack";

// Why a stream ended early; the bytes before the fault are kept.
const char* DescribeFault(DecodeStatus status) {
  switch (status) {
    case DecodeStatus::Truncated:
      return "the stream is truncated";
    case DecodeStatus::Corrupt:
      return "the stream is corrupt";
    case DecodeStatus::DictionaryFull:
      return "the stream is corrupt (dictionary full without a clear code)";
    default:
      return nullptr;
  }
}

int Unpack(FileSource& input, FileSink& output, const std::string& inputPath, const std::string& outputPath) {
  const LzwUnpackResult result = LzwUnpackStream(input, output);
  if (result.status == DecodeStatus::ReadError) {
    return ReportFailure(kProgram, FileError("cannot read", inputPath));
  }
  if (result.writeFailed || !output.Close()) {
    return ReportFailure(kProgram, FileError("cannot write", outputPath));
  }
  if (const char* fault = DescribeFault(result.status)) {
    return ReportFailure(kProgram, inputPath + ": " + fault + "; the bytes before the fault were written");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return RunFileConversion(kProgram, argc, argv, Unpack); }
