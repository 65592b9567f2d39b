// Rounding of the operations that use real arithmetic: to the nearest
// integer, a tie going to the even neighbour (127.5 -> 128, 126.5 -> 126).
#pragma once

#include <cfloat>

namespace wakespan {

// Adding and subtracting 1.5 * 2^52 leaves no fraction bits, so the hardware's
// default round-to-nearest-even does the rounding. Exact for |v| < 2^51, and
// cheap enough to fill lookup tables. It needs double arithmetic without
// extended precision (on i686 the build selects SSE2 for this).
static_assert(FLT_EVAL_METHOD == 0, "double expressions must be evaluated in double precision");

inline double RoundHalfEven(double v) {
  constexpr double kShifter = 6755399441055744.0;  // 1.5 * 2^52
  return (v + kShifter) - kShifter;
}

// Rounded and limited to a byte.
inline int RoundToByte(double v) {
  if (!(v > 0)) return 0;  // also NaN
  if (v >= 255) return 255;
  return static_cast<int>(RoundHalfEven(v));
}

}  // namespace wakespan
