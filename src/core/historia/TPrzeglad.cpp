#include "historia/TPrzeglad.h"

#include <limits>

#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

std::optional<int64_t> LiczbaNieujemna(std::string_view tekst) {
  if (tekst.empty()) return std::nullopt;
  int64_t wartosc = 0;
  for (const char znak : tekst) {
    if (znak < '0' || znak > '9') return std::nullopt;
    wartosc = wartosc * 10 + (znak - '0');
    if (wartosc > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return wartosc;
}

TWynikPrzegladu PrzeliczPrzeglad(std::string_view przebieg, bool wybranaPierwszaPozycja,
                                 std::string_view przelicznik, uint32_t czasGazu) {
  TWynikPrzegladu wynik;
  auto d = LiczbaNieujemna(przebieg);
  if (!d) {
    if (!wybranaPierwszaPozycja) wynik.Komunikaty.push_back(KomunikatNieprawidlowyPrzeglad);
    wynik.WybierzPierwszaPozycje = true;
  }
  auto k = LiczbaNieujemna(przelicznik);
  if (!k && !przelicznik.empty()) {
    wynik.Komunikaty.push_back(KomunikatNieprawidlowyPrzeglad);
    wynik.NowyPrzelicznik = std::string(PrzelicznikDomyslny);
    k = LiczbaNieujemna(PrzelicznikDomyslny);
  }
  const int64_t km = d.value_or(0);
  const int64_t kmNaGodzine = k.value_or(1) == 0 ? 1 : k.value_or(1);

  // Multiplying first keeps the quotient exact enough that a true half rounds to even.
  const int64_t p = Zaokraglij(static_cast<double>(km) * 7200.0 / static_cast<double>(kmNaGodzine));
  if (p == 0) return wynik;
  const int64_t punkt = p + static_cast<int64_t>(czasGazu);
  if (punkt > std::numeric_limits<uint32_t>::max()) {
    wynik.Komunikaty.push_back(KomunikatNieprawidlowyPrzeglad);
    wynik.WybierzPierwszaPozycje = true;
    return wynik;
  }
  wynik.PolsekundyPrzegladu = static_cast<uint32_t>(p);
  wynik.Punkt = static_cast<uint32_t>(punkt);
  return wynik;
}

}  // namespace wtrysk
