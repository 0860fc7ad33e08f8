#include "historia/TZdarzenieHistorii.h"

#include <algorithm>

namespace wtrysk {

bool TZdarzenieHistorii::CzyPusty() const { return *this == TZdarzenieHistorii{}; }

bool TZdarzenieHistorii::CzyPoprawny() const { return DataCzas().CzyPoprawna(); }

TDataCzas TZdarzenieHistorii::DataCzas() const { return {Rok, Miesiac, Dzien, Godzina, Minuta, Sekunda}; }

TZdarzenieHistorii TZdarzenieHistorii::Z(const TDataCzas& kiedy, uint32_t kodKomputera) {
  TZdarzenieHistorii rekord;
  rekord.Rok = static_cast<uint16_t>(kiedy.Rok);
  rekord.Miesiac = static_cast<uint8_t>(kiedy.Miesiac);
  rekord.Dzien = static_cast<uint8_t>(kiedy.Dzien);
  rekord.Godzina = static_cast<uint8_t>(kiedy.Godzina);
  rekord.Minuta = static_cast<uint8_t>(kiedy.Minuta);
  rekord.Sekunda = static_cast<uint8_t>(kiedy.Sekunda);
  rekord.KodKomputera = kodKomputera;
  return rekord;
}

TZdarzenieHistorii TZdarzenieHistorii::ZBajtow(std::span<const uint8_t, Rozmiar> b) {
  TZdarzenieHistorii rekord;
  rekord.Rok = static_cast<uint16_t>(b[0] | b[1] << 8);
  rekord.Miesiac = b[2];
  rekord.Dzien = b[3];
  rekord.Godzina = b[4];
  rekord.Minuta = b[5];
  rekord.Sekunda = b[6];
  rekord.KodKomputera = static_cast<uint32_t>(b[7]) | static_cast<uint32_t>(b[8]) << 8 |
                        static_cast<uint32_t>(b[9]) << 16 | static_cast<uint32_t>(b[10]) << 24;
  return rekord;
}

std::array<uint8_t, TZdarzenieHistorii::Rozmiar> TZdarzenieHistorii::Bajty() const {
  return {static_cast<uint8_t>(Rok),
          static_cast<uint8_t>(Rok >> 8),
          Miesiac,
          Dzien,
          Godzina,
          Minuta,
          Sekunda,
          static_cast<uint8_t>(KodKomputera),
          static_cast<uint8_t>(KodKomputera >> 8),
          static_cast<uint8_t>(KodKomputera >> 16),
          static_cast<uint8_t>(KodKomputera >> 24)};
}

bool CzyNieaktualny(const TZdarzenieHistorii& rekord, TKierunek kierunek, uint32_t kodKomputera, int godziny,
                    const TDataCzas& teraz) {
  if (!rekord.CzyPoprawny()) return true;
  if (kierunek == TKierunek::Zawsze) return true;
  if (!teraz.CzyPoprawna()) return false;
  if (kodKomputera != 0 && kodKomputera != rekord.KodKomputera) godziny = 0;
  const int64_t dozwolone = static_cast<int64_t>(std::max(godziny, 0)) * 3600;
  const int64_t roznica = teraz.SekundyOdEpoki() - rekord.DataCzas().SekundyOdEpoki();
  if (kierunek == TKierunek::Przeszlosc) return roznica > dozwolone;
  return -roznica > dozwolone;
}

}  // namespace wtrysk
