#pragma once

#include <cstdint>
#include <compare>

namespace wtrysk {

// A calendar date and time of the PC's local clock, to the second.
// It is what the controller's history stores and what "now" means to the program.
struct TDataCzas {
  int Rok = 0;
  int Miesiac = 0;
  int Dzien = 0;
  int Godzina = 0;
  int Minuta = 0;
  int Sekunda = 0;

  friend auto operator<=>(const TDataCzas&, const TDataCzas&) = default;

  // True when the fields form a real date (years 1..9999) and time.
  bool CzyPoprawna() const;

  // Seconds since 1970-01-01 00:00:00 on the same local clock; only meaningful when CzyPoprawna().
  int64_t SekundyOdEpoki() const;
  static TDataCzas ZSekund(int64_t sekundy);
};

}  // namespace wtrysk
