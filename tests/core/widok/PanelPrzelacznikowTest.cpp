#include "widok/PanelPrzelacznikow.h"

#include <gtest/gtest.h>

#include <vector>

#include "czas/TZegarWirtualny.h"

namespace wtrysk {
namespace {

TDaneBiezace Flagi(bool stacyjka, bool szybkie, bool miganie, bool gaz) {
  TDaneBiezace d;
  d.Stacyjka = stacyjka;
  d.MiganieSzybkie = szybkie;
  d.MiganieLed = miganie;
  d.NaGazie = gaz;
  return d;
}

TEST(PanelPrzelacznikow, FuelLedTable) {
  struct Przypadek {
    bool Szybkie, Miganie, Gaz;
    TMiganieLedPaliwa Led;
  };
  const Przypadek przypadki[] = {
      {false, false, true, {true, 0}},   // on gas: steady
      {false, true, true, {true, 0}},
      {false, true, false, {false, 250}},
      {false, false, false, {false, 0}},
      {true, true, false, {false, 125}},
      {true, true, true, {false, 125}},  // fast blinking wins over gas
      {true, false, false, {false, 0}},
      {true, false, true, {false, 0}},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(MiganieLedPaliwa(Flagi(true, p.Szybkie, p.Miganie, p.Gaz)), p.Led)
        << p.Szybkie << p.Miganie << p.Gaz;
    // The ignition off darkens the LED whatever the other flags say.
    EXPECT_EQ(MiganieLedPaliwa(Flagi(false, p.Szybkie, p.Miganie, p.Gaz)), (TMiganieLedPaliwa{false, 0}));
  }
}

TEST(PanelPrzelacznikow, LevelLeds) {
  struct Przypadek {
    bool Stacyjka, Miganie, Gaz;
    uint8_t Poziom;
    std::optional<TLedyPoziomu> Ledy;
  };
  const Przypadek przypadki[] = {
      {true, false, true, 3, TLedyPoziomu{false, true, true, true, false}},
      {true, false, true, 0, TLedyPoziomu{true, false, false, false, false}},  // reserve alone
      {true, false, true, 1, TLedyPoziomu{false, true, false, false, false}},
      {true, false, true, 4, TLedyPoziomu{false, true, true, true, true}},
      {true, true, false, 2, TLedyPoziomu{false, true, true, false, false}},   // blinking on petrol
      {true, false, true, 5, std::nullopt},                                    // no change
      {true, false, false, 3, TLedyPoziomu{}},                                 // petrol, no blinking
      {false, false, true, 3, TLedyPoziomu{}},                                 // ignition off
      {false, true, true, 9, TLedyPoziomu{}},
  };
  for (const auto& p : przypadki) {
    auto d = Flagi(p.Stacyjka, false, p.Miganie, p.Gaz);
    d.PoziomGazuLed = p.Poziom;
    EXPECT_EQ(LedyPoziomu(d), p.Ledy) << p.Stacyjka << p.Miganie << p.Gaz << int(p.Poziom);
  }
}

class LedPaliwaTest : public ::testing::Test {
protected:
  LedPaliwaTest() {
    Led.PoZmianie = [this](bool swieci) { Zmiany.push_back({Zegar.CzasMs(), swieci}); };
  }
  struct TZmiana {
    int64_t Ms;
    bool Swieci;
    friend bool operator==(const TZmiana&, const TZmiana&) = default;
  };
  TZegarWirtualny Zegar;
  TLedPaliwa Led{Zegar};
  std::vector<TZmiana> Zmiany;
};

TEST_F(LedPaliwaTest, BlinksEvery250Or125Milliseconds) {
  Led.UstawMiganie(false, 250);
  Zegar.Przesun(1000);
  EXPECT_EQ(Zmiany, (std::vector<TZmiana>{{250, true}, {500, false}, {750, true}, {1000, false}}));
  Zmiany.clear();
  Led.UstawMiganie(false, 125);
  Zegar.Przesun(500);
  EXPECT_EQ(Zmiany, (std::vector<TZmiana>{{1125, true}, {1250, false}, {1375, true}, {1500, false}}));
  EXPECT_TRUE(Led.Miga());
  EXPECT_EQ(Led.InterwalMs(), 125);
}

TEST_F(LedPaliwaTest, LiveFramesAskingForTheSameBlinkDoNotHoldItStill) {
  // Ten frames a second each ask for the 250 ms blinking; the count runs on.
  for (int i = 0; i < 10; ++i) {
    Led.UstawMiganie(false, 250);
    Zegar.Przesun(100);
  }
  EXPECT_EQ(Zmiany.size(), 4u);
  EXPECT_EQ(Zmiany.front(), (TZmiana{250, true}));
}

TEST_F(LedPaliwaTest, SteadyStatesStopTheBlinking) {
  Led.UstawMiganie(false, 250);
  Zegar.Przesun(250);
  ASSERT_TRUE(Led.StanLedPaliwa());
  Led.UstawMiganie(false, 0);  // off
  EXPECT_FALSE(Led.StanLedPaliwa());
  EXPECT_FALSE(Led.Miga());
  Led.UstawMiganie(true, 125);  // "on" wins over an interval
  EXPECT_TRUE(Led.StanLedPaliwa());
  EXPECT_FALSE(Led.Miga());
  Zmiany.clear();
  Zegar.Przesun(1000);
  EXPECT_TRUE(Zmiany.empty());
  Led.UstawMiganie(true, 0);
  EXPECT_TRUE(Zmiany.empty()) << "no change, no redraw";
}

}  // namespace
}  // namespace wtrysk
