#include "i18n/TKomunikaty.h"

#include <charconv>

#include "i18n/KomunikatyDomyslne.h"
#include "i18n/Utf8.h"

namespace wtrysk {

namespace {
const std::string Pusty;

// A decimal integer with an optional sign and nothing else around it.
bool CzytajLiczbe(std::string_view tekst, long long& wynik) {
  if (!tekst.empty() && tekst.front() == '+') tekst.remove_prefix(1);
  if (tekst.empty() || tekst.front() == '+') return false;
  const auto [koniec, blad] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wynik);
  return blad == std::errc{} && koniec == tekst.data() + tekst.size();
}
}  // namespace

TKomunikaty::TKomunikaty() { WypelnijDomyslne(); }

void TKomunikaty::WypelnijDomyslne() {
  Teksty.clear();
  Teksty.reserve(KomunikatyDomyslne.size());
  for (const auto& k : KomunikatyDomyslne) Teksty.push_back(ObetnijZnaki(k.Tekst, MaksDlugosc));
}

const std::string& TKomunikaty::PobierzKomunikat(int n) const {
  if (n < 0 || n >= Liczba()) return Pusty;
  return Teksty[static_cast<std::size_t>(n)];
}

void TKomunikaty::ZastosujKString(const TTablicaKodNazwaWartosc& wpisy) {
  for (std::size_t pozycja = 0; pozycja < wpisy.size(); ++pozycja) {
    // The thirteenth line is never applied: in files written with an empty prefix it is the
    // help-file path, which must stay as built.
    if (pozycja == 12) continue;
    long long n = 0;
    if (!CzytajLiczbe(wpisy[pozycja].Nazwa, n) || n == -1) continue;
    if (n < 0 || n >= Liczba()) continue;
    Teksty[static_cast<std::size_t>(n)] = ObetnijZnaki(wpisy[pozycja].Wartosc, MaksDlugosc);
  }
}

std::string FormatujKomunikat(std::string_view wzor, std::string_view argument) {
  std::string wynik;
  wynik.reserve(wzor.size() + argument.size());
  for (std::size_t i = 0; i < wzor.size(); ++i) {
    if (wzor[i] == '%' && i + 1 < wzor.size()) {
      const char nastepny = wzor[i + 1];
      if (nastepny == 's' || nastepny == 'S') {
        wynik += argument;
        ++i;
        continue;
      }
      if (nastepny == '%') {
        wynik += '%';
        ++i;
        continue;
      }
    }
    wynik += wzor[i];
  }
  return wynik;
}

}  // namespace wtrysk
