#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/board/board_geometry.h"
#include "engine/board/board_kind.h"
#include "engine/board/board_piece.h"
#include "engine/board/building_code.h"
#include "engine/board/location_ids.h"
#include "engine/board/random_source.h"
#include "engine/board/tile_type.h"

class CArchive;

// Where the harbours of the frame are, for the trade ratios.
struct HarbourIndex {
  std::vector<int> threeForOne;                               // frame order
  std::array<std::vector<int>, kResourceCount> twoForOne;     // by ResourceType
  bool operator==(const HarbourIndex&) const = default;
};

// What a tile-palette choice did.
enum class TileEntryResult {
  Ignored,        // the board was already complete
  Entered,        // stored; more positions to go
  BoardComplete,  // stored; that was the last position, chip selection follows
};

// What a click during chip selection did.
enum class ChipPickResult {
  Ignored,     // not a position this step accepts
  FirstChip,   // became the first chip position
  SecondChip,  // became the second chip position; the chips are laid
};

// The board of one game: a piece per position of the board kind plus the
// board-level values that set-up and the rules keep with it.
class CBoard {
 public:
  // --- construction -------------------------------------------------------
  CBoard();  // an empty standard board without pieces; call Reset
  CBoard(BoardKind kind, CBoardRandom& random);
  // Sets the kind's constants and replaces every piece by a fresh one (all
  // types, chips, roads and buildings gone); set-up starts again at position 0.
  void Reset(BoardKind kind, CBoardRandom& random);

  // --- constants and pieces -----------------------------------------------
  BoardKind Kind() const { return constants_->kind; }
  const BoardConstants& Constants() const { return *constants_; }
  int LandCount() const { return constants_->landCount; }
  int FrameCount() const { return constants_->frameCount; }
  int TileCount() const { return constants_->tileCount; }
  const std::array<int, 6>& FirstChipCandidates() const { return constants_->firstChipCandidates; }
  bool OnBoard(int position) const { return position >= 0 && position < PieceCount(); }
  bool IsLandPosition(int position) const { return position >= 0 && position < LandCount(); }
  int PieceCount() const { return static_cast<int>(pieces_.size()); }
  const CBoardPiece& Piece(int position) const { return pieces_.at(position); }
  // Changes with every write to a piece and is kept by a copy, so two boards
  // with the same revision hold the same pieces: what is worked out from the
  // pieces can be kept until the revision moves on.
  std::uint64_t Revision() const { return revision_; }
  std::span<const CBoardPiece> Pieces() const { return pieces_; }
  TileType Type(int position) const { return Piece(position).type; }

  // --- geometric queries --------------------------------------------------
  // Side k of P touches no land: P is a frame position and so is its
  // neighbour k (or P has none there). No road can lie on such a side.
  bool IsFrameSide(int position, int side) const;
  bool IsFrameSide(EdgeId edge) const { return IsFrameSide(IdPosition(edge), IdIndex(edge)); }
  // Each form of a site whose piece lies on this board.
  std::vector<PieceCorner> CornerFormsOnBoard(int position, int corner) const;
  std::vector<PieceSide> SideFormsOnBoard(int position, int side) const;

  // --- shared sites: every write reaches every copy of the corner or side ---
  BuildingCode Building(PieceCorner c) const { return Piece(c.position).building.at(c.corner); }
  BuildingCode Building(CornerId id) const { return Building(ToCorner(id)); }
  void SetBuilding(PieceCorner c, BuildingCode code);
  void SetBuilding(CornerId id, BuildingCode code) { SetBuilding(ToCorner(id), code); }
  void UpgradeBuilding(PieceCorner c);    // settlement -> city: +10 at every copy
  void UpgradeBuilding(CornerId id) { UpgradeBuilding(ToCorner(id)); }
  void DowngradeBuilding(PieceCorner c);  // city -> settlement: -10 at every copy
  void DowngradeBuilding(CornerId id) { DowngradeBuilding(ToCorner(id)); }
  void ClearBuilding(PieceCorner c) { SetBuilding(c, kNoBuilding); }
  void ClearBuilding(CornerId id) { ClearBuilding(ToCorner(id)); }

  std::int32_t RoadOwner(PieceSide s) const { return Piece(s.position).roadOwner.at(s.side); }
  std::int32_t RoadOwner(EdgeId id) const { return RoadOwner(ToSide(id)); }
  void SetRoad(PieceSide s, int player);
  void SetRoad(EdgeId id, int player) { SetRoad(ToSide(id), player); }
  void ClearRoad(PieceSide s) { SetRoad(s, -1); }
  void ClearRoad(EdgeId id) { ClearRoad(ToSide(id)); }

  std::int32_t EdgeMark(PieceSide s) const { return Piece(s.position).edgeMark.at(s.side); }
  std::int32_t EdgeMark(EdgeId id) const { return EdgeMark(ToSide(id)); }
  void SetEdgeMark(PieceSide s, std::int32_t mark);
  void SetEdgeMark(EdgeId id, std::int32_t mark) { SetEdgeMark(ToSide(id), mark); }
  void ClearEdgeMarks();

