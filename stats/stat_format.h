#pragma once

#include <cstdint>
#include <string>

// The number formats of the statistics tables.

std::string FormatCount(int64_t value);          // "%d"
std::string FormatAverage(double value);         // "%.2f" (averages and ratios)
std::string FormatRollPercent(double percent);   // "%.2f%%"
std::string FormatShare(double percent);         // "%.1f"

// A duration in whole seconds: "h:mm:ss" from an hour on, "m:ss" from a
// minute on, ":ss" below (3725 -> "1:02:05", 75 -> "1:15", 0 -> ":00").
// A negative span (a clock set back during a turn) shows as "-" and the
// duration of its size.
std::string FormatDuration(int64_t seconds);

// Quotient for an average or ratio; 0 when the divisor is 0.
double GuardedRatio(double numerator, double denominator);
