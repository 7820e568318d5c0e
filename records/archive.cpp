#include "records/archive.h"

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>

#include "records/file_system.h"
#include "records/text_encoding.h"

static_assert(std::endian::native == std::endian::little,
              "stored files are little-endian and blocks are copied verbatim");

namespace {

const char* CauseText(CArchiveException::Cause cause) {
  switch (cause) {
    case CArchiveException::none: return "no archive error";
    case CArchiveException::genericException: return "the file could not be read or written";
    case CArchiveException::readOnly: return "storing into an archive opened for loading";
    case CArchiveException::endOfFile: return "unexpected end of file";
    case CArchiveException::writeOnly: return "loading from an archive opened for storing";
    case CArchiveException::badIndex: return "the file holds an impossible element count";
  }
  return "archive error";
}

// Bytes between the file position and the end of a regular file.
std::optional<uint64_t> FileBytesLeft(std::FILE* file) {
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  long pos = std::ftell(file);
  if (pos < 0) return std::nullopt;
  uint64_t size = static_cast<uint64_t>(info.st_size);
  return size > static_cast<uint64_t>(pos) ? size - static_cast<uint64_t>(pos) : 0;
}

template <class T>
T Decode(const uint8_t* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// The two length words that are not lengths in a string prefix.
constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint16_t kLongLength = 0xFFFF;

}  // namespace

CArchiveException::CArchiveException(Cause c) : std::runtime_error(CauseText(c)), cause(c) {}

CArchive::CArchive(std::FILE* file, Mode mode, std::size_t bufferSize)
    : mode_(mode), file_(file), buffer_(std::max<std::size_t>(bufferSize, 16)),
      exceptionsAtStart_(std::uncaught_exceptions()) {
  if (file_ == nullptr) throw CArchiveException(CArchiveException::genericException);
  if (mode_ == load) {
    cur_ = end_ = buffer_.data();
    fileLeft_ = FileBytesLeft(file_);
  }
}

CArchive::CArchive(IReadableFile& file, uint64_t offset, std::size_t bufferSize)
    : mode_(load), source_(&file), sourceEnd_(offset), buffer_(std::max<std::size_t>(bufferSize, 16)),
      exceptionsAtStart_(std::uncaught_exceptions()) {
  cur_ = end_ = buffer_.data();
  uint64_t size = file.Size();
  fileLeft_ = size > offset ? size - offset : 0;
}

CArchive::CArchive(std::span<const uint8_t> bytes)
    : mode_(load), cur_(bytes.data()), end_(bytes.data() + bytes.size()), fileLeft_(0),
      exceptionsAtStart_(std::uncaught_exceptions()) {}

CArchive::CArchive(std::vector<uint8_t>& sink, std::size_t bufferSize)
    : mode_(store), sink_(&sink), buffer_(std::max<std::size_t>(bufferSize, 16)),
      exceptionsAtStart_(std::uncaught_exceptions()) {}

CArchive::~CArchive() {
  if (mode_ == store && std::uncaught_exceptions() > exceptionsAtStart_) return;
  try {
    Flush();
  } catch (const CArchiveException&) {
    // A destructor cannot report; owners that care call Flush themselves.
  }
}

void CArchive::RequireLoading() const {
  if (mode_ != load) throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const {
  if (mode_ != store) throw CArchiveException(CArchiveException::readOnly);
}

// ---------------------------------------------------------------- storing

void CArchive::Drain() {
  if (used_ == 0) return;
  if (sink_ != nullptr) {
    sink_->insert(sink_->end(), buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(used_));
  } else if (std::fwrite(buffer_.data(), 1, used_, file_) != used_) {
    used_ = 0;
    throw CArchiveException(CArchiveException::genericException);
  }
  used_ = 0;
}

void CArchive::Put(const void* data, std::size_t n) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  while (n > 0) {
    if (used_ == buffer_.size()) Drain();
    std::size_t chunk = std::min(n, buffer_.size() - used_);
    std::memcpy(buffer_.data() + used_, bytes, chunk);
    used_ += chunk;
    bytes += chunk;
    n -= chunk;
  }
}

void CArchive::Flush() {
  if (mode_ == store) {
    Drain();
    if (file_ != nullptr && std::fflush(file_) != 0) {
      throw CArchiveException(CArchiveException::genericException);
    }
    return;
  }
  // Give back what was buffered but not consumed, so the file position is
  // where the next reader of the same file expects it.
  if (file_ != nullptr && end_ != cur_) {
    long unread = static_cast<long>(end_ - cur_);
    if (std::fseek(file_, -unread, SEEK_CUR) == 0) {
      if (fileLeft_) *fileLeft_ += static_cast<uint64_t>(unread);
      cur_ = end_ = buffer_.data();
    }
  }
}

void CArchive::Write(const void* data, std::size_t n) {
  RequireStoring();
  Put(data, n);
}

// ---------------------------------------------------------------- loading

std::size_t CArchive::Fill(std::size_t wanted) {
  std::size_t have = static_cast<std::size_t>(end_ - cur_);
  if (have >= wanted || (file_ == nullptr && source_ == nullptr)) return have;
  // Move the unread tail to the front and top the buffer up from the file.
  std::memmove(buffer_.data(), cur_, have);
  cur_ = buffer_.data();
  end_ = cur_ + have;
  while (static_cast<std::size_t>(end_ - cur_) < wanted) {
    std::size_t room = buffer_.size() - static_cast<std::size_t>(end_ - cur_);
    std::size_t got = ReadMore(buffer_.data() + (end_ - cur_), room);
    if (got == 0) break;
    end_ += got;
    if (fileLeft_) *fileLeft_ -= std::min<uint64_t>(*fileLeft_, got);
  }
  return static_cast<std::size_t>(end_ - cur_);
}

std::size_t CArchive::ReadMore(uint8_t* into, std::size_t room) {
  if (file_ != nullptr) return std::fread(into, 1, room, file_);
  std::size_t got = source_->ReadAt(sourceEnd_, into, room);
  sourceEnd_ += got;
  return got;
}

uint64_t CArchive::Position() const { return sourceEnd_ - static_cast<uint64_t>(end_ - cur_); }

std::size_t CArchive::Read(void* data, std::size_t n) {
  RequireLoading();
  auto* out = static_cast<uint8_t*>(data);
  std::size_t done = 0;
  while (done < n) {
    std::size_t have = Fill(std::min(n - done, buffer_.empty() ? n - done : buffer_.size()));
    if (have == 0) break;
    std::size_t chunk = std::min(have, n - done);
    std::memcpy(out + done, cur_, chunk);
    cur_ += chunk;
    done += chunk;
  }
  return done;
}

void CArchive::Take(void* data, std::size_t n) {
  if (Read(data, n) != n) throw CArchiveException(CArchiveException::endOfFile);
}

std::optional<uint64_t> CArchive::BytesLeft() const {
  if (mode_ != load || !fileLeft_) return std::nullopt;
  return static_cast<uint64_t>(end_ - cur_) + *fileLeft_;
}

// ---------------------------------------------------------------- blocks

void CArchive::WriteBlock(std::span<const int32_t> values) { Write(values.data(), values.size_bytes()); }
void CArchive::WriteBlock(std::span<const double> values) { Write(values.data(), values.size_bytes()); }
std::size_t CArchive::ReadBlock(std::span<int32_t> values) { return Read(values.data(), values.size_bytes()); }
std::size_t CArchive::ReadBlock(std::span<double> values) { return Read(values.data(), values.size_bytes()); }

// ---------------------------------------------------------------- scalars

#define H3D_ARCHIVE_SCALAR(T)                         \
  CArchive& CArchive::operator<<(T v) {               \
    RequireStoring();                                 \
    Put(&v, sizeof v);                                \
    return *this;                                     \
  }                                                   \
  CArchive& CArchive::operator>>(T& v) {              \
    RequireLoading();                                 \
    uint8_t bytes[sizeof(T)];                         \
    Take(bytes, sizeof bytes);                        \
    v = Decode<T>(bytes);                             \
    return *this;                                     \
  }

H3D_ARCHIVE_SCALAR(uint8_t)
H3D_ARCHIVE_SCALAR(int8_t)
H3D_ARCHIVE_SCALAR(uint16_t)
H3D_ARCHIVE_SCALAR(int16_t)
H3D_ARCHIVE_SCALAR(uint32_t)
H3D_ARCHIVE_SCALAR(int32_t)
H3D_ARCHIVE_SCALAR(float)
H3D_ARCHIVE_SCALAR(double)

#undef H3D_ARCHIVE_SCALAR

// ---------------------------------------------------------------- date-times

CArchive& CArchive::operator<<(const CDateTime& t) { return *this << t.status << t.days; }
CArchive& CArchive::operator>>(CDateTime& t) { return *this >> t.status >> t.days; }
CArchive& CArchive::operator<<(const CDateTimeSpan& t) { return *this << t.status << t.days; }
CArchive& CArchive::operator>>(CDateTimeSpan& t) { return *this >> t.status >> t.days; }

// ---------------------------------------------------------------- strings

void CArchive::WriteString(std::string_view text) {
  RequireStoring();
  std::size_t length = text.size();
  if (length < 0xFF) {
    *this << static_cast<uint8_t>(length);
  } else {
    *this << static_cast<uint8_t>(0xFF);
    if (length < kWideMarker) {
      *this << static_cast<uint16_t>(length);
    } else {
      *this << kLongLength << static_cast<uint32_t>(length);
    }
  }
  Put(text.data(), length);
}

std::size_t CArchive::ReadStringLength(bool& wide) {
  for (;;) {
    uint8_t shortLength = 0;
    *this >> shortLength;
    if (shortLength < 0xFF) return shortLength;
    uint16_t word = 0;
    *this >> word;
    if (word == kWideMarker) {  // UTF-16 text; the real prefix follows
      wide = true;
      continue;
    }
    if (word != kLongLength) return word;
    uint32_t longLength = 0;
    *this >> longLength;
    return longLength;
  }
}

// Reads exactly n bytes, never reserving more than the data can still hold.
std::string CArchive::ReadBytes(std::size_t n) {
  std::optional<uint64_t> left = BytesLeft();
  if (left && n > *left) throw CArchiveException(CArchiveException::endOfFile);
  std::string bytes;
  constexpr std::size_t kChunk = 1 << 16;  // growth step when the size is unknown
  while (bytes.size() < n) {
    std::size_t step = left ? n - bytes.size() : std::min(kChunk, n - bytes.size());
    std::size_t at = bytes.size();
    bytes.resize(at + step);
    Take(bytes.data() + at, step);
  }
  return bytes;
}

std::string CArchive::ReadString() {
  RequireLoading();
  bool wide = false;
  std::size_t length = ReadStringLength(wide);
  if (!wide) return ReadBytes(length);
  if (length > SIZE_MAX / 2) throw CArchiveException(CArchiveException::endOfFile);
  std::string raw = ReadBytes(length * 2);
  std::u16string units(length, u'\0');
  for (std::size_t i = 0; i < length; ++i) {
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) |
                                     (static_cast<uint8_t>(raw[2 * i + 1]) << 8));
  }
  return Utf16ToCp1252(units);
}

// ---------------------------------------------------------------- counts

std::size_t CArchive::ReadCount(std::size_t minBytesPerElement) {
  RequireLoading();
  int32_t count = 0;
  *this >> count;
  if (count < 0) throw CArchiveException(CArchiveException::badIndex);
  std::optional<uint64_t> left = BytesLeft();
  if (left && static_cast<uint64_t>(count) * minBytesPerElement > *left) {
    throw CArchiveException(CArchiveException::endOfFile);
  }
  return static_cast<std::size_t>(count);
}

void CArchive::WriteInt32List(const std::vector<int32_t>& values) {
  *this << static_cast<int32_t>(values.size());
  WriteBlock(std::span<const int32_t>(values));
}

void CArchive::ReadInt32List(std::vector<int32_t>& values) {
  std::size_t count = ReadCount(sizeof(int32_t));
  std::vector<int32_t> loaded;
  if (BytesLeft()) {
    loaded.resize(count);
    Take(loaded.data(), count * sizeof(int32_t));
  } else {
    // Unknown size: grow only as the values actually arrive.
    for (std::size_t i = 0; i < count; ++i) {
      int32_t v = 0;
      *this >> v;
      loaded.push_back(v);
    }
  }
  values = std::move(loaded);
}
