#include "i18n/Utf8.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(Utf8, CutsAndCountsWholeCharacters) {
  struct TPrzypadek {
    std::string Tekst;
    std::size_t N;
    std::string Wynik;
    std::size_t Znaki;
  };
  const TPrzypadek przypadki[] = {
      {"abc", 2, "ab", 3},
      {"żółw", 2, "żó", 4},
      {"[°C]", 2, "[°", 4},
      {"€x", 1, "€", 2},
      {"ab", 10, "ab", 2},
      {"", 3, "", 0},
      {std::string("a\xC5", 2), 5, std::string("a\xC5", 2), 2},         // truncated sequence: one byte, one character
      {std::string("\xFF\xFE" "a", 3), 2, std::string("\xFF\xFE", 2), 3},  // stray bytes count one each
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(ObetnijZnaki(p.Tekst, p.N), p.Wynik) << p.Tekst;
    EXPECT_EQ(LiczbaZnakow(p.Tekst), p.Znaki) << p.Tekst;
  }
}

}  // namespace
}  // namespace wtrysk
