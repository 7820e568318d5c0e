#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "records/date_time.h"

class IReadableFile;

// Raised when an archive cannot go on; `cause` says why.
class CArchiveException : public std::runtime_error {
 public:
  enum Cause : int {
    none = 0,
    genericException = 1,  // the file refused a read or a write
    readOnly = 2,          // storing into a loading archive
    endOfFile = 3,         // the data ended before the value did
    writeOnly = 4,         // loading from a storing archive
    badIndex = 5,          // a stored count that no list can have (negative)
  };

  explicit CArchiveException(Cause cause);

  Cause cause;
};

// The byte stream every stored file of the program is written and read
// through: little-endian scalars, length-prefixed 8-bit strings, date-times,
// raw blocks and element counts, with no tags or padding of its own.
//
// The archive works over an open FILE (not owned; the owner opens, positions
// and closes it), over a stored file of the file layer (loading from a given
// offset on), or over memory: a byte span to load from, or a byte vector
// that a storing archive appends to. All backings behave the same way.
// The archive must be destroyed before its file is closed.
class CArchive {
 public:
  enum Mode { store, load };
  static constexpr std::size_t kBufferSize = 4096;

  // --- construction -------------------------------------------------------
  CArchive(std::FILE* file, Mode mode, std::size_t bufferSize = kBufferSize);
  CArchive(IReadableFile& file, uint64_t offset, std::size_t bufferSize = kBufferSize);  // load
  explicit CArchive(std::span<const uint8_t> bytes);  // load from memory
  explicit CArchive(std::vector<uint8_t>& sink, std::size_t bufferSize = kBufferSize);  // store, appending
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;
  // A storing archive left normally writes its buffered tail; one left by an
  // exception drops it, so a half-written record never reaches the file.
  // A loading archive over a file puts the file position back to the end of
  // what was actually consumed.
  ~CArchive();

  // --- direction ----------------------------------------------------------
  bool IsLoading() const { return mode_ == load; }
  bool IsStoring() const { return mode_ == store; }

  // Storing: hands the buffered bytes to the file (or vector) and flushes the
  // file. Loading from a file: seeks the file back to the logical position.
  void Flush();

  // --- raw blocks ---------------------------------------------------------
  void Write(const void* data, std::size_t n);
  // Returns the number of bytes read; at the end of the data it returns fewer
  // and raises nothing, leaving the rest of `data` untouched.
  std::size_t Read(void* data, std::size_t n);

  // A fixed-size field of int32 or float64 values stored verbatim.
  void WriteBlock(std::span<const int32_t> values);
  void WriteBlock(std::span<const double> values);
  std::size_t ReadBlock(std::span<int32_t> values);
  std::size_t ReadBlock(std::span<double> values);

  // --- scalars ------------------------------------------------------------
  CArchive& operator<<(uint8_t v);
  CArchive& operator<<(int8_t v);
  CArchive& operator<<(uint16_t v);
  CArchive& operator<<(int16_t v);
  CArchive& operator<<(uint32_t v);
  CArchive& operator<<(int32_t v);
  CArchive& operator<<(float v);
  CArchive& operator<<(double v);
  CArchive& operator<<(char) = delete;  // say int8_t or uint8_t
  CArchive& operator<<(bool) = delete;  // booleans are stored as int32

  CArchive& operator>>(uint8_t& v);
  CArchive& operator>>(int8_t& v);
  CArchive& operator>>(uint16_t& v);
  CArchive& operator>>(int16_t& v);
  CArchive& operator>>(uint32_t& v);
  CArchive& operator>>(int32_t& v);
  CArchive& operator>>(float& v);
  CArchive& operator>>(double& v);

  // --- strings (8-bit Windows-1252 bytes) ---------------------------------
  // Written with a 1-, 3- or 7-byte length prefix; read back from any of
  // those forms, or from the UTF-16 form (converted to Windows-1252).
  void WriteString(std::string_view text);
  std::string ReadString();
  CArchive& operator<<(std::string_view text) { WriteString(text); return *this; }
  CArchive& operator>>(std::string& text) { text = ReadString(); return *this; }

  // --- date-times and time spans: int32 status, then float64 days ---------
  CArchive& operator<<(const CDateTime& t);
  CArchive& operator>>(CDateTime& t);
  CArchive& operator<<(const CDateTimeSpan& t);
  CArchive& operator>>(CDateTimeSpan& t);

  // --- element counts -----------------------------------------------------
  // Reads an int32 element count. Raises badIndex for a negative count and
  // endOfFile when `count` elements of at least `minBytesPerElement` bytes
  // each cannot fit in what is left of the data, so nothing is allocated for
  // a count the data cannot hold.
  std::size_t ReadCount(std::size_t minBytesPerElement);
  // An int32 count followed by that many int32 values.
  void WriteInt32List(const std::vector<int32_t>& values);
  void ReadInt32List(std::vector<int32_t>& values);

  // Bytes left to load (buffered and still in the file); empty when the file
  // size cannot be known (a pipe). Storing archives report nothing.
  std::optional<uint64_t> BytesLeft() const;
  // Loading from a stored file of the file layer: the offset of the next
  // byte to be consumed.
  uint64_t Position() const;

 private:
  void Put(const void* data, std::size_t n);
  void Take(void* data, std::size_t n);  // all n bytes or endOfFile
  std::size_t Fill(std::size_t wanted);  // buffered bytes, after a refill if needed
  std::size_t ReadMore(uint8_t* into, std::size_t room);  // from the file or source
  void Drain();
  void RequireLoading() const;
  void RequireStoring() const;
  std::size_t ReadStringLength(bool& wide);
  std::string ReadBytes(std::size_t n);

  Mode mode_;
  std::FILE* file_ = nullptr;
  IReadableFile* source_ = nullptr;
  uint64_t sourceEnd_ = 0;  // loading from source_: file offset of end_
  std::vector<uint8_t>* sink_ = nullptr;
  std::vector<uint8_t> buffer_;
  const uint8_t* cur_ = nullptr;  // loading: next unread byte
  const uint8_t* end_ = nullptr;  // loading: end of the bytes at hand
  std::size_t used_ = 0;          // storing: bytes waiting in buffer_
  std::optional<uint64_t> fileLeft_;  // loading from a file: bytes not yet buffered
  int exceptionsAtStart_ = 0;
};
