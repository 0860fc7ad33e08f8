#pragma once

#include <cstdint>
#include <span>

#include "bledy/LinieBledow.h"

namespace wtrysk {

class TKomunikaty;

// The controller's log of registered errors, 40 bytes of the identification frame (firmware
// 18 and later). Each entry is a one-byte code; code 0 (an injector fault) takes the next two
// bytes as the injector mask and a second injector byte.
inline constexpr std::size_t DlugoscObszaruBledow = 40;

// The message of a one-byte registered code; 0 for a code that adds no line.
int KomunikatBleduZarejestrowanego(uint8_t kod);

// The registered-errors list built from the log, in the order of its entries. Exactly the
// first 40 bytes are looked at; a shorter span ends the log early. An injector entry cut off by
// the end adds nothing; unknown codes are skipped one byte at a time. Up to firmware 20 the
// controller reports injectors 1 to 6 in bits 2 to 7 of the mask, so the mask used is
// (byte >> 2) | 0xC0; from 21 the byte is the mask.
TLinieBledow DekodujBledy(std::span<const uint8_t> obszar, int wersjaFirmware, const TKomunikaty& komunikaty);

}  // namespace wtrysk
