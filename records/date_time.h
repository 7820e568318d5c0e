#pragma once

#include <cstdint>

// Validity of a stored date-time or time span; the number is what is stored.
enum DateTimeStatus : int32_t {
  DateTimeValid = 0,
  DateTimeInvalid = 1,
  DateTimeNull = 2,
};

// A local date and time as a day count since 30 December 1899 00:00, the
// fraction giving the time of day (1.5 is 31 December 1899, noon).
struct CDateTime {
  int32_t status = DateTimeValid;
  double days = 0.0;

  bool operator==(const CDateTime&) const = default;
};

// A length of time in days, fraction included.
struct CDateTimeSpan {
  int32_t status = DateTimeValid;
  double days = 0.0;

  bool operator==(const CDateTimeSpan&) const = default;
};
