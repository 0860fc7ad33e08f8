#include "widok/OdczytyWidoku.h"


namespace wtrysk {

std::string FormatujStaloprzecinkowo(int64_t wartosc, int potegaDzielnika, int miejsca, std::string_view separator) {
  // Work on the magnitude in units of 10^-miejsca, rounding the dropped digits half up.
  const bool ujemna = wartosc < 0;
  uint64_t modul = ujemna ? static_cast<uint64_t>(-(wartosc + 1)) + 1 : static_cast<uint64_t>(wartosc);
  int nadmiar = potegaDzielnika - miejsca;  // digits to drop (> 0) or to add (< 0)
  if (nadmiar > 0) {
    uint64_t dzielnik = 1;
    for (int i = 0; i < nadmiar; ++i) dzielnik *= 10;
    modul = (modul + dzielnik / 2) / dzielnik;
  } else {
    for (; nadmiar < 0; ++nadmiar) modul *= 10;
  }
  std::string cyfry = std::to_string(modul);
  if (miejsca > 0 && cyfry.size() <= static_cast<std::size_t>(miejsca)) {
    cyfry.insert(0, static_cast<std::size_t>(miejsca) + 1 - cyfry.size(), '0');
  }
  std::string wynik;
  if (ujemna && modul != 0) wynik += '-';
  if (miejsca > 0) {
    const std::size_t calosc = cyfry.size() - static_cast<std::size_t>(miejsca);
    wynik.append(cyfry, 0, calosc);
    wynik.append(separator);
    wynik.append(cyfry, calosc);
  } else {
    wynik += cyfry;
  }
  return wynik;
}

TTekstyOdczytow TekstyOdczytow(const TDaneBiezace& d, std::string_view separator) {
  TTekstyOdczytow t;
  for (std::size_t i = 0; i < d.CzasWtryskuBenzyny.size(); ++i) {
    t.CzasWtryskuBenzyny[i] = FormatujStaloprzecinkowo(d.CzasWtryskuBenzyny[i], 1, 1, separator);
  }
  t.CzasWtryskuGazu = FormatujStaloprzecinkowo(d.CzasWtryskuGazu, 3, 1, separator);
  t.NapiecieZasilania = FormatujStaloprzecinkowo(d.NapiecieZasilania, 2, 2, separator);
  t.NapiecieLambda1 = FormatujStaloprzecinkowo(d.NapiecieLambda1, 2, 2, separator);
  t.NapiecieLambda2 = FormatujStaloprzecinkowo(d.NapiecieLambda2, 2, 2, separator);
  t.CisnienieGazu = FormatujStaloprzecinkowo(d.CisnienieGazu, 2, 2, separator);
  t.CisnienieKolektora = FormatujStaloprzecinkowo(d.CisnienieKolektora, 2, 2, separator);
  t.Obroty = std::to_string(d.Obroty * 100);
  t.TempReduktora = std::to_string(d.TempReduktora);
  t.TempGazu = std::to_string(d.TempGazu);
  return t;
}

uint8_t CzasKursoraMapy(uint16_t czasWtryskuBenzyny) {
  if (czasWtryskuBenzyny < 10) return 0;
  if (czasWtryskuBenzyny > 255) return 255;
  return static_cast<uint8_t>(czasWtryskuBenzyny);
}

}  // namespace wtrysk
