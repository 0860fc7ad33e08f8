#include "symulator/KomendySterownika.h"

#include <algorithm>

#include "link/Ramka.h"

namespace wtrysk {

int UkladFirmware(int firmware) {
  if (firmware <= 15) return 15;
  if (firmware == 22) return 21;
  if (firmware == 25) return 24;
  if (firmware >= 26) return 26;
  return firmware;
}

std::size_t DlugoscObrazuNastaw(int uklad) {
  if (uklad >= 24) return 554;
  if (uklad >= 23) return 541;
  if (uklad >= 21) return 540;
  if (uklad >= 20) return 539;
  if (uklad >= 17) return 537;
  return 535;
}

std::optional<std::size_t> DlugoscDanychKomendy(uint8_t kod, int uklad) {
  switch (kod) {
    case 37:  // calibration start
    case 38:  // factory settings
      return 0;
    case 1: case 5: case 8: case 9: case 10: case 12: case 14: case 15: case 16: case 17:
    case 18: case 19: case 23: case 24: case 27: case 30: case 31: case 33: case 35: case 36:
    case 39: case 40: case 41: case 42: case 43: case 44: case 45: case 46: case 47: case 48:
    case 49: case 51: case 52: case 54: case 55: case 56: case 57: case 58: case 61:
      return 1;
    case 3:   // fuel, injector mask
    case 29:  // register address
      return 2;
    case 25: return 3;  // calibration band
    case 2: return 5;   // calibration result
    case 13: return 5;  // four level thresholds and the sensor kind
    case 53: return 8;  // per-injector corrections
    case 32: return 20;  // map nodes
    case 6:   // map corrections
    case 11:  // map
      return 246;
    case 26: return DlugoscObrazuNastaw(uklad);
    case 34: return uklad >= 23 ? 2 : 1;  // the switch-over delay grew to 16 bits
    case 59: if (uklad >= 24) return 254; return std::nullopt;
    case 60: if (uklad >= 24) return 1; return std::nullopt;
    default: return std::nullopt;
  }
}

TPoczatekWejscia RozpoznajKomende(std::span<const uint8_t> bajty, int uklad) {
  using R = TPoczatekWejscia::TRodzaj;
  if (bajty.empty()) return {R::Niepelny, 0};
  if (bajty[0] != BajtStartu) {
    const auto start = std::find(bajty.begin(), bajty.end(), BajtStartu);
    return {R::Odrzuc, static_cast<std::size_t>(start - bajty.begin())};
  }
  if (bajty.size() < 2) return {R::Niepelny, 0};
  const auto dane = DlugoscDanychKomendy(bajty[1], uklad);
  if (!dane) return {R::Odrzuc, 1};
  const std::size_t dlugosc = *dane + 3;
  if (bajty.size() < dlugosc) return {R::Niepelny, 0};
  if (SumaKontrolna(bajty.first(dlugosc - 1)) != bajty[dlugosc - 1]) return {R::Odrzuc, 1};
  return {R::Ramka, dlugosc};
}

}  // namespace wtrysk
