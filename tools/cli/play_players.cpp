#include "play_players.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "records/archive.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

void PlayerFile::Load() {
  players_.clear();
  File file(std::fopen(path_.c_str(), "rb"));
  if (!file) return;
  CArchive ar(file.get(), CArchive::load);
  std::size_t count = ar.ReadCount(CPlayer::kMinStoredSize);
  players_.resize(count);
  for (CPlayer& player : players_) player.Serialize(ar);
}

void PlayerFile::Save() const {
  std::string temp = path_ + ".tmp";
  {
    File file(std::fopen(temp.c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot write " + temp);
    CArchive ar(file.get(), CArchive::store);
    ar << static_cast<int32_t>(players_.size());
    for (const CPlayer& player : players_) {
      CPlayer copy = player;  // Serialize is shared by loading and storing
      copy.Serialize(ar);
    }
    ar.Flush();
    if (std::ferror(file.get())) throw std::runtime_error("cannot write " + temp);
  }
  std::filesystem::rename(temp, path_);
}

CPlayer PlayerFile::FindOrAdd(const std::string& firstName, const std::string& lastName) {
  for (const CPlayer& player : players_)
    if (player.firstName == firstName && player.lastName == lastName) return player;
  players_.push_back(CPlayer::Create(firstName, lastName));
  Save();
  return players_.back();
}
