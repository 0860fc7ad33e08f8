#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "czas/TZegarWirtualny.h"
#include "link/Ramka.h"
#include "symulator/TSymulatorSterownika.h"

namespace wtrysk {

// Splits what a controller sent into its frames by their length fields, skipping bytes before
// a start byte. An unfinished frame at the end is left out.
inline std::vector<TTablicaByte> PodzielNaRamki(const TTablicaByte& strumien) {
  std::vector<TTablicaByte> ramki;
  std::size_t poz = 0;
  while (poz < strumien.size()) {
    if (strumien[poz] != BajtStartu) {
      ++poz;
      continue;
    }
    if (poz + 3 > strumien.size()) break;
    const std::size_t dlugosc = static_cast<std::size_t>(strumien[poz + 1]) << 8 | strumien[poz + 2];
    if (dlugosc < 5 || poz + dlugosc > strumien.size()) break;
    ramki.emplace_back(strumien.begin() + static_cast<std::ptrdiff_t>(poz),
                       strumien.begin() + static_cast<std::ptrdiff_t>(poz + dlugosc));
    poz += dlugosc;
  }
  return ramki;
}

// One simulator on a virtual clock, with everything it sends collected chunk by chunk.
class SymulatorTest : public ::testing::Test {
public:
  void Utworz(const TOpcjeSymulatora& opcje) {
    Sym = std::make_unique<TSymulatorSterownika>(Zegar, opcje, [this](std::span<const uint8_t> b) {
      Kawalki.emplace_back(b.begin(), b.end());
    });
  }
  void Utworz(int firmware = 24) {
    TOpcjeSymulatora o;
    o.Naglowek.Firmware = static_cast<uint8_t>(firmware);
    Utworz(o);
  }

  void Odbierz(const TTablicaByte& bajty) { Sym->Odbierz(bajty); }
  void Wyslij(uint8_t kod, const TTablicaByte& dane = {}) { Odbierz(ZbudujRamkeKomendy(kod, dane)); }

  // Everything sent since the last call, joined, and forgotten.
  TTablicaByte Strumien() {
    TTablicaByte s;
    for (const auto& k : Kawalki) s.insert(s.end(), k.begin(), k.end());
    Kawalki.clear();
    return s;
  }
  std::vector<TTablicaByte> Ramki() { return PodzielNaRamki(Strumien()); }
  // Sends one command and returns the one frame that answers it.
  TTablicaByte Odpowiedz(uint8_t kod, const TTablicaByte& dane = {}) {
    Wyslij(kod, dane);
    const auto ramki = Ramki();
    EXPECT_EQ(ramki.size(), 1u) << "answers to command " << int(kod);
    return ramki.empty() ? TTablicaByte{} : ramki.front();
  }
  TTablicaByte Zapytaj() { return Odpowiedz(1, {1}); }

  TZegarWirtualny Zegar;
  std::vector<TTablicaByte> Kawalki;
  std::unique_ptr<TSymulatorSterownika> Sym;
};

// Frame bytes: 0 start, 1-2 length, 3 code, 4.. payload.
inline uint8_t Kod(const TTablicaByte& ramka) { return ramka.size() > 3 ? ramka[3] : 0; }
inline TTablicaByte Dane(const TTablicaByte& ramka) {
  return ramka.size() >= 5 ? TTablicaByte(ramka.begin() + 4, ramka.end() - 1) : TTablicaByte{};
}

}  // namespace wtrysk
