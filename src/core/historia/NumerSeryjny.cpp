#include "historia/NumerSeryjny.h"

namespace wtrysk {

std::string NumerSeryjnyTekst(const TBlok16& blok) {
  constexpr char cyfry[] = "0123456789ABCDEF";
  std::string tekst;
  for (const uint8_t bajt : blok) {
    if (bajt == 0xFF) break;
    tekst += cyfry[bajt >> 4];
    tekst += cyfry[bajt & 0x0F];
  }
  return tekst;
}

}  // namespace wtrysk
