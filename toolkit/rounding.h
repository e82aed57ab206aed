// The one way a floating-point value becomes a whole number of pixels.
#pragma once

#include <climits>
#include <cmath>

namespace toolkit {

// ---- Rounding ----

// Rounded: v to the nearest integer, a tie going to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2, -2.5 -> -2), independent of the floating-point rounding mode. Values beyond the
// int range saturate and NaN gives 0, so a degenerate ratio (a division by zero upstream)
// never turns into undefined behaviour.
inline int Rounded(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  double below = std::floor(v);
  double fraction = v - below;
  int whole = static_cast<int>(below);
  if (fraction > 0.5) return whole + 1;
  if (fraction < 0.5) return whole;
  return (whole % 2 == 0) ? whole : whole + 1;
}

}  // namespace toolkit
