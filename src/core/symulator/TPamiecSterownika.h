#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "czas/TDataCzas.h"
#include "model/TNastawy.h"

namespace wtrysk {

// What the controller reports about itself in bytes 4 to 15 of its identification frame.
struct TNaglowekSterownika {
  uint8_t Plytka = 11;             // the identity text becomes "1." and this number
  uint8_t Firmware = 24;
  uint16_t WymaganaWersja = 14;    // lowest program minor version it works with
  TDataCzas DataKompilacji{2020, 3, 12, 9, 30, 15};
};

// The controller's own correction of each map cell, as it reports it after the map: an
// absolute amount of multiplier for the oldest layout, a signed fraction of the cell in 1/128
// from layout 16 on.
using TKorektySterownika = std::array<uint8_t, LiczbaKomorekMapy>;

// One entry of the registered-error log. Code 0 is an injector error with its injector mask
// (bit k-1 = injector k, 0 = faulty) and a second injector byte; every other code stands alone.
struct TWpisBledu {
  uint8_t Kod = 0;
  uint8_t Maska = 0xFF;
  uint8_t Drugi = 0xFF;
  friend bool operator==(const TWpisBledu&, const TWpisBledu&) = default;
};

inline constexpr std::size_t DlugoscRejestruBledow = 40;
inline constexpr std::size_t DlugoscObszaruHistorii = 255;
using TObszarSterownika = std::array<uint8_t, DlugoscObszaruHistorii>;
using TBlokSerii = std::array<uint8_t, 16>;

// What the controller keeps across power cycles.
struct TPamiecSterownika {
  TNastawy Nastawy;
  TKorektySterownika Korekty{};
  std::vector<TWpisBledu> RejestrBledow;
  // The history area by position (0..254), little-endian inside like the controller keeps it.
  TObszarSterownika ObszarHistorii{};
  TBlokSerii Blok16{};
  uint8_t LiczbaResetow = 0;
  // Three reference voltages the controller reports after the reset count, 5 V = 255.
  std::array<uint8_t, 3> Napiecia{255, 128, 51};
};

}  // namespace wtrysk
