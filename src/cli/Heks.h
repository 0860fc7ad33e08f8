#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/Ramka.h"

namespace wtrysk {

// Hex text to bytes: pairs of hex digits, optionally separated by blanks, colons or commas,
// with or without a leading "0x". None for anything else (an odd digit count, a stray
// character).
std::optional<TTablicaByte> CzytajHeks(std::string_view tekst);

// Bytes as upper-case hex pairs without separators.
std::string NaHeks(std::span<const uint8_t> bajty);

// Checks one whole received frame: start byte, a declared length equal to the byte count and
// at least 4, and the checksum. Empty when it is a frame; otherwise what is wrong with it.
std::string SprawdzRamke(std::span<const uint8_t> ramka);

}  // namespace wtrysk
