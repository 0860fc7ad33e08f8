#include "historia/TObszarHistorii.h"

#include <algorithm>

namespace wtrysk {

uint32_t TObszarHistorii::Czytaj32(std::size_t poz) const {
  if (poz > Rozmiar - 4) return 0;
  return static_cast<uint32_t>(Bajty[poz]) | static_cast<uint32_t>(Bajty[poz + 1]) << 8 |
         static_cast<uint32_t>(Bajty[poz + 2]) << 16 | static_cast<uint32_t>(Bajty[poz + 3]) << 24;
}

void TObszarHistorii::Zapisz32(std::size_t poz, uint32_t wartosc) {
  if (poz > Rozmiar - 4) return;
  for (std::size_t i = 0; i < 4; ++i) Bajty[poz + i] = static_cast<uint8_t>(wartosc >> (8 * i));
}

TZdarzenieHistorii TObszarHistorii::Zdarzenie(std::size_t poz) const {
  if (poz > Rozmiar - TZdarzenieHistorii::Rozmiar) return {};
  return TZdarzenieHistorii::ZBajtow(
      std::span<const uint8_t, TZdarzenieHistorii::Rozmiar>(Bajty.data() + poz, TZdarzenieHistorii::Rozmiar));
}

void TObszarHistorii::UstawZdarzenie(std::size_t poz, const TZdarzenieHistorii& zdarzenie) {
  if (poz > Rozmiar - TZdarzenieHistorii::Rozmiar) return;
  const auto bajty = zdarzenie.Bajty();
  std::copy(bajty.begin(), bajty.end(), Bajty.begin() + static_cast<std::ptrdiff_t>(poz));
}

void TObszarHistorii::UstawPunktPrzegladu(uint32_t punkt) {
  Zapisz32(PozPunktPrzegladu, punkt);
  if (punkt != 0) {
    Bajty[PozFlagi] |= FlagaPrzegladu;
  } else {
    Bajty[PozFlagi] &= static_cast<uint8_t>(~FlagaPrzegladu);
  }
}

void TObszarHistorii::Zeruj() { std::fill(Bajty.begin() + 1, Bajty.end(), uint8_t{0}); }

std::optional<TObszarHistorii> TObszarHistorii::ZBajtowLacza(std::span<const uint8_t> bajty) {
  if (bajty.size() < Rozmiar) return std::nullopt;
  TObszarHistorii obszar;
  std::copy(bajty.begin(), bajty.begin() + RozmiarKomendy59, obszar.Bajty.begin() + 1);
  obszar.Bajty[0] = bajty[RozmiarKomendy59];
  return obszar;
}

std::array<uint8_t, TObszarHistorii::Rozmiar> TObszarHistorii::BajtyLacza() const {
  std::array<uint8_t, Rozmiar> wynik{};
  std::copy(Bajty.begin() + 1, Bajty.end(), wynik.begin());
  wynik[RozmiarKomendy59] = Bajty[0];
  return wynik;
}

std::array<uint8_t, TObszarHistorii::RozmiarKomendy59> TObszarHistorii::DaneKomendy59() const {
  std::array<uint8_t, RozmiarKomendy59> wynik{};
  std::copy(Bajty.begin() + 1, Bajty.end(), wynik.begin());
  return wynik;
}

}  // namespace wtrysk
