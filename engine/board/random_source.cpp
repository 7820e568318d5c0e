#include "engine/board/random_source.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <utility>

int CLibraryRandom::Rand() {
  // RAND_MAX is 2147483647 with glibc: keep the 15-bit range the draws assume.
  return std::rand() % (kMax + 1);
}

void CLibraryRandom::Seed(unsigned seed) { std::srand(seed); }

CFixedRandom::CFixedRandom(std::vector<int> draws) : draws_(std::move(draws)) {
  if (draws_.empty()) draws_.push_back(0);
}

int CFixedRandom::Rand() {
  const int r = draws_[next_];
  next_ = (next_ + 1) % draws_.size();
  ++drawn_;
  return std::clamp(r, 0, kMax);
}

void CFixedRandom::Seed(unsigned seed) { seeds_.push_back(seed); }

std::int64_t SystemClockSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

CBoardRandom::CBoardRandom(CRandomSource& source, ClockSeconds clock)
    : source_(source), clock_(std::move(clock)) {}

double CBoardRandom::Unit() { return source_.Rand() / static_cast<double>(CRandomSource::kMax); }

int CBoardRandom::IndexBelow(int n) {
  const int index = static_cast<int>(Unit() * n);
  return std::clamp(index, 0, n - 1);
}

void CBoardRandom::Reseed() {
  const double seed = static_cast<double>(clock_()) * Unit();
  source_.Seed(static_cast<unsigned>(static_cast<std::int64_t>(seed)));
}

CBoardRandom& CBoardRandom::Default() {
  static CLibraryRandom source;
  static CBoardRandom random(source, SystemClockSeconds);
  return random;
}
