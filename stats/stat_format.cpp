#include "stats/stat_format.h"

#include <cstdio>

namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char text[64];
  int n = std::snprintf(text, sizeof text, format, args...);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof text) return std::string(text, n);
  // Only huge doubles need more room.
  std::string wide(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(wide.data(), wide.size(), format, args...);
  wide.resize(n);
  return wide;
}

}  // namespace

std::string FormatCount(int64_t value) { return Printf("%lld", static_cast<long long>(value)); }

std::string FormatAverage(double value) { return Printf("%.2f", value); }

std::string FormatRollPercent(double percent) { return Printf("%.2f%%", percent); }

std::string FormatShare(double percent) { return Printf("%.1f", percent); }

std::string FormatDuration(int64_t seconds) {
  if (seconds < 0) return "-" + FormatDuration(-seconds);
  long long h = seconds / 3600;
  long long m = (seconds - 3600 * h) / 60;
  long long x = seconds - 3600 * h - 60 * m;
  std::string text;
  if (h > 0)
    text = Printf("%lld:%.2lld", h, m);
  else if (m > 0)
    text = Printf("%lld", m);
  return text + Printf(":%.2lld", x);
}

double GuardedRatio(double numerator, double denominator) {
  return denominator == 0 ? 0.0 : numerator / denominator;
}
