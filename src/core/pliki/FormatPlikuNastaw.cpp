#include "pliki/FormatPlikuNastaw.h"

#include <algorithm>

namespace wtrysk {

std::vector<uint8_t> ZbudujPlikNastaw(const TIdentyfikacjaSterownika& id, const TWersja15& wersja,
                                      const TNastawy& n) {
  TPisarzPliku plik;
  plik.Bajty.reserve(NajdluzszyNaglowekPlikuNastaw + wersja.DlugoscTresciPliku());
  plik.Pisz(static_cast<uint8_t>(MagiaPlikuNastaw.size()));
  for (const char c : MagiaPlikuNastaw) plik.Pisz(static_cast<uint8_t>(c));
  for (std::size_t i = MagiaPlikuNastaw.size(); i < DlugoscPolaMagii; ++i) plik.Pisz(uint8_t{0});
  plik.Pisz(id.WersjaFirmware);
  if (id.WersjaFirmware >= WersjaZWymaganaWersjaProgramu) plik.Pisz(id.WymaganaWersjaProgramu);
  wersja.ZapiszDoPliku(plik, n);
  return std::move(plik.Bajty);
}

std::optional<TNaglowekPlikuNastaw> CzytajNaglowekPlikuNastaw(std::span<const uint8_t> bajty) {
  if (bajty.size() <= PozycjaWersjiPlikuNastaw) return std::nullopt;
  if (bajty[0] != MagiaPlikuNastaw.size()) return std::nullopt;
  if (!std::equal(MagiaPlikuNastaw.begin(), MagiaPlikuNastaw.end(), bajty.begin() + 1,
                  [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; }))
    return std::nullopt;

  TNaglowekPlikuNastaw naglowek;
  TCzytnikPliku plik(bajty, PozycjaWersjiPlikuNastaw);
  plik.Czytaj(naglowek.WersjaFirmware);
  if (naglowek.WersjaFirmware >= WersjaZWymaganaWersjaProgramu) {
    if (plik.Pozostalo() < 2) return std::nullopt;
    uint16_t wymagana = 0;
    plik.Czytaj(wymagana);
    naglowek.WymaganaWersjaProgramu = wymagana;
  }
  naglowek.PoczatekTresci = plik.Pozycja();
  return naglowek;
}

std::unique_ptr<TWersja15> WersjaDlaPlikuNastaw(int v, int wymagana, int wersjaProgramu) {
  if (wymagana > wersjaProgramu) return nullptr;
  for (; v >= 15; --v) {
    if (auto wersja = UtworzWersje(v)) return wersja;
  }
  return nullptr;
}

}  // namespace wtrysk
