#include "widok/PasekStatusu.h"

#include <gtest/gtest.h>

#include "i18n/TKomunikaty.h"
#include "widok/Kolory.h"

namespace wtrysk {
namespace {

TEST(PasekStatusu, ConnectionPanel) {
  const TKomunikaty k;
  EXPECT_EQ(PanelPolaczenia(true, k), (TWygladPanelu{"Brak Połączenia", KolorCzarny, KolorCzerwony, 8}));
  EXPECT_EQ(PanelPolaczenia(false, k), (TWygladPanelu{"Połączony", KolorCzarny, std::nullopt, 8}));
}

TEST(PasekStatusu, FuelPanelForEachState) {
  const TKomunikaty k;
  struct Przypadek {
    bool Stacyjka, Szybkie, Miganie, Gaz;
    const char* Tekst;
    TKolorRGB Tlo;
  };
  const Przypadek przypadki[] = {
      {false, true, true, true, "Brak Stacyjki", KolorSrebrny},  // whatever the other flags
      {false, false, false, false, "Brak Stacyjki", KolorSrebrny},
      {true, true, false, true, "Benzyna", KolorCzerwony},
      {true, false, false, true, "Gaz", KolorZielony},
      {true, false, true, false, "Benzyna", KolorNiebieski},
      {true, false, false, false, "Benzyna", KolorNiebieski},
  };
  for (const auto& p : przypadki) {
    TDaneBiezace d;
    d.Stacyjka = p.Stacyjka;
    d.MiganieSzybkie = p.Szybkie;
    d.MiganieLed = p.Miganie;
    d.NaGazie = p.Gaz;
    EXPECT_EQ(PanelPaliwa(d, k), (TWygladPanelu{p.Tekst, KolorBialy, p.Tlo, 10})) << p.Tekst;
  }
  EXPECT_EQ(KolorSrebrny, (TKolorRGB{192, 192, 192}));
  EXPECT_EQ(KolorZielony, (TKolorRGB{0, 128, 0}));
  EXPECT_EQ(KolorNiebieski, (TKolorRGB{0, 0, 255}));
  EXPECT_EQ(KolorCiemnozolty, KolorKomunikatow);
}

TEST(PasekStatusu, PanelWidths) {
  EXPECT_EQ(SzerokosciPaneli(1280, 170), (std::array<int, 4>{100, 200, 810, 170}));
  EXPECT_EQ(SzerokosciPaneli(400, 170), (std::array<int, 4>{100, 200, 0, 100})) << "narrow window";
}

TEST(PasekStatusu, CentredTextPosition) {
  // Halves round to even on both axes.
  EXPECT_EQ(PolozenieTekstu({0, 0, 100, 20}, 40, 10), (TPunkt{30, 5}));
  EXPECT_EQ(PolozenieTekstu({300, 2, 50, 19}, 21, 14), (TPunkt{300 + 25 - 10, 4}));  // 10.5 -> 10, 4.5 -> 4
  EXPECT_EQ(PolozenieTekstu({10, 3, 101, 20}, 31, 13), (TPunkt{10 + 50 - 16, 6}));   // 50.5 -> 50, 15.5 -> 16, 6.5 -> 6
}

}  // namespace
}  // namespace wtrysk
