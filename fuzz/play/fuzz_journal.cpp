// Feeds arbitrary bytes to the journal reader as the program reads a journal
// found at start: the summary of the resume question, the whole-line cut and
// the replay itself must end cleanly (a damaged line stops the replay before
// it), and the replayed part never extends past the text.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "journal_replay.h"
#include "play_runner.h"
#include "records/clock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  SummariseJournal(text);
  const std::string_view kept = ReplayableText(text);
  if (kept.size() > text.size() || text.substr(0, kept.size()) != kept) std::abort();
  // A replay may store a finished game or add seated players: in a scratch folder.
  struct ScratchFolder {
    std::string path =
        (std::filesystem::temp_directory_path() / ("h3d-fuzz-journal-" + std::to_string(getpid()))).string();
    ~ScratchFolder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const ScratchFolder scratch;
  PlayRunner runner(nullptr, scratch.path);
  ScriptRun run = RunScriptText(kept, runner);
  if (run.goodBytes > kept.size()) std::abort();
  CClock::UseSystem();
  return 0;
}
