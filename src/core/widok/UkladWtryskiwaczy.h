#pragma once

#include <array>

namespace wtrysk {

// Which of the eight gas-injector frames of the live view are enabled for a cylinder count,
// and with them the correction edits of injectors 4 to 8 in the gas-injector window (those of
// injectors 1 to 3 are always enabled and not touched here).
struct TUkladWtryskiwaczy {
  std::array<bool, 8> Ramki{};
  std::array<bool, 8> Korekcje{};  // only indices 3..7 are meaningful
  friend bool operator==(const TUkladWtryskiwaczy&, const TUkladWtryskiwaczy&) = default;
};

// `pozycja` is the item of the cylinder-count list: 0 = 3 cylinders ... 5 = 8 cylinders.
// Frames 1 to 3 are always enabled; frame k (4..8) and its correction edit when the item is
// at least k - 3. The motor-bike items (6, 7) and the empty ninth item count as "at least 5";
// no item (-1) leaves frames 1 to 3 only.
TUkladWtryskiwaczy UkladWtryskiwaczy(int pozycja);

}  // namespace wtrysk
