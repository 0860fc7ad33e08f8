#include "TPortTestowy.h"

namespace wtrysk {

void TPortTestowy::Otworz() {
  UstawPolaczony(true);
  TPortKomunikacyjny::Otworz();
}

void TPortTestowy::Zamknij() {
  ++LiczbaZamkniec;
  TPortKomunikacyjny::Zamknij();
}

int TPortTestowy::ZapiszBajty(const uint8_t* bajty, std::size_t liczba) {
  if (ZapisZawodzi) return 0;
  Zapisy.push_back({Zegar.CzasMs(), TTablicaByte(bajty, bajty + liczba)});
  if (PoZapisie) PoZapisie(Zapisy.back().Bajty);
  return static_cast<int>(liczba);
}

std::vector<TPortTestowy::TZapis> TPortTestowy::PobierzZapisy() {
  std::vector<TZapis> wynik;
  wynik.swap(Zapisy);
  return wynik;
}

}  // namespace wtrysk
