#pragma once

#include <cstdint>
#include <optional>

#include "records/date_time.h"

// The local clock of the program. Everything that asks for the time goes
// through here, so tests can fix it and move it forward.
class CClock {
 public:
  // --- reading the clock --------------------------------------------------
  static CDateTime Now();       // a valid local date-time
  static double NowOleDays();   // days since 30 Dec 1899 00:00, local time
  static int32_t NowSeconds();  // seconds since 1970 (time_t), as stored in ids

  // --- test hooks ---------------------------------------------------------
  static void SetFixed(double secondsSince1970);  // freeze the clock here
  static void Advance(double seconds);            // move a frozen clock on
  static void UseSystem();                        // back to the real clock
  // The frozen time, none while the real clock runs (to put it back later).
  static std::optional<double> FixedSeconds();
};

// --- conversions ------------------------------------------------------------
// Local date-time of a time_t (fractions of a second allowed) as OLE days.
double OleDaysFromTime(double secondsSince1970);
// The time_t of a local OLE date-time, to the nearest second.
int64_t TimeFromOleDays(double days);
// A day span in whole seconds: days x 86400 + 5.787037037037037e-6,
// truncated toward zero (how turn lengths are taken).
int32_t SpanSeconds(double days);
