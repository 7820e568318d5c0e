#include "stats/stat_format.h"

#include "records/formatted.h"

std::string FormatCount(int64_t value) { return Formatted("%lld", static_cast<long long>(value)); }

std::string FormatAverage(double value) { return Formatted("%.2f", value); }

std::string FormatRollPercent(double percent) { return Formatted("%.2f%%", percent); }

std::string FormatShare(double percent) { return Formatted("%.1f", percent); }

std::string FormatDuration(int64_t seconds) {
  if (seconds < 0) return "-" + FormatDuration(-seconds);
  long long h = seconds / 3600;
  long long m = (seconds - 3600 * h) / 60;
  long long x = seconds - 3600 * h - 60 * m;
  std::string text;
  if (h > 0)
    text = Formatted("%lld:%.2lld", h, m);
  else if (m > 0)
    text = Formatted("%lld", m);
  return text + Formatted(":%.2lld", x);
}

double GuardedRatio(double numerator, double denominator) {
  return denominator == 0 ? 0.0 : numerator / denominator;
}
