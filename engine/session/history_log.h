#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CArchive;

// One line of the game history: a group (a set-up phase or a turn) or an
// entry of the group before it, with its picture and text.
struct CHistoryItem {
  bool isTopLevel = false;
  int32_t picture = 0;  // index into the history pictures
  std::string text;     // Windows-1252

  bool operator==(const CHistoryItem&) const = default;
};

// The two-level game history in display order: every group is followed by
// its entries. New lines are only ever added at the end and removed from the
// end, so the order of the list is the order of the tree.
class CHistoryLog {
 public:
  // --- reading ------------------------------------------------------------
  const std::vector<CHistoryItem>& Items() const { return items_; }
  std::size_t ItemCount() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  // Index of the group an entry belongs to; -1 for a group itself and for an
  // entry that no group precedes (only a damaged file holds one).
  int ParentOf(std::size_t index) const;
  // Index of the last group, -1 when there is none.
  int LastGroup() const;

  // --- building -----------------------------------------------------------
  // Both return the index of the new line.
  std::size_t AddGroup(std::string text, int32_t picture);
  std::size_t AddEntry(std::string text, int32_t picture);  // under the last group
  void RemoveLast();
  void Clear() { items_.clear(); }

  // --- storing ------------------------------------------------------------
  // int32 item count, then per item: int32 1 (group) or 0 (entry), int32
  // picture, string text. Loading replaces the whole log.
  void Serialize(CArchive& ar);

  bool operator==(const CHistoryLog&) const = default;

 private:
  std::vector<CHistoryItem> items_;
};
