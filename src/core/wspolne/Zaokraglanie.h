#pragma once

#include <cmath>
#include <cstdint>

namespace wtrysk {

// Rounds to the nearest integer, halves to the even neighbour (127.5 -> 128, 32.5 -> 32,
// -12.5 -> -12). Every division of a physical value in the program rounds this way.
inline int64_t Zaokraglij(double x) {
  return static_cast<int64_t>(std::nearbyint(x));
}

}  // namespace wtrysk
