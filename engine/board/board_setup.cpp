// Board set-up by hand: tile entry in the fixed order, chip selection, and
// laying the chip sequence along the rings.
#include <algorithm>

#include "engine/board/board.h"

TileEntryResult CBoard::EnterTile(TileType type) {
  if (EntryComplete()) return TileEntryResult::Ignored;
  const int position = entryCursor_;
  MutablePiece(position).type = type;
  if (position < LandCount()) {
    entryCursor_ += 1;
  } else if (position == LandCount()) {
    // The first frame choice fixes which frame offsets hold harbours; the
    // Ocean pieces between the harbour slots are never entered by hand.
    if (type == TileType::Ocean) {
      FillFrameOcean(0);
      entryCursor_ += 1;
    } else {
      FillFrameOcean(1);
      entryCursor_ += 2;
    }
  } else {
    entryCursor_ += 2;
  }
  if (!EntryComplete()) return TileEntryResult::Entered;
  RebuildHarbourIndex();
  return TileEntryResult::BoardComplete;
}

void CBoard::FillFrameOcean(int firstOffset) {
  for (int position = LandCount() + firstOffset; position < TileCount(); position += 2) {
    MutablePiece(position).type = TileType::Ocean;
  }
}

int CBoard::LastEnteredPosition() const {
  if (entryCursor_ <= 0) return -1;
  if (entryCursor_ <= LandCount()) return entryCursor_ - 1;
  // In the frame the cursor moves from harbour slot to harbour slot; only
  // after Ocean at the first frame position did it move by one.
  return std::max(entryCursor_ - 2, LandCount());
}

int CBoard::UndoTileEntry() {
  const int last = LastEnteredPosition();
  if (last < 0) return -1;
  if (last == LandCount()) {
    // That choice also filled the frame's Ocean slots: the frame is open again.
    for (int position = LandCount(); position < TileCount(); ++position) {
      MutablePiece(position).type = TileType::Unset;
    }
  } else {
    MutablePiece(last).type = TileType::Unset;
  }
  entryCursor_ = last;
  return last;
}

std::array<int, 2> SecondChipCandidates(BoardKind kind, int firstChip) {
  const ChipRing& outer = ConstantsOf(kind).chipRings.front();
  if (!outer.Contains(firstChip)) return {-1, -1};
  const int previous = firstChip == outer.first ? outer.last : firstChip - 1;
  const int next = firstChip == outer.last ? outer.first : firstChip + 1;
  return {previous, next};
}

std::array<int, 2> CBoard::SecondChipCandidates() const {
  return ::SecondChipCandidates(Constants().kind, firstChip_);
}

ChipPickResult CBoard::PickChip(int position) {
  if (awaitingFirstChip_) {
    const auto& candidates = FirstChipCandidates();
    if (std::find(candidates.begin(), candidates.end(), position) == candidates.end()) {
      return ChipPickResult::Ignored;
    }
    firstChip_ = position;
    MutablePiece(position).chipOrder = 0;
    awaitingFirstChip_ = false;
    return ChipPickResult::FirstChip;
  }
  const std::array<int, 2> candidates = SecondChipCandidates();
  if (position != candidates[0] && position != candidates[1]) return ChipPickResult::Ignored;
  secondChip_ = position;
  awaitingFirstChip_ = true;  // a later pass through chip selection starts over
  LayChips();
  return ChipPickResult::SecondChip;
}

bool CBoard::LayChips() {
  const int f = firstChip_;
  const int g = secondChip_;
  if (!IsLandPosition(f) || !IsLandPosition(g) || PieceCount() != TileCount()) return false;
  const int step = f == g + 1 ? -1 : 1;
  int k = 0;
  int start = f;
  for (const ChipRing& ring : Constants().chipRings) {
    if (!ring.Contains(start)) start = ring.first;
    LayRing(ring, start, step, k);
    // The next ring starts at the smallest neighbour of this ring's start.
    int smallest = start;
    for (int neighbour : Piece(start).neighbor) {
      if (neighbour >= 0 && neighbour < smallest) smallest = neighbour;
    }
    start = smallest;
  }
  return true;
}

void CBoard::LayRing(const ChipRing& ring, int start, int step, int& k) {
  const std::span<const std::int32_t> sequence = Constants().chipSequence;
  const int size = ring.Size();
  for (int i = 0; i < size; ++i) {
    const int offset = ((start - ring.first + i * step) % size + size) % size;
    CBoardPiece& piece = MutablePiece(ring.first + offset);
    // Laying again after the tiles were changed overwrites what an earlier
    // pass left: a Desert keeps no chip and only Deserts keep the mark.
    if (piece.type == TileType::Desert) {
      robberTile = piece.position;
      piece.desertMark = 1;
      piece.chip = 0;
      continue;
    }
    piece.desertMark = 0;
    // A board entered with fewer Deserts than the kind holds has more land
    // than chips: the pieces past the end of the sequence stay without one.
    if (k >= static_cast<int>(sequence.size())) {
      piece.chip = 0;
      piece.chipOrder = 0;
      continue;
    }
    piece.chip = sequence[k];
    piece.chipOrder = k;
    ++k;
  }
}

void CBoard::SetChip(int position, std::int32_t chip, std::int32_t chipOrder) {
  CBoardPiece& piece = MutablePiece(position);
  piece.chip = chip;
  piece.chipOrder = chipOrder;
}

void CBoard::RebuildHarbourIndex() {
  harbourIndex_ = {};
  for (int position = LandCount(); position < PieceCount(); ++position) {
    const TileType type = pieces_[position].type;
    if (type == TileType::ThreeForOnePort) {
      harbourIndex_.threeForOne.push_back(position);
    } else if (IsHarbour(type)) {
      harbourIndex_.twoForOne[Index(type) - Index(TileType::TimberPort)].push_back(position);
    }
  }
}
