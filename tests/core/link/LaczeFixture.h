#pragma once

#include <gtest/gtest.h>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOtoczenieNagrywajace.h"
#include "TPortTestowy.h"
#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "link/Ramka.h"

namespace wtrysk {

inline TTablicaByte Odpowiedz(uint8_t kod, std::initializer_list<uint8_t> dane = {}) {
  return ZbudujRamkeOdpowiedzi(kod, std::span<const uint8_t>(dane.begin(), dane.size()));
}

inline TTablicaByte Bajty(std::initializer_list<uint8_t> b) { return TTablicaByte(b); }

inline const TTablicaByte Zapytanie{170, 1, 1, 172};

// A link on a virtual clock with a recording transport, message box, dispatcher and history.
class LaczeTest : public ::testing::Test {
public:
  LaczeTest() {
    Port.UstawOtoczenie(&Otoczenie);
    Port.UstawHistorie(&Historia);
  }

  // Opens the link and answers the identification request, leaving the line free and the
  // write log empty. Returns the time of the identification request's transmission, which
  // fixes the phase of the 100 ms send tick.
  int64_t Polacz() {
    Port.Otworz();
    Zegar.Przesun(100);
    const auto zapisy = Port.PobierzZapisy();
    EXPECT_EQ(zapisy.size(), 1u);
    Port.Odbierz(Odpowiedz(12, {15}));
    Otoczenie.Ramki.clear();
    Otoczenie.Dziennik.clear();
    return zapisy.empty() ? 0 : zapisy.front().CzasMs;
  }

  // Only the bytes of the writes since the last call.
  std::vector<TTablicaByte> Wyslane() {
    std::vector<TTablicaByte> wynik;
    for (auto& z : Port.PobierzZapisy()) wynik.push_back(std::move(z.Bajty));
    return wynik;
  }

  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TOtoczenieNagrywajace Otoczenie;
  THistoriaTestowa Historia;
  TPortTestowy Port{Zegar, Komunikaty, Okno};
};

}  // namespace wtrysk
