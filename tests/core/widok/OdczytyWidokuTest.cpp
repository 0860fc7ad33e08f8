#include "widok/OdczytyWidoku.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(OdczytyWidoku, FixedPointTexts) {
  struct Przypadek {
    int64_t Wartosc;
    int Potega;
    int Miejsca;
    const char* Tekst;
  };
  const Przypadek przypadki[] = {
      {37, 1, 1, "3.7"},        // petrol time 37 x 0.1 ms
      {0, 1, 1, "0.0"},
      {5, 1, 1, "0.5"},
      {12345, 3, 1, "12.3"},    // gas time 12345 us
      {12350, 3, 1, "12.4"},    // an exact half rounds away from zero, never by binary noise
      {12349, 3, 1, "12.3"},
      {49, 3, 1, "0.0"},
      {50, 3, 1, "0.1"},
      {1380, 2, 2, "13.80"},    // supply voltage
      {7, 2, 2, "0.07"},
      {65535, 2, 2, "655.35"},
      {4294967295, 3, 1, "4294967.3"},
      {-125, 1, 1, "-12.5"},
      {-4, 2, 1, "0.0"},        // rounds to zero: no minus sign
      {25, 0, 0, "25"},
      {25, 0, 2, "25.00"},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(FormatujStaloprzecinkowo(p.Wartosc, p.Potega, p.Miejsca, "."), p.Tekst) << p.Wartosc;
  }
  EXPECT_EQ(FormatujStaloprzecinkowo(37, 1, 1, ","), "3,7") << "the locale's separator";
}

TEST(OdczytyWidoku, LabelTextsFromTheReadings) {
  TDaneBiezace d;
  d.CzasWtryskuBenzyny = {37, 0, 1, 100, 255, 999, 1000, 65535};
  d.CzasWtryskuGazu = 12345;
  d.NapiecieZasilania = 1380;
  d.NapiecieLambda1 = 45;
  d.NapiecieLambda2 = 100;
  d.CisnienieGazu = 120;
  d.CisnienieKolektora = 35;
  d.Obroty = 25;
  d.TempReduktora = -12;
  d.TempGazu = 40;
  const TTekstyOdczytow t = TekstyOdczytow(d, ",");
  EXPECT_EQ(t.CzasWtryskuBenzyny,
            (std::array<std::string, 8>{"3,7", "0,0", "0,1", "10,0", "25,5", "99,9", "100,0", "6553,5"}));
  EXPECT_EQ(t.CzasWtryskuGazu, "12,3");
  EXPECT_EQ(t.NapiecieZasilania, "13,80");
  EXPECT_EQ(t.NapiecieLambda1, "0,45");
  EXPECT_EQ(t.NapiecieLambda2, "1,00");
  EXPECT_EQ(t.CisnienieGazu, "1,20");
  EXPECT_EQ(t.CisnienieKolektora, "0,35");
  EXPECT_EQ(t.Obroty, "2500");
  EXPECT_EQ(t.TempReduktora, "-12");
  EXPECT_EQ(t.TempGazu, "40");
}

TEST(OdczytyWidoku, MapCursorPetrolTimeIsLimited) {
  const std::pair<uint16_t, uint8_t> przypadki[] = {{0, 0}, {9, 0}, {10, 10}, {37, 37}, {255, 255}, {256, 255}, {65535, 255}};
  for (const auto& [czas, kursor] : przypadki) EXPECT_EQ(CzasKursoraMapy(czas), kursor) << czas;
}

}  // namespace
}  // namespace wtrysk
