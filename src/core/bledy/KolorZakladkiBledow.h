#pragma once

#include <cstdint>

#include "bledy/TBledyBiezace.h"

namespace wtrysk {

struct TKolorRGB {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
  friend bool operator==(const TKolorRGB&, const TKolorRGB&) = default;
};

inline constexpr TKolorRGB KolorKomunikatow{176, 176, 0};  // dark yellow
inline constexpr TKolorRGB KolorBledow{255, 0, 0};

// The background of the errors tab.
enum class TKolorZakladkiBledow {
  KolorOkna,  // nothing active
  Komunikat,  // only a message (injectors fully open, inspection overdue): dark yellow
  Blad,       // an error is active: red
};

// Any cleared bit other than the two message flags (E0 bit 1, E1 bit 3) counts as an error.
TKolorZakladkiBledow KolorZakladkiBledow(const TBajtyBledow& e);

}  // namespace wtrysk
