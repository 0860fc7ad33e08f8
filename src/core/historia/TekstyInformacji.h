#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "historia/TObszarHistorii.h"

namespace wtrysk {

// The dated events of the history area as the information dialog's grid lists them.
enum class TRodzajZdarzenia {
  PierwszePolaczenie,
  PierwszaZmiana,
  OstatniePolaczenie,
  Zmiana1,
  Zmiana2,
  Zmiana3,
  Zmiana4,
  Zmiana5,
  ZmianaNieznana,
};

struct TOpisZdarzenia {
  TRodzajZdarzenia Rodzaj;
  std::size_t Pozycja;  // of its record in the area
  int Wiersz;           // of the grid; row 0 is the heading
  int Komunikat;        // the message naming it in column 0
};

inline constexpr int LiczbaWierszySiatki = 10;

inline constexpr std::array<TOpisZdarzenia, 9> ZdarzeniaHistorii{{
    {TRodzajZdarzenia::PierwszePolaczenie, TObszarHistorii::PozPierwszePolaczenie, 1, 122},
    {TRodzajZdarzenia::PierwszaZmiana, TObszarHistorii::PozPierwszaZmiana, 2, 123},
    {TRodzajZdarzenia::OstatniePolaczenie, TObszarHistorii::PozOstatniePolaczenie, 3, 121},
    {TRodzajZdarzenia::Zmiana1, TObszarHistorii::PozZmiany(1), 4, 125},
    {TRodzajZdarzenia::Zmiana2, TObszarHistorii::PozZmiany(2), 5, 126},
    {TRodzajZdarzenia::Zmiana3, TObszarHistorii::PozZmiany(3), 6, 127},
    {TRodzajZdarzenia::Zmiana4, TObszarHistorii::PozZmiany(4), 7, 128},
    {TRodzajZdarzenia::Zmiana5, TObszarHistorii::PozZmiany(5), 8, 129},
    {TRodzajZdarzenia::ZmianaNieznana, TObszarHistorii::PozZmianaNieznana, 9, 124},
}};

// "2026-01-05": the year as it is, month and day in two digits.
std::string TekstDaty(const TZdarzenieHistorii& zdarzenie);
// "08-05-09": hour, minute and second in two digits each.
std::string TekstGodziny(const TZdarzenieHistorii& zdarzenie);

// Columns 1 to 3 of one event row. A row without data is drawn blank.
struct TWierszZdarzenia {
  bool MaDane = false;
  std::string Data;
  std::string Czas;
  std::string Kod;
  friend bool operator==(const TWierszZdarzenia&, const TWierszZdarzenia&) = default;
};

// The event rows of the grid, indexed by grid row (row 0, the heading, stays empty). An empty
// record gives a row without data. When the controller flags its first connection and first
// change as unknown, those two rows read "???".
std::array<TWierszZdarzenia, LiczbaWierszySiatki> WierszeZdarzen(const TObszarHistorii& obszar);

// Petrol and gas working time since the last connection, in half-seconds. The counters are
// 32-bit, so the differences wrap the same way.
struct TCzasyOdPolaczenia {
  uint32_t Benzyna = 0;
  uint32_t Gaz = 0;
  friend bool operator==(const TCzasyOdPolaczenia&, const TCzasyOdPolaczenia&) = default;
};
TCzasyOdPolaczenia CzasyOdOstatniegoPolaczenia(const TObszarHistorii& obszar);

}  // namespace wtrysk
