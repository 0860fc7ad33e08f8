#include "widok/UkladWtryskiwaczy.h"

namespace wtrysk {

TUkladWtryskiwaczy UkladWtryskiwaczy(int pozycja) {
  TUkladWtryskiwaczy u;
  for (int k = 0; k < 3; ++k) u.Ramki[static_cast<std::size_t>(k)] = true;
  for (int k = 3; k < 8; ++k) {
    const bool wlaczona = pozycja >= k - 2;
    u.Ramki[static_cast<std::size_t>(k)] = wlaczona;
    u.Korekcje[static_cast<std::size_t>(k)] = wlaczona;
  }
  return u;
}

}  // namespace wtrysk
