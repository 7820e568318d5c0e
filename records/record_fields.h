#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "records/archive.h"

// Helpers for Serialize functions that read or write a field in one call,
// following the archive's direction, so each record lists its fields once.

inline void SerializeField(CArchive& ar, int32_t& value) {
  if (ar.IsStoring()) ar << value; else ar >> value;
}

inline void SerializeField(CArchive& ar, std::string& text) {
  if (ar.IsStoring()) ar << text; else ar >> text;
}

inline void SerializeField(CArchive& ar, CDateTime& time) {
  if (ar.IsStoring()) ar << time; else ar >> time;
}

// A fixed-size raw block: stored without a count; a short read leaves the
// rest as it was.
inline void SerializeField(CArchive& ar, std::span<int32_t> block) {
  if (ar.IsStoring()) ar.WriteBlock(std::span<const int32_t>(block)); else ar.ReadBlock(block);
}

template <std::size_t N>
void SerializeField(CArchive& ar, std::array<int32_t, N>& block) {
  SerializeField(ar, std::span<int32_t>(block));
}

// A matrix is one raw block stored row by row.
template <std::size_t Rows, std::size_t Cols>
void SerializeField(CArchive& ar, std::array<std::array<int32_t, Cols>, Rows>& matrix) {
  for (auto& row : matrix) SerializeField(ar, row);
}

// A variable-length list: int32 count, then the values.
inline void SerializeField(CArchive& ar, std::vector<int32_t>& list) {
  if (ar.IsStoring()) ar.WriteInt32List(list); else ar.ReadInt32List(list);
}
