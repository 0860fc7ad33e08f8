#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wtrysk {

class TKomunikaty;

// One of the numbered error lists of the errors page, as the lines the window shows.
using TLinieBledow = std::vector<std::string>;

inline constexpr int KomunikatBladWtryskiwacza = 81;  // "Błąd wtryskiwacza"

// Appends "n. text", n being the number of lines already in the list plus one.
void DodajLinieBledu(TLinieBledow& lista, std::string_view tekst);

// Appends the injector line, unless both bytes are 0xFF: "n. ", message 81, ":  ", then for
// every injector k = 1..8 whose bit k-1 of the mask is 0, the digit k and three blanks. The
// second byte only decides whether the line appears: mask 0xFF with another second byte gives
// a line that names no injector.
void DodajLinieWtryskiwaczy(TLinieBledow& lista, uint8_t maska, uint8_t drugi, const TKomunikaty& komunikaty);

}  // namespace wtrysk
