#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wtrysk {

// The inspection dialog ("Ustaw przegląd"): the fitter picks a distance and how many km one
// hour of gas running stands for; the inspection falls due after that many hours of gas.
inline constexpr std::array<std::string_view, 8> PozycjePrzebiegu{"Wylaczony", "1000",  "2000",  "5000",
                                                                  "10000",     "20000", "50000", "100000"};
inline constexpr std::string_view PrzelicznikDomyslny = "50";
inline constexpr int KomunikatNieprawidlowyPrzeglad = 109;  // "Nieprawidłowa wartość przeglądu"

struct TWynikPrzegladu {
  std::vector<int> Komunikaty;                 // messages to show, in order
  bool WybierzPierwszaPozycje = false;         // the list goes back to "Wylaczony"
  std::optional<std::string> NowyPrzelicznik;  // the edit's text is replaced
  uint32_t PolsekundyPrzegladu = 0;            // p: gas running until the inspection
  uint32_t Punkt = 0;                          // gas working time it falls due at; 0 = none
};

// Recomputes the inspection point after the list or the edit changed.
//  - A distance that is not a non-negative integer is reported (unless the first item is the
//    one selected) and the list goes back to "Wylaczony", which means no inspection.
//  - A km-per-hour text that is neither empty nor a non-negative integer is reported and
//    becomes "50"; an empty text or 0 counts as 1.
//  - p = Round(distance / kmPerHour x 7200) half-seconds; the point is the gas working time
//    plus p, or 0 when p is 0.
//  - A point beyond the 32-bit counter is reported like an invalid distance.
TWynikPrzegladu PrzeliczPrzeglad(std::string_view przebieg, bool wybranaPierwszaPozycja,
                                 std::string_view przelicznik, uint32_t czasGazu);

// A non-negative decimal integer that fits a signed 32-bit value; none otherwise.
std::optional<int64_t> LiczbaNieujemna(std::string_view tekst);

}  // namespace wtrysk
