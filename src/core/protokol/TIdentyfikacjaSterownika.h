#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "czas/TDataCzas.h"

namespace wtrysk {

// The program's own minor version: the controller's identification and the settings and
// oscilloscope files name the lowest minor version they need, and this program serves those
// that need 14 or less.
inline constexpr int WersjaProgramuMinor = 14;

// The connected controller's identity, from bytes 4 to 14 of its identification frame.
struct TIdentyfikacjaSterownika {
  std::string NazwaWersji;               // "1." and the hardware number, e.g. "1.11"
  uint8_t WersjaFirmware = 0;            // selects the version handler
  std::optional<TDataCzas> DataFirmware; // none when the frame's date is not a real date
  uint16_t WymaganaWersjaProgramu = 0;   // lowest program minor version the firmware works with
};

}  // namespace wtrysk
