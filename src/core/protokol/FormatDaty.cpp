#include "protokol/FormatDaty.h"

#include <cstdio>

namespace wtrysk {

std::string DataKrotka(const TDataCzas& data) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%02d.%02d.%04d", data.Dzien, data.Miesiac, data.Rok);
  return tekst;
}

std::string CzasDlugi(const TDataCzas& data) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%02d:%02d:%02d", data.Godzina, data.Minuta, data.Sekunda);
  return tekst;
}

}  // namespace wtrysk
