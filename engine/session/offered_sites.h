#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/board/board.h"

// The sites offered for building, kept and worked out again only when the
// board's pieces have changed since: Refresh asks for them after every input,
// and most inputs build nothing.
class COfferedSites {
 public:
  struct Sites {
    std::vector<EdgeId> roads;
    std::vector<CornerId> settlements;
    std::vector<CitySiteCode> cities;
  };

  // The sites of `player` (0 .. kMaxPlayers-1) on `board` as it is now.
  const Sites& For(const CBoard& board, int player);
  // The settlement sites of initial placement on `board` as it is now.
  const std::vector<CornerId>& Initial(const CBoard& board);

 private:
  struct Entry {
    std::uint64_t revision = 0;  // no board has revision 0
    Sites sites;
  };
  std::array<Entry, kMaxPlayers> entries_;
  std::uint64_t initialRevision_ = 0;
  std::vector<CornerId> initial_;
};
