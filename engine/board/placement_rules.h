#pragma once

#include <array>
#include <vector>

#include "engine/board/board.h"

// Where a player may build: the distance rule, road connection and the sites
// offered in initial placement and in normal play. Every function only reads
// the board.

// The form of a corner or side that names it uniquely: the smallest id among
// its forms on this board. Two ids name the same site exactly when their
// canonical forms are equal.
CornerId CanonicalCorner(const CBoard& board, CornerId corner);
EdgeId CanonicalEdge(const CBoard& board, EdgeId edge);

// Corner k of P and its three neighbouring corners are all empty.
bool PassesDistanceRule(const CBoard& board, CornerId corner);
// One of the three sides meeting at the corner holds a road of `player`.
bool CornerTouchesRoad(const CBoard& board, CornerId corner, int player);
// A side that can never hold a road: between two frame pieces or off the board.
bool IsSeaSide(const CBoard& board, EdgeId edge);

// Initial placement: every land corner that passes the distance rule.
std::vector<CornerId> OfferedInitialSettlements(const CBoard& board);
// The sides meeting at a new settlement's corner, both forms of each; the
// side between the two other pieces is left out when it lies in the sea.
// Unused slots are -1.
std::array<EdgeId, 6> InitialRoadCandidates(const CBoard& board, CornerId settlement);

// Normal play.
std::vector<EdgeId> OfferedRoads(const CBoard& board, int player);
std::vector<CornerId> OfferedSettlements(const CBoard& board, int player);
std::vector<CitySiteCode> OfferedCities(const CBoard& board, int player);

// Whether `id` names the same site as one of `offered` (any form).
bool OffersCorner(const CBoard& board, const std::vector<CornerId>& offered, CornerId id);
bool OffersEdge(const CBoard& board, const std::vector<EdgeId>& offered, EdgeId id);
