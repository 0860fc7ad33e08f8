#pragma once

#include <array>
#include <cstdint>

#include "model/TDaneBiezace.h"
#include "model/TNastawy.h"

namespace wtrysk {

// The calibration point: time index, multiplier, working pressure and gas temperature, as
// elements 0 to 3. The settings decode writes it from the settings; autocalibration overwrites
// it with its own measurements; the map chart reads it.
using TPunktKalibracji = std::array<uint8_t, 4>;

// The point as the settings decode leaves it: the low bytes of the calibration fields.
constexpr TPunktKalibracji PunktKalibracjiZNastaw(const TNastawy& n) {
  return {static_cast<uint8_t>(n.KalibCzasWtrysku & 0xFF), static_cast<uint8_t>(n.KalibMnoznik & 0xFF),
          static_cast<uint8_t>(n.CisnienieRobocze & 0xFF), n.KalibTempGazu};
}

// What the program knows about the connected controller: the two records and the small
// variables that travel with them. The application owns one instance; the version handlers,
// editors, file code and map code read and write its fields directly.
struct TModelSterownika {
  TDaneBiezace DaneBiezace;
  TNastawy Nastawy;
  // Injectors the controller lets the gas side drive (bit 0 = injector 1). Firmware from 20
  // sends it in the live frame; older firmware leaves every injector allowed.
  uint8_t MaskaWtryskiwaczy = 0xFF;
  TPunktKalibracji PunktKalibracji{};
};

}  // namespace wtrysk
