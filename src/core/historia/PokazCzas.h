#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wtrysk {

struct TGodzinyMinutySekundy {
  uint32_t Godziny = 0;
  uint32_t Minuty = 0;
  uint32_t Sekundy = 0;
  friend bool operator==(const TGodzinyMinutySekundy&, const TGodzinyMinutySekundy&) = default;
};

// A working time counted in half-seconds, split into whole hours, minutes and seconds (an odd
// half-second is dropped). None for 0, which the time displays show as blank.
std::optional<TGodzinyMinutySekundy> RozlozCzas(uint32_t polsekundy);

// The three labels of a time display (they stand before "H", "M" and "S"): plain decimal
// numbers, or three empty texts for 0.
struct TTekstyCzasu {
  std::string Godziny;
  std::string Minuty;
  std::string Sekundy;
  friend bool operator==(const TTekstyCzasu&, const TTekstyCzasu&) = default;
};
TTekstyCzasu PokazCzas(uint32_t polsekundy);

}  // namespace wtrysk
