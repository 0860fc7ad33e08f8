#include "czas/TDataCzas.h"

#include <chrono>

namespace wtrysk {

namespace {
using namespace std::chrono;

int64_t DniOdEpoki(int rok, int miesiac, int dzien) {
  return sys_days{year{rok} / month{static_cast<unsigned>(miesiac)} / day{static_cast<unsigned>(dzien)}}
      .time_since_epoch()
      .count();
}
}  // namespace

bool TDataCzas::CzyPoprawna() const {
  if (Rok < 1 || Rok > 9999 || Miesiac < 1 || Miesiac > 12 || Dzien < 1 || Dzien > 31) return false;
  const year_month_day data{year{Rok}, month{static_cast<unsigned>(Miesiac)}, day{static_cast<unsigned>(Dzien)}};
  if (!data.ok()) return false;
  return Godzina >= 0 && Godzina < 24 && Minuta >= 0 && Minuta < 60 && Sekunda >= 0 && Sekunda < 60;
}

int64_t TDataCzas::SekundyOdEpoki() const {
  return DniOdEpoki(Rok, Miesiac, Dzien) * 86400 + Godzina * 3600 + Minuta * 60 + Sekunda;
}

TDataCzas TDataCzas::ZSekund(int64_t sekundy) {
  int64_t dni = sekundy / 86400;
  int64_t reszta = sekundy % 86400;
  if (reszta < 0) {
    reszta += 86400;
    --dni;
  }
  const year_month_day data{sys_days{days{dni}}};
  TDataCzas wynik;
  wynik.Rok = static_cast<int>(data.year());
  wynik.Miesiac = static_cast<int>(static_cast<unsigned>(data.month()));
  wynik.Dzien = static_cast<int>(static_cast<unsigned>(data.day()));
  wynik.Godzina = static_cast<int>(reszta / 3600);
  wynik.Minuta = static_cast<int>(reszta % 3600 / 60);
  wynik.Sekunda = static_cast<int>(reszta % 60);
  return wynik;
}

}  // namespace wtrysk
