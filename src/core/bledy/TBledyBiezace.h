#pragma once

#include <array>
#include <cstdint>

#include "bledy/LinieBledow.h"

namespace wtrysk {

class TKomunikaty;

// The four current-error bytes E0..E3 of the live data. Every flag is active low.
using TBajtyBledow = std::array<uint8_t, 4>;

// A current-error flag and the message it shows.
struct TFlagaBledu {
  int Bajt;  // 0 = E0, 1 = E1
  int Bit;
  int Komunikat;
};

// Errors, in the order they are listed (after the injector line from E2 and E3).
inline constexpr std::array<TFlagaBledu, 9> FlagiBledowBiezacych{{
    {0, 2, 83},   // "Błąd napięcia"
    {0, 3, 84},   // "Cisnienie gazu za wysokie"
    {0, 4, 85},   // "Cisnienie gazu za niskie"
    {0, 5, 86},   // "Napięcie stacyjki za niskie"
    {0, 6, 87},   // "Brak wtrysku benzyny"
    {0, 7, 88},   // "Sterownik sam. nie steruje"
    {1, 0, 99},   // "Błąd danych, sprawdź nastawy !"
    {1, 1, 100},  // "Napięcie zasilania za niskie dla LPG !"
    {1, 2, 107},  // "- Błąd czasów pracy"
}};

// Warnings that are not errors: injectors fully open, and the inspection is overdue.
inline constexpr std::array<TFlagaBledu, 2> FlagiKomunikatow{{
    {0, 1, 103},
    {1, 3, 110},
}};

// The two lists of the errors page built from E0..E3.
struct TListyBledowBiezacych {
  TLinieBledow Bledy;
  TLinieBledow Komunikaty;
};
TListyBledowBiezacych ZbudujListyBledowBiezacych(const TBajtyBledow& e, const TKomunikaty& komunikaty);

// The current-errors and messages lists as last built, and the bytes they were built from.
// They are rebuilt only while the errors page is visible and only when the bytes change, so an
// unchanged frame costs nothing and a hidden page keeps what it last showed.
class TBledyBiezace {
public:
  // True when the lists were rebuilt.
  bool OdswiezBledyBiezace(const TBajtyBledow& e, bool stronaWidoczna, const TKomunikaty& komunikaty);

  const TBajtyBledow& BledyPokazane() const { return Pokazane; }
  const TLinieBledow& BledyAktualne() const { return Listy.Bledy; }
  const TLinieBledow& Komunikaty() const { return Listy.Komunikaty; }

private:
  TBajtyBledow Pokazane{};
  bool Zbudowane = false;  // nothing built yet: the first bytes are shown whatever they are
  TListyBledowBiezacych Listy;
};

}  // namespace wtrysk
