#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/TDaneBiezace.h"

namespace wtrysk {

// A scaled integer shown as a fixed-point number: wartosc / 10^potegaDzielnika with
// `miejsca` decimals, rounded half away from zero on the exact decimal value (so 12345 us
// shown in ms with one decimal is "12.3", 12350 us is "12.4"), the decimals after the
// locale's separator, no digit grouping.
std::string FormatujStaloprzecinkowo(int64_t wartosc, int potegaDzielnika, int miejsca, std::string_view separator);

// The texts of the live-reading labels of the right-hand panel.
struct TTekstyOdczytow {
  std::array<std::string, 8> CzasWtryskuBenzyny;  // ms, one decimal
  std::string CzasWtryskuGazu;                    // ms, one decimal
  std::string NapiecieZasilania;                  // V, two decimals
  std::string NapiecieLambda1;
  std::string NapiecieLambda2;
  std::string CisnienieGazu;                      // bar, two decimals
  std::string CisnienieKolektora;
  std::string Obroty;                             // rpm
  std::string TempReduktora;                      // degrees C
  std::string TempGazu;

  friend bool operator==(const TTekstyOdczytow&, const TTekstyOdczytow&) = default;
};

TTekstyOdczytow TekstyOdczytow(const TDaneBiezace& d, std::string_view separator);

// The petrol time of cylinder 1 as the map chart's cursor takes it (0.1 ms): below 10 counts
// as 0, above 255 as 255.
uint8_t CzasKursoraMapy(uint16_t czasWtryskuBenzyny);

}  // namespace wtrysk
