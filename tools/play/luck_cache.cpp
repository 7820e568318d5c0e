#include "luck_cache.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int kMaxSeats = 6;

std::optional<double> ReadNumber(const std::string& word) {
  char* end = nullptr;
  double value = std::strtod(word.c_str(), &end);
  if (word.empty() || end != word.c_str() + word.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

CLuckCache::CLuckCache(std::string path, IFileSystem& files) : path_(std::move(path)), files_(files) {}

std::string CLuckCache::KeyOf(const std::string& fileName, std::span<const uint8_t> bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
  char text[64];
  std::snprintf(text, sizeof text, " %zu %016llx", bytes.size(), static_cast<unsigned long long>(hash));
  return fileName + text;
}

std::map<std::string, std::vector<double>> CLuckCache::Parse(std::string_view text) {
  std::map<std::string, std::vector<double>> entries;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; start = end + 1, end = text.find('\n', start)) {
    std::istringstream line{std::string(text.substr(start, end - start))};
    std::vector<std::string> words;
    for (std::string word; line >> word;) words.push_back(word);
    if (words.size() < 5) continue;
    std::optional<double> seats = ReadNumber(words[3]);
    if (!seats || *seats < 1 || *seats > kMaxSeats || *seats != std::floor(*seats) ||
        words.size() != 4 + static_cast<std::size_t>(*seats))
      continue;
    std::vector<double> luck;
    for (std::size_t i = 4; i < words.size(); ++i)
      if (std::optional<double> value = ReadNumber(words[i])) luck.push_back(*value);
    if (luck.size() == static_cast<std::size_t>(*seats)) entries[words[0] + " " + words[1] + " " + words[2]] = luck;
  }
  return entries;
}

void CLuckCache::Load() {
  if (loaded_) return;
  loaded_ = true;
  try {
    std::vector<uint8_t> bytes = files_.ReadAll(path_);
    entries_ = Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const std::exception&) {
    entries_.clear();  // an unreadable cache is an empty one
  }
}

std::optional<std::vector<double>> CLuckCache::Find(const std::string& key) {
  Load();
  auto found = entries_.find(key);
  if (found == entries_.end()) return std::nullopt;
  return found->second;
}

void CLuckCache::Add(const std::string& key, const std::vector<double>& seats) {
  Load();
  if (seats.empty() || seats.size() > kMaxSeats) return;
  entries_[key] = seats;
  std::string line = key + " " + std::to_string(seats.size());
  for (double luck : seats) {
    char number[40];
    std::snprintf(number, sizeof number, " %.17g", luck);
    line += number;
  }
  line += "\n";
  try {
    std::unique_ptr<IWritableFile> file = files_.OpenWrite(path_, IFileSystem::WriteMode::append);
    file->Append(std::span(reinterpret_cast<const uint8_t*>(line.data()), line.size()));
  } catch (const std::exception&) {
    // Not kept: the replay runs again next time.
  }
}
