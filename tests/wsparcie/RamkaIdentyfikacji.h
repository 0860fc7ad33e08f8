#pragma once

#include <cstddef>
#include <cstdint>

#include "link/Ramka.h"
#include "protokol/TWersja15.h"

namespace wtrysk {

// The identity a test controller reports in bytes 4 to 15 of its identification frame. The
// date and time are raw bytes, so a test can send a day 0 or a month 13.
struct TNaglowekIdentyfikacji {
  uint8_t Plytka = 11;  // byte 4: the identity text becomes "1.11"
  uint8_t Firmware = 24;
  uint16_t WymaganaWersja = 14;
  uint8_t Dzien = 17;
  uint8_t Miesiac = 5;
  uint16_t Rok = 2019;
  uint8_t Godzina = 13;
  uint8_t Minuta = 45;
  uint8_t Sekunda = 9;
};

// Payload index of settings byte n.
constexpr std::size_t PozycjaNastawy(std::size_t n) { return 12 + n; }

// The payload of an identification answer: the 12 identity bytes, then as many zero bytes as
// the handler serving that firmware takes for its settings and what follows them (none for a
// firmware below 15). Tests write their own values over the zeros through PozycjaNastawy.
inline TTablicaByte DaneIdentyfikacji(const TNaglowekIdentyfikacji& n) {
  TTablicaByte dane{n.Plytka,
                    n.Firmware,
                    static_cast<uint8_t>(n.WymaganaWersja >> 8),
                    static_cast<uint8_t>(n.WymaganaWersja),
                    n.Dzien,
                    n.Miesiac,
                    static_cast<uint8_t>(n.Rok >> 8),
                    static_cast<uint8_t>(n.Rok),
                    n.Godzina,
                    n.Minuta,
                    n.Sekunda,
                    0};
  if (const auto wersja = UtworzWersjeDlaFirmware(n.Firmware)) {
    dane.resize(dane.size() + wersja->DlugoscNastaw() + wersja->DlugoscPoNastawach(), 0);
  }
  return dane;
}

// The whole frame as the controller sends it, answer 12 or 38.
inline TTablicaByte RamkaIdentyfikacji(const TTablicaByte& dane, uint8_t kod = 12) {
  return ZbudujRamkeOdpowiedzi(kod, dane);
}
inline TTablicaByte RamkaIdentyfikacji(const TNaglowekIdentyfikacji& n, uint8_t kod = 12) {
  return RamkaIdentyfikacji(DaneIdentyfikacji(n), kod);
}

}  // namespace wtrysk
