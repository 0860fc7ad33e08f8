#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wtrysk {

// The 16-byte block that follows the history area in the identification frame; it carries
// the controller's serial number.
using TBlok16 = std::array<uint8_t, 16>;

// Two upper-case hexadecimal digits per byte, no separators, up to the first 0xFF.
std::string NumerSeryjnyTekst(const TBlok16& blok);

}  // namespace wtrysk
