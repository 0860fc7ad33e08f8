#pragma once

#include <cstdint>

#include "bledy/KolorZakladkiBledow.h"

namespace wtrysk {

// Colours as the program stores them: Windows colour values, red in the low byte.
constexpr TKolorRGB KolorZWartosci(uint32_t wartosc) {
  return {static_cast<uint8_t>(wartosc & 0xFF), static_cast<uint8_t>((wartosc >> 8) & 0xFF),
          static_cast<uint8_t>((wartosc >> 16) & 0xFF)};
}
constexpr uint32_t WartoscKoloru(TKolorRGB k) {
  return static_cast<uint32_t>(k.R) | (static_cast<uint32_t>(k.G) << 8) | (static_cast<uint32_t>(k.B) << 16);
}

inline constexpr TKolorRGB KolorCzarny{0, 0, 0};
inline constexpr TKolorRGB KolorBialy{255, 255, 255};
inline constexpr TKolorRGB KolorCzerwony = KolorZWartosci(255);
inline constexpr TKolorRGB KolorZielony = KolorZWartosci(32768);
inline constexpr TKolorRGB KolorNiebieski = KolorZWartosci(16711680);
inline constexpr TKolorRGB KolorSrebrny = KolorZWartosci(12632256);
// Dark yellow: the messages of the errors page and an errors tab with only a message.
inline constexpr TKolorRGB KolorCiemnozolty = KolorZWartosci(45232);

}  // namespace wtrysk
