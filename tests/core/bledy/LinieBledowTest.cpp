#include "bledy/LinieBledow.h"

#include <gtest/gtest.h>

#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

TEST(LinieBledow, LinesAreNumberedFromOne) {
  TLinieBledow lista;
  DodajLinieBledu(lista, "a");
  DodajLinieBledu(lista, "b");
  DodajLinieBledu(lista, "");
  EXPECT_EQ(lista, (TLinieBledow{"1. a", "2. b", "3. "}));
}

TEST(LinieBledow, InjectorLineNamesEveryInjectorWhoseBitIsClear) {
  const TKomunikaty komunikaty;
  struct Przypadek {
    uint8_t Maska;
    uint8_t Drugi;
    const char* Linia;  // nullptr: no line
  };
  const Przypadek przypadki[] = {
      {0xFA, 0xFF, "3. Błąd wtryskiwacza:  1   3   "},
      {0xFF, 0xFF, nullptr},
      {0xFF, 0xFE, "3. Błąd wtryskiwacza:  "},
      {0x00, 0xFF, "3. Błąd wtryskiwacza:  1   2   3   4   5   6   7   8   "},
      {0x7F, 0x00, "3. Błąd wtryskiwacza:  8   "},
  };
  for (const auto& p : przypadki) {
    TLinieBledow lista{"1. x", "2. y"};
    DodajLinieWtryskiwaczy(lista, p.Maska, p.Drugi, komunikaty);
    if (p.Linia) {
      ASSERT_EQ(lista.size(), 3u) << int{p.Maska};
      EXPECT_EQ(lista[2], p.Linia);
    } else {
      EXPECT_EQ(lista.size(), 2u) << int{p.Maska};
    }
  }
}

TEST(LinieBledow, InjectorLineTakesTheTextOfTheMoment) {
  TKomunikaty komunikaty;
  komunikaty.ZastosujKString({{"", "81", "Injector fault"}});
  TLinieBledow lista;
  DodajLinieWtryskiwaczy(lista, 0xFE, 0xFF, komunikaty);
  EXPECT_EQ(lista, (TLinieBledow{"1. Injector fault:  1   "}));
}

}  // namespace
}  // namespace wtrysk
