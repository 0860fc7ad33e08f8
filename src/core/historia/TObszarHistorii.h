#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "historia/TZdarzenieHistorii.h"

namespace wtrysk {

// The controller's 255-byte history area: working times, the inspection point and the dated
// events of connections and settings changes. Multi-byte values are little-endian here, unlike
// everywhere else in the frames. Bytes the program does not interpret are kept and written back.
class TObszarHistorii {
public:
  static constexpr std::size_t Rozmiar = 255;
  static constexpr std::size_t RozmiarKomendy59 = 254;  // positions 1..254

  // Positions of the fields.
  static constexpr std::size_t PozCzasBenzyny = 1;        // 0.5 s units
  static constexpr std::size_t PozCzasGazu = 5;           // 0.5 s units
  static constexpr std::size_t PozBenzynaPolaczenie = 9;  // petrol time at the last connection
  static constexpr std::size_t PozGazPolaczenie = 13;     // gas time at the last connection
  static constexpr std::size_t PozPunktPrzegladu = 17;    // gas time the inspection falls due at; 0 = none
  static constexpr std::size_t PozPierwszePolaczenie = 43;
  static constexpr std::size_t PozOstatniePolaczenie = 54;
  static constexpr std::size_t PozPierwszaZmiana = 65;
  static constexpr std::size_t PozZmianaNieznana = 76;  // a change dated ahead of the PC's clock
  static constexpr std::size_t PozZmiana1 = 87;         // latest; change k lies at PozZmiany(k)
  static constexpr std::size_t LiczbaZmian = 5;
  static constexpr std::size_t PozFlagi = 142;
  static constexpr uint8_t FlagaPrzegladu = 0x01;         // inspection set
  static constexpr uint8_t FlagaPoczatekNieznany = 0x02;  // first connection and first change unknown

  static constexpr std::size_t PozZmiany(std::size_t k) {
    return PozZmiana1 + (k - 1) * TZdarzenieHistorii::Rozmiar;
  }

  friend bool operator==(const TObszarHistorii&, const TObszarHistorii&) = default;

  // Reads and writes outside the area read 0 and change nothing.
  uint8_t Bajt(std::size_t poz) const { return poz < Rozmiar ? Bajty[poz] : 0; }
  void UstawBajt(std::size_t poz, uint8_t wartosc) {
    if (poz < Rozmiar) Bajty[poz] = wartosc;
  }
  uint32_t Czytaj32(std::size_t poz) const;
  void Zapisz32(std::size_t poz, uint32_t wartosc);
  TZdarzenieHistorii Zdarzenie(std::size_t poz) const;
  void UstawZdarzenie(std::size_t poz, const TZdarzenieHistorii& zdarzenie);

  uint32_t CzasBenzyny() const { return Czytaj32(PozCzasBenzyny); }
  uint32_t CzasGazu() const { return Czytaj32(PozCzasGazu); }
  uint32_t PunktPrzegladu() const { return Czytaj32(PozPunktPrzegladu); }
  uint8_t Flagi() const { return Bajty[PozFlagi]; }

  // The inspection point and its flag: set for a point, cleared for 0.
  void UstawPunktPrzegladu(uint32_t punkt);

  // Positions 1..254 become 0; position 0 belongs to the controller and is kept.
  void Zeruj();

  // The wire carries positions 1..254 first and position 0 last. Fewer than 255 bytes is not
  // an area; bytes after the 255th are not looked at.
  static std::optional<TObszarHistorii> ZBajtowLacza(std::span<const uint8_t> bajty);
  std::array<uint8_t, Rozmiar> BajtyLacza() const;
  // The payload of command 59, which writes the area back: positions 1..254.
  std::array<uint8_t, RozmiarKomendy59> DaneKomendy59() const;

  const std::array<uint8_t, Rozmiar>& Surowe() const { return Bajty; }
  // An area from its bytes in position order.
  static TObszarHistorii ZSurowych(const std::array<uint8_t, Rozmiar>& bajty) {
    TObszarHistorii obszar;
    obszar.Bajty = bajty;
    return obszar;
  }

private:
  std::array<uint8_t, Rozmiar> Bajty{};
};

}  // namespace wtrysk
