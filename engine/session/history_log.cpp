#include "engine/session/history_log.h"

#include <utility>

#include "records/archive.h"

namespace {

// Smallest stored item: flag, picture and an empty string.
constexpr std::size_t kMinItemBytes = 4 + 4 + 1;

}  // namespace

int CHistoryLog::ParentOf(std::size_t index) const {
  if (index >= items_.size() || items_[index].isTopLevel) return -1;
  for (std::size_t i = index; i-- > 0;) {
    if (items_[i].isTopLevel) return static_cast<int>(i);
  }
  return -1;
}

int CHistoryLog::LastGroup() const {
  for (std::size_t i = items_.size(); i-- > 0;) {
    if (items_[i].isTopLevel) return static_cast<int>(i);
  }
  return -1;
}

std::size_t CHistoryLog::AddGroup(std::string text, int32_t picture) {
  items_.push_back(CHistoryItem{true, picture, std::move(text)});
  return items_.size() - 1;
}

std::size_t CHistoryLog::AddEntry(std::string text, int32_t picture) {
  items_.push_back(CHistoryItem{false, picture, std::move(text)});
  return items_.size() - 1;
}

void CHistoryLog::RemoveLast() {
  if (!items_.empty()) items_.pop_back();
}

void CHistoryLog::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(items_.size());
    for (const CHistoryItem& item : items_) {
      ar << static_cast<int32_t>(item.isTopLevel ? 1 : 0) << item.picture << item.text;
    }
    return;
  }
  std::size_t count = ar.ReadCount(kMinItemBytes);
  std::vector<CHistoryItem> loaded;
  for (std::size_t i = 0; i < count; ++i) {
    int32_t topLevel = 0;
    CHistoryItem item;
    ar >> topLevel >> item.picture >> item.text;
    item.isTopLevel = topLevel != 0;
    loaded.push_back(std::move(item));
  }
  items_ = std::move(loaded);
}
