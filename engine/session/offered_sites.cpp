#include "engine/session/offered_sites.h"

#include "engine/board/placement_rules.h"

const COfferedSites::Sites& COfferedSites::For(const CBoard& board, int player) {
  Entry& entry = entries_.at(player);
  if (entry.revision != board.Revision()) {
    entry.sites.roads = OfferedRoads(board, player);
    entry.sites.settlements = OfferedSettlements(board, player);
    entry.sites.cities = OfferedCities(board, player);
    entry.revision = board.Revision();
  }
  return entry.sites;
}

const std::vector<CornerId>& COfferedSites::Initial(const CBoard& board) {
  if (initialRevision_ != board.Revision()) {
    initial_ = OfferedInitialSettlements(board);
    initialRevision_ = board.Revision();
  }
  return initial_;
}
