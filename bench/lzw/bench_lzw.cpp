// Compares lzwpack / lzwunpack with compress / compress -d from ncompress on
// a generated corpus (text-like and binary, 12 MB in all). Every program runs
// in this same process run, best of several rounds (processor time), and the
// ratios of their throughputs are printed. Our round trip must be exact.
//
// usage: bench_lzw [WORK_DIR]   (default: a fresh directory under /tmp)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr size_t kFileSize = 6u << 20;
constexpr int kRounds = 5;
// Targets: throughput of ours divided by throughput of compress.
constexpr double kPackTarget = 1.5;
constexpr double kUnpackTarget = 1.0;

std::vector<uint8_t> MakeText(size_t size, std::mt19937& random) {
  static const char* const kWords[] = {
      "the", "of", "and", "to", "in", "a", "is", "that", "for", "it", "as", "was", "with", "be",
      "by", "on", "not", "he", "this", "are", "or", "his", "from", "at", "which", "but", "have",
      "an", "had", "they", "you", "were", "their", "one", "all", "we", "can", "her", "has", "there",
      "settlement", "road", "city", "harbour", "robber", "wheat", "timber", "sheep", "clay", "ore",
      "player", "dice", "trade", "bank", "victory", "longest", "largest", "army", "knight", "tile"};
  // Zipf-like choice: earlier words are more frequent.
  std::vector<double> weights;
  for (size_t i = 0; i < std::size(kWords); ++i) weights.push_back(1.0 / (i + 1));
  std::discrete_distribution<size_t> word(weights.begin(), weights.end());
  std::string text;
  int sentence = 0;
  while (text.size() < size) {
    std::string w = kWords[word(random)];
    if (sentence == 0) w[0] = static_cast<char>(w[0] - 'a' + 'A');
    text += w;
    if (random() % 23 == 0) text += " " + std::to_string(random() % 1000);
    if (++sentence > 6 && random() % 8 == 0) {
      text += (random() % 5 == 0) ? ".\n" : ". ";
      sentence = 0;
    } else {
      text += (random() % 12 == 0) ? ", " : " ";
    }
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

// Blocks like those of executables and data files: tables of slowly growing
// integers, zero padding, repeated records and some incompressible stretches.
std::vector<uint8_t> MakeBinary(size_t size, std::mt19937& random) {
  std::vector<uint8_t> bytes;
  bytes.reserve(size + 65536);
  uint32_t counter = 0x1000;
  while (bytes.size() < size) {
    const size_t block = 1024 + random() % 16384;
    switch (random() % 4) {
      case 0:
        for (size_t i = 0; i < block / 4; ++i) {
          counter += random() % 64;
          for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<uint8_t>(counter >> (8 * b)));
        }
        break;
      case 1:
        bytes.insert(bytes.end(), block, 0);
        break;
      case 2: {
        std::vector<uint8_t> record(8 + random() % 56);
        for (uint8_t& b : record) b = static_cast<uint8_t>(random() % 16 == 0 ? random() : b);
        for (size_t i = 0; i < block; ++i) bytes.push_back(static_cast<uint8_t>(record[i % record.size()] ^ (i / record.size() % 3)));
        break;
      }
      default:
        for (size_t i = 0; i < block / 2; ++i) bytes.push_back(static_cast<uint8_t>(random()));
        break;
    }
  }
  bytes.resize(size);
  return bytes;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Best processor time (user + system, of the program and its shell) of a
// command over kRounds runs; -1 if it failed. Processor time rather than wall
// time keeps the comparison fair on a machine that is busy with other work.
double TimeCommand(const std::string& command) {
  double best = 1e30;
  for (int round = 0; round < kRounds; ++round) {
    const double start = ChildCpuSeconds();
    const int status = std::system(command.c_str());
    const double seconds = ChildCpuSeconds() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "failed: %s\n", command.c_str());
      return -1;
    }
    best = std::min(best, seconds);
  }
  return best;
}

struct Times {
  double pack = 0, compress = 0, unpack = 0, decompress = 0;
};

bool Measure(const fs::path& dir, const std::string& name, Times& total) {
  const std::string in = (dir / name).string();
  const std::string ours = in + ".lzw", theirs = in + ".Z";
  Times t;
  t.pack = TimeCommand(std::string(LZWPACK_PATH) + " " + in + " " + ours);
  t.unpack = TimeCommand(std::string(LZWUNPACK_PATH) + " " + ours + " " + in + ".out");
  t.compress = TimeCommand("/usr/bin/compress -c -f " + in + " > " + theirs);
  t.decompress = TimeCommand("/usr/bin/compress -d -c " + theirs + " > " + in + ".Zout");
  if (t.pack < 0 || t.unpack < 0 || t.compress < 0 || t.decompress < 0) return false;
  if (ReadFile(in + ".out") != ReadFile(in)) {
    std::fprintf(stderr, "%s: lzwunpack did not restore the input\n", name.c_str());
    return false;
  }
  const double mb = fs::file_size(in) / 1e6;
  std::printf("%-10s %6.2f MB  size: ours %5.1f%%  compress %5.1f%%\n", name.c_str(), mb,
              100.0 * fs::file_size(ours) / fs::file_size(in), 100.0 * fs::file_size(theirs) / fs::file_size(in));
  std::printf("           pack   %7.1f MB/s vs compress    %7.1f MB/s  ratio %.2f\n", mb / t.pack, mb / t.compress,
              t.compress / t.pack);
  std::printf("           unpack %7.1f MB/s vs compress -d %7.1f MB/s  ratio %.2f\n", mb / t.unpack,
              mb / t.decompress, t.decompress / t.unpack);
  total.pack += t.pack;
  total.compress += t.compress;
  total.unpack += t.unpack;
  total.decompress += t.decompress;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / ("bench_lzw_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::mt19937 random(20240607);
  WriteFile(dir / "text", MakeText(kFileSize, random));
  WriteFile(dir / "binary", MakeBinary(kFileSize, random));

  Times total;
  bool ok = Measure(dir, "text", total) && Measure(dir, "binary", total);
  if (ok) {
    const double packRatio = total.compress / total.pack;
    const double unpackRatio = total.decompress / total.unpack;
    std::printf("overall    pack ratio %.2f (target %.1f)  unpack ratio %.2f (target %.1f)\n", packRatio,
                kPackTarget, unpackRatio, kUnpackTarget);
    ok = packRatio >= kPackTarget && unpackRatio >= kUnpackTarget;
    std::printf("%s\n", ok ? "targets met" : "TARGETS NOT MET");
  }
  if (argc <= 1) fs::remove_all(dir);
  return ok ? 0 : 1;
}
