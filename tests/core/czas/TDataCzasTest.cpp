#include "czas/TDataCzas.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(TDataCzas, RecognisesRealDatesAndTimes) {
  struct TPrzypadek {
    TDataCzas Data;
    bool Poprawna;
  };
  const TPrzypadek przypadki[] = {
      {{2026, 12, 11, 11, 8, 0}, true},
      {{2024, 2, 29, 23, 59, 59}, true},
      {{2023, 2, 29, 0, 0, 0}, false},  // not a leap year
      {{2026, 4, 31, 0, 0, 0}, false},
      {{2026, 13, 1, 0, 0, 0}, false},
      {{2026, 1, 1, 24, 0, 0}, false},
      {{2026, 1, 1, 0, 60, 0}, false},
      {{2026, 1, 1, 0, 0, 60}, false},
      {{0, 0, 0, 0, 0, 0}, false},  // an empty history record
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(p.Data.CzyPoprawna(), p.Poprawna) << p.Data.Rok << "-" << p.Data.Miesiac << "-" << p.Data.Dzien;
  }
}

TEST(TDataCzas, SecondsRoundTripAcrossMonthAndYearEnds) {
  const TDataCzas daty[] = {{1970, 1, 1, 0, 0, 0}, {2026, 12, 31, 23, 59, 59}, {2024, 2, 29, 12, 30, 15}, {1969, 12, 31, 23, 0, 1}};
  for (const auto& d : daty) EXPECT_EQ(TDataCzas::ZSekund(d.SekundyOdEpoki()), d);
  EXPECT_EQ((TDataCzas{2027, 1, 1, 0, 0, 0}.SekundyOdEpoki() - TDataCzas{2026, 12, 31, 23, 0, 0}.SekundyOdEpoki()), 3600);
}

}  // namespace
}  // namespace wtrysk
