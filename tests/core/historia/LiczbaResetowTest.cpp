#include "historia/LiczbaResetow.h"

#include <gtest/gtest.h>

#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

TEST(LiczbaResetow, NoticeTextByCount) {
  const TKomunikaty komunikaty;
  struct Przypadek {
    uint8_t Liczba;
    std::optional<std::string> Tekst;
  };
  const Przypadek przypadki[] = {
      {0, std::nullopt},
      {1, "Sterownik był 1 raz resetowany"},
      {2, "Sterownik był 2 razy resetowany"},
      {255, "Sterownik był 255 razy resetowany"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(TekstLiczbyResetow(p.Liczba, komunikaty), p.Tekst) << int{p.Liczba};
}

}  // namespace
}  // namespace wtrysk
