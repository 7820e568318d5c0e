#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Where board set-up gets its random numbers. The program uses the C
// library generator; tests put a fixed sequence in its place.
class CRandomSource {
 public:
  static constexpr int kMax = 32767;  // Rand() returns 0..kMax

  virtual ~CRandomSource() = default;
  virtual int Rand() = 0;
  virtual void Seed(unsigned seed) = 0;
};

// rand() / srand() of the C library.
class CLibraryRandom final : public CRandomSource {
 public:
  int Rand() override;
  void Seed(unsigned seed) override;
};

// Returns the given draws in order, starting over after the last one, and
// remembers every seed it was given. Draws outside 0..kMax are clamped.
class CFixedRandom final : public CRandomSource {
 public:
  explicit CFixedRandom(std::vector<int> draws);
  int Rand() override;
  void Seed(unsigned seed) override;

  const std::vector<unsigned>& Seeds() const { return seeds_; }
  std::size_t DrawCount() const { return drawn_; }

 private:
  std::vector<int> draws_;
  std::size_t next_ = 0;
  std::size_t drawn_ = 0;
  std::vector<unsigned> seeds_;
};

// Seconds since 1970, as the clock reports them.
using ClockSeconds = std::function<std::int64_t()>;
std::int64_t SystemClockSeconds();

// The draws board set-up makes: u = r / 32767 from one Rand(), an index
// below n, and reseeding from the clock.
class CBoardRandom {
 public:
  CBoardRandom(CRandomSource& source, ClockSeconds clock);

  // r / 32767.0 for one draw r: 0.0 .. 1.0 inclusive.
  double Unit();
  // The integer part of Unit() * n, kept below n: the draw 32767 would give
  // n itself, so it is taken as n - 1. n must be at least 1.
  int IndexBelow(int n);
  // Seeds the source with the integer part of (clock seconds) * Unit().
  void Reseed();

  // The program's own: the C library generator and the system clock.
  static CBoardRandom& Default();

 private:
  CRandomSource& source_;
  ClockSeconds clock_;
};
