#pragma once

#include <gtest/gtest.h>

#include "TOtoczenieHistoriiNagrywajace.h"
#include "czas/TZegarWirtualny.h"
#include "historia/TInfoOSterObject.h"

namespace wtrysk {

inline constexpr uint32_t NaszKod = 0x1234ABCD;
inline constexpr uint32_t InnyKod = 0x0BADF00D;

// A moment relative to a base time, to the second.
inline TDataCzas Przesuniete(const TDataCzas& baza, int64_t sekundy) {
  return TDataCzas::ZSekund(baza.SekundyOdEpoki() + sekundy);
}

// The history object on a virtual clock, with recording surroundings and firmware 24.
class InfoOSterTest : public ::testing::Test {
public:
  static constexpr TDataCzas Start{2026, 3, 10, 12, 0, 0};

  // An area whose latest change was made at `kiedy` by the PC `kod`.
  static TObszarHistorii ObszarZeZmiana(const TDataCzas& kiedy, uint32_t kod) {
    TObszarHistorii obszar;
    obszar.UstawZdarzenie(TObszarHistorii::PozZmiana1, TZdarzenieHistorii::Z(kiedy, kod));
    return obszar;
  }

  // What identification does: reset, then the area read from the controller. The connection
  // record is written back three seconds later; the test starts after that.
  void Identyfikuj(const TObszarHistorii& obszar) {
    Info.Resetuj();
    Info.WczytajObszarPolaczenia(obszar, TBlok16{});
    Zegar.Przesun(TInfoOSterObject::InterwalTimeraMs);
    Otoczenie.Komendy.clear();
  }

  TZegarWirtualny Zegar{Start};
  TOtoczenieHistoriiNagrywajace Otoczenie;
  TInfoOSterObject Info{Zegar, Otoczenie, NaszKod};
};

}  // namespace wtrysk