  // Every copy of every corner and side equal, and each piece at its own index.
  bool IsConsistent() const;

  // --- tile entry (board set-up by hand) -----------------------------------
  // The next position to receive a type; TileCount() or beyond when done.
  int EntryCursor() const { return entryCursor_; }
  bool EntryComplete() const { return entryCursor_ >= TileCount(); }
  // Stores `type` at the cursor and moves on. The choice at the first frame
  // position decides the harbour slots: a harbour there puts Ocean on the odd
  // frame offsets, Ocean there puts Ocean on the even ones. Completing the
  // board rebuilds the harbour index.
  TileEntryResult EnterTile(TileType type);
  // The position the last EnterTile stored, -1 if none.
  int LastEnteredPosition() const;
  // Takes the last entry back: clears its position (and the Ocean filled in
  // by the first frame choice) and moves the cursor back to it. Returns the
  // cleared position, -1 if nothing had been entered.
  int UndoTileEntry();

  // --- chip selection and laying ---------------------------------------------
  bool AwaitingFirstChip() const { return awaitingFirstChip_; }
  void SetAwaitingFirstChip(bool awaiting) { awaitingFirstChip_ = awaiting; }
  int FirstChipPosition() const { return firstChip_; }
  int SecondChipPosition() const { return secondChip_; }
  // The two outer-ring neighbours of the first chip: {previous, next}.
  std::array<int, 2> SecondChipCandidates() const;
  // A click during chip selection; the second chip lays all the chips.
  ChipPickResult PickChip(int position);
  // Lays the chip sequence ring by ring from the first chip towards the
  // centre, in the direction the second chip gives; Deserts get the robber.
  // Returns false (and changes nothing) without two usable chip positions.
  bool LayChips();

  // --- generation -------------------------------------------------------------
  // Random tiles, harbours, chip positions and chips; the board is complete.
  void Generate(CBoardRandom& random);

  // --- direct set-up (tests, tools, restoring a saved state) -----------------
  // Write one piece's tile or chip, outside the entry order and chip rules.
  void SetTileType(int position, TileType type) { MutablePiece(position).type = type; }
  void SetChip(int position, std::int32_t chip, std::int32_t chipOrder);

  // --- harbours ---------------------------------------------------------------
  void RebuildHarbourIndex();
  const HarbourIndex& Harbours() const { return harbourIndex_; }

  // --- board-level values of play -----------------------------------------------
  std::int32_t robberTile = -1;    // position of the robber, -1 before the chips
  std::int32_t robberPlacer = -1;  // player who moved it last, -1 none
  std::int32_t longestRoadLength = 0;          // 0 while nobody holds it
  std::vector<EdgeId> longestRoadPath;         // the sides of that road

 private:
  friend void SerializeBoardSection(CArchive& ar, CBoard& board);

  static PieceCorner ToCorner(CornerId id) { return {IdPosition(id), IdIndex(id)}; }
  static PieceSide ToSide(EdgeId id) { return {IdPosition(id), IdIndex(id)}; }
  CBoardPiece& MutablePiece(int position) {
    Revise();
    return pieces_.at(position);
  }
  // Takes a revision no board has had before.
  void Revise();
  // Calls fn for each form of a corner or side whose piece is on this board.
  template <typename Fn>
  void ForEachCornerForm(int position, int corner, Fn fn) const {
    if (!OnBoard(position)) return;
    for (const PieceCorner& form : CornerForms(position, corner)) {
      if (OnBoard(form.position)) fn(form);
    }
  }
  template <typename Fn>
  void ForEachSideForm(int position, int side, Fn fn) const {
    if (!OnBoard(position)) return;
    fn(PieceSide{position, Wrap6(side)});
    const PieceSide other = OtherSideForm(position, side);
    if (OnBoard(other.position)) fn(other);
  }
  void FillFrameOcean(int firstOffset);
  void LayRing(const ChipRing& ring, int start, int step, int& k);

  const BoardConstants* constants_;
  std::vector<CBoardPiece> pieces_;
  int entryCursor_ = 0;
  bool awaitingFirstChip_ = true;
  int firstChip_ = -1;
  int secondChip_ = -1;
  HarbourIndex harbourIndex_;
  std::uint64_t revision_ = 0;
};

// The positions that may take the second chip on a board of `kind`: the two
// neighbours of the first chip on the outer land ring, which closes on
// itself ({previous, next}); {-1, -1} when `firstChip` is not on that ring.
std::array<int, 2> SecondChipCandidates(BoardKind kind, int firstChip);

// An empty board of `kind` whose piece rotations come from fixed draws, so
// making it takes nothing from anyone's random source.
CBoard FixedBoard(BoardKind kind);
