#include "historia/TekstyInformacji.h"

#include <cstdio>

#include "historia/KodKomputera.h"

namespace wtrysk {

namespace {
std::string TrzyPola(const char* wzor, unsigned a, unsigned b, unsigned c) {
  char bufor[32];
  std::snprintf(bufor, sizeof bufor, wzor, a, b, c);
  return bufor;
}
}  // namespace

std::string TekstDaty(const TZdarzenieHistorii& z) {
  return TrzyPola("%u-%02u-%02u", z.Rok, z.Miesiac, z.Dzien);
}

std::string TekstGodziny(const TZdarzenieHistorii& z) {
  return TrzyPola("%02u-%02u-%02u", z.Godzina, z.Minuta, z.Sekunda);
}

std::array<TWierszZdarzenia, LiczbaWierszySiatki> WierszeZdarzen(const TObszarHistorii& obszar) {
  std::array<TWierszZdarzenia, LiczbaWierszySiatki> wiersze{};
  const bool poczatekNieznany = (obszar.Flagi() & TObszarHistorii::FlagaPoczatekNieznany) != 0;
  for (const auto& opis : ZdarzeniaHistorii) {
    auto& wiersz = wiersze[static_cast<std::size_t>(opis.Wiersz)];
    const bool poczatek = opis.Rodzaj == TRodzajZdarzenia::PierwszePolaczenie ||
                          opis.Rodzaj == TRodzajZdarzenia::PierwszaZmiana;
    if (poczatek && poczatekNieznany) {
      wiersz = {true, "???", "???", "???"};
      continue;
    }
    const TZdarzenieHistorii zdarzenie = obszar.Zdarzenie(opis.Pozycja);
    if (zdarzenie.CzyPusty()) continue;
    wiersz = {true, TekstDaty(zdarzenie), TekstGodziny(zdarzenie), KodKomputeraTekst(zdarzenie.KodKomputera)};
  }
  return wiersze;
}

TCzasyOdPolaczenia CzasyOdOstatniegoPolaczenia(const TObszarHistorii& obszar) {
  return {obszar.CzasBenzyny() - obszar.Czytaj32(TObszarHistorii::PozBenzynaPolaczenie),
          obszar.CzasGazu() - obszar.Czytaj32(TObszarHistorii::PozGazPolaczenie)};
}

}  // namespace wtrysk
