#include "historia/TZdarzenieHistorii.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(TZdarzenieHistorii, EmptyAndValid) {
  struct Przypadek {
    const char* Opis;
    TZdarzenieHistorii Rekord;
    bool Pusty;
    bool Poprawny;
  };
  const Przypadek przypadki[] = {
      {"all zero", {}, true, false},
      {"a real moment", {2026, 2, 28, 23, 59, 59, 0}, false, true},
      {"only a PC code", {0, 0, 0, 0, 0, 0, 7}, false, false},
      {"February 30th", {2026, 2, 30, 12, 0, 0, 7}, false, false},
      {"hour 24", {2026, 2, 1, 24, 0, 0, 7}, false, false},
      {"month 13", {2026, 13, 1, 0, 0, 0, 7}, false, false},
      {"year beyond 9999", {0xFFFF, 1, 1, 0, 0, 0, 7}, false, false},
      {"29 February of a leap year", {2024, 2, 29, 0, 0, 0, 7}, false, true},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(p.Rekord.CzyPusty(), p.Pusty) << p.Opis;
    EXPECT_EQ(p.Rekord.CzyPoprawny(), p.Poprawny) << p.Opis;
  }
}

TEST(TZdarzenieHistorii, StalenessByDirectionPcAndAllowance) {
  constexpr uint32_t A = 0xAAAA0001;
  constexpr uint32_t B = 0xBBBB0002;
  const TZdarzenieHistorii rekord{2026, 3, 10, 12, 0, 0, A};
  const int64_t t0 = rekord.DataCzas().SekundyOdEpoki();
  auto o = [&](int64_t sekundy) { return TDataCzas::ZSekund(t0 + sekundy); };
  constexpr int64_t h = 3600;

  struct Przypadek {
    const char* Opis;
    TKierunek Kierunek;
    uint32_t Kod;
    int Godziny;
    TDataCzas Teraz;
    bool Nieaktualny;
  };
  const Przypadek przypadki[] = {
      {"past, no allowance, one second later", TKierunek::Przeszlosc, 0, 0, o(1), true},
      {"past, no allowance, same second", TKierunek::Przeszlosc, 0, 0, o(0), false},
      {"past, now earlier", TKierunek::Przeszlosc, 0, 0, o(-5 * h), false},
      {"past, same PC, exactly 10 h", TKierunek::Przeszlosc, A, 10, o(10 * h), false},
      {"past, same PC, 10 h and a second", TKierunek::Przeszlosc, A, 10, o(10 * h + 1), true},
      {"past, other PC loses the allowance", TKierunek::Przeszlosc, B, 10, o(1), true},
      {"past, other PC, same second", TKierunek::Przeszlosc, B, 10, o(0), false},
      {"future, same PC, exactly 3 h behind", TKierunek::Przyszlosc, A, 3, o(-3 * h), false},
      {"future, same PC, 3 h and a second behind", TKierunek::Przyszlosc, A, 3, o(-3 * h - 1), true},
      {"future, now later", TKierunek::Przyszlosc, A, 3, o(10 * h), false},
      {"future, other PC, a second behind", TKierunek::Przyszlosc, B, 3, o(-1), true},
      {"always", TKierunek::Zawsze, A, 100, o(0), true},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(CzyNieaktualny(rekord, p.Kierunek, p.Kod, p.Godziny, p.Teraz), p.Nieaktualny) << p.Opis;
  }
}

TEST(TZdarzenieHistorii, RecordThatIsNoDateIsStaleEveryWay) {
  const TDataCzas teraz{2026, 3, 10, 12, 0, 0};
  for (const auto& rekord : {TZdarzenieHistorii{}, TZdarzenieHistorii{2026, 13, 1, 0, 0, 0, 5}}) {
    for (const auto kierunek : {TKierunek::Przeszlosc, TKierunek::Przyszlosc, TKierunek::Zawsze}) {
      EXPECT_TRUE(CzyNieaktualny(rekord, kierunek, 5, 10, teraz));
    }
  }
}

TEST(TZdarzenieHistorii, ClockThatIsNoDateLeavesAValidRecordAlone) {
  const TZdarzenieHistorii rekord{2026, 3, 10, 12, 0, 0, 5};
  EXPECT_FALSE(CzyNieaktualny(rekord, TKierunek::Przeszlosc, 0, 0, TDataCzas{}));
  EXPECT_FALSE(CzyNieaktualny(rekord, TKierunek::Przyszlosc, 0, 0, TDataCzas{}));
}

}  // namespace
}  // namespace wtrysk
