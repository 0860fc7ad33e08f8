#include "link/Ramka.h"

namespace wtrysk {

uint8_t SumaKontrolna(std::span<const uint8_t> bajty) {
  uint8_t suma = 0;
  for (uint8_t b : bajty) suma = static_cast<uint8_t>(suma + b);
  return suma;
}

TTablicaByte ZbudujRamkeKomendy(uint8_t kod, std::span<const uint8_t> dane) {
  TTablicaByte ramka;
  ramka.reserve(dane.size() + 3);
  ramka.push_back(BajtStartu);
  ramka.push_back(kod);
  ramka.insert(ramka.end(), dane.begin(), dane.end());
  ramka.push_back(SumaKontrolna(ramka));
  return ramka;
}

TTablicaByte ZbudujRamkeOdpowiedzi(uint8_t kod, std::span<const uint8_t> dane) {
  const std::size_t dlugosc = dane.size() + 5;
  TTablicaByte ramka;
  ramka.reserve(dlugosc);
  ramka.push_back(BajtStartu);
  ramka.push_back(static_cast<uint8_t>(dlugosc >> 8));
  ramka.push_back(static_cast<uint8_t>(dlugosc));
  ramka.push_back(kod);
  ramka.insert(ramka.end(), dane.begin(), dane.end());
  ramka.push_back(SumaKontrolna(ramka));
  return ramka;
}

}  // namespace wtrysk
