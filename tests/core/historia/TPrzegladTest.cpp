#include "historia/TPrzeglad.h"

#include <gtest/gtest.h>

#include "historia/PokazCzas.h"

namespace wtrysk {
namespace {

TEST(TPrzeglad, InspectionPointFromDistanceAndKmPerHour) {
  struct Przypadek {
    const char* Przebieg;
    bool PierwszaWybrana;
    const char* Przelicznik;
    uint32_t CzasGazu;
    std::vector<int> Komunikaty;
    bool Wylaczony;
    std::optional<std::string> NowyPrzelicznik;
    uint32_t Punkt;
  };
  const Przypadek przypadki[] = {
      {"10000", false, "50", 1000000, {}, false, {}, 2440000},
      {"100000", false, "50", 0, {}, false, {}, 14400000},
      {"Wylaczony", true, "50", 1000000, {}, true, {}, 0},
      {"0", false, "50", 1000000, {}, false, {}, 0},
      {"abc", false, "50", 1000000, {109}, true, {}, 0},
      {"", false, "50", 1000000, {109}, true, {}, 0},
      {"-5", false, "50", 1000000, {109}, true, {}, 0},
      {"99999999999", false, "50", 0, {109}, true, {}, 0},
      {"1000", false, "", 5, {}, false, {}, 7200005},   // empty km per hour counts as 1
      {"1000", false, "0", 5, {}, false, {}, 7200005},  // and so does 0
      {"1000", false, "x5", 0, {109}, false, "50", 144000},
      {"abc", false, "x", 0, {109, 109}, true, "50", 0},
      {"1", false, "960", 0, {}, false, {}, 8},   // 7.5 rounds to the even 8
      {"3", false, "960", 0, {}, false, {}, 22},  // 22.5 rounds to the even 22
      {"1000", false, "3", 0, {}, false, {}, 2400000},
      {"2147483647", false, "1", 0, {109}, true, {}, 0},  // beyond the 32-bit counter
      {"10", false, "1", 0xFFFFFFFF - 72000, {}, false, {}, 0xFFFFFFFF},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(std::string(p.Przebieg) + " / " + p.Przelicznik);
    const auto wynik = PrzeliczPrzeglad(p.Przebieg, p.PierwszaWybrana, p.Przelicznik, p.CzasGazu);
    EXPECT_EQ(wynik.Komunikaty, p.Komunikaty);
    EXPECT_EQ(wynik.WybierzPierwszaPozycje, p.Wylaczony);
    EXPECT_EQ(wynik.NowyPrzelicznik, p.NowyPrzelicznik);
    EXPECT_EQ(wynik.Punkt, p.Punkt);
  }
}

TEST(TPrzeglad, WorkedInspectionShowsAsHoursMinutesSeconds) {
  const auto wynik = PrzeliczPrzeglad("10000", false, "50", 1000000);
  EXPECT_EQ(wynik.PolsekundyPrzegladu, 1440000u);
  EXPECT_EQ(PokazCzas(wynik.Punkt), (TTekstyCzasu{"338", "53", "20"}));
}

TEST(TPrzeglad, ListHoldsTheDistancesWithOffFirst) {
  EXPECT_EQ(PozycjePrzebiegu.front(), "Wylaczony");
  for (std::size_t i = 1; i < PozycjePrzebiegu.size(); ++i) {
    EXPECT_TRUE(LiczbaNieujemna(PozycjePrzebiegu[i]).has_value()) << PozycjePrzebiegu[i];
  }
}

}  // namespace
}  // namespace wtrysk
