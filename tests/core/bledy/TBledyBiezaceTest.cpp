#include "bledy/TBledyBiezace.h"

#include <gtest/gtest.h>

#include "bledy/KolorZakladkiBledow.h"
#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

class BledyBiezaceTest : public ::testing::Test {
public:
  std::string Linia(int n, int komunikat) const {
    return std::to_string(n) + ". " + Komunikaty.PobierzKomunikat(komunikat);
  }
  TKomunikaty Komunikaty;
};

TEST_F(BledyBiezaceTest, ListsAndTabColourFromTheErrorBytes) {
  struct Przypadek {
    TBajtyBledow E;
    TLinieBledow Bledy;
    TLinieBledow Komunikaty;
    TKolorZakladkiBledow Kolor;
  };
  const Przypadek przypadki[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF}, {}, {}, TKolorZakladkiBledow::KolorOkna},
      {{0xFD, 0xF7, 0xFF, 0xFF}, {}, {Linia(1, 103), Linia(2, 110)}, TKolorZakladkiBledow::Komunikat},
      {{0xFF, 0xF7, 0xFF, 0xFF}, {}, {Linia(1, 110)}, TKolorZakladkiBledow::Komunikat},
      {{0xFB, 0xFF, 0xFE, 0xFF},
       {"1. Błąd wtryskiwacza:  1   ", Linia(2, 83)},
       {},
       TKolorZakladkiBledow::Blad},
      {{0xFF, 0xF0, 0xFF, 0xFF}, {Linia(1, 99), Linia(2, 100), Linia(3, 107)}, {Linia(1, 110)},
       TKolorZakladkiBledow::Blad},
      {{0xFF, 0xFF, 0xFF, 0xFE}, {"1. Błąd wtryskiwacza:  "}, {}, TKolorZakladkiBledow::Blad},
      // Flags that no list shows still turn the tab red.
      {{0xFE, 0xFF, 0xFF, 0xFF}, {}, {}, TKolorZakladkiBledow::Blad},
      {{0xFF, 0x7F, 0xFF, 0xFF}, {}, {}, TKolorZakladkiBledow::Blad},
      {{0x00, 0x00, 0x00, 0x00},
       {"1. Błąd wtryskiwacza:  1   2   3   4   5   6   7   8   ", Linia(2, 83), Linia(3, 84), Linia(4, 85),
        Linia(5, 86), Linia(6, 87), Linia(7, 88), Linia(8, 99), Linia(9, 100), Linia(10, 107)},
       {Linia(1, 103), Linia(2, 110)},
       TKolorZakladkiBledow::Blad},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(::testing::PrintToString(p.E));
    const auto listy = ZbudujListyBledowBiezacych(p.E, Komunikaty);
    EXPECT_EQ(listy.Bledy, p.Bledy);
    EXPECT_EQ(listy.Komunikaty, p.Komunikaty);
    EXPECT_EQ(KolorZakladkiBledow(p.E), p.Kolor);
  }
}

TEST_F(BledyBiezaceTest, ListsAreRebuiltOnlyWhenVisibleAndChanged) {
  TBledyBiezace bledy;
  EXPECT_EQ(bledy.BledyPokazane(), (TBajtyBledow{0, 0, 0, 0}));

  const TBajtyBledow napiecie{0xFB, 0xFF, 0xFF, 0xFF};
  EXPECT_TRUE(bledy.OdswiezBledyBiezace(napiecie, true, Komunikaty));
  EXPECT_EQ(bledy.BledyAktualne(), TLinieBledow{Linia(1, 83)});
  EXPECT_FALSE(bledy.OdswiezBledyBiezace(napiecie, true, Komunikaty)) << "same bytes, nothing to do";

  const TBajtyBledow przeglad{0xFF, 0xF7, 0xFF, 0xFF};
  EXPECT_FALSE(bledy.OdswiezBledyBiezace(przeglad, false, Komunikaty)) << "page hidden";
  EXPECT_EQ(bledy.BledyAktualne(), TLinieBledow{Linia(1, 83)}) << "the lists keep what they showed";
  EXPECT_EQ(bledy.BledyPokazane(), napiecie);

  EXPECT_TRUE(bledy.OdswiezBledyBiezace(przeglad, true, Komunikaty)) << "the page is shown again";
  EXPECT_TRUE(bledy.BledyAktualne().empty());
  EXPECT_EQ(bledy.Komunikaty(), TLinieBledow{Linia(1, 110)});
  EXPECT_EQ(bledy.BledyPokazane(), przeglad);
}

TEST_F(BledyBiezaceTest, FirstBytesAreShownEvenWhenTheyEqualTheInitialZeros) {
  TBledyBiezace bledy;
  EXPECT_TRUE(bledy.OdswiezBledyBiezace({0, 0, 0, 0}, true, Komunikaty));
  EXPECT_EQ(bledy.BledyAktualne().size(), 10u);
  EXPECT_EQ(bledy.Komunikaty().size(), 2u);
}

TEST_F(BledyBiezaceTest, TextsAreThoseOfTheMomentTheListsAreBuilt) {
  TBledyBiezace bledy;
  bledy.OdswiezBledyBiezace({0xFB, 0xFF, 0xFF, 0xFF}, true, Komunikaty);
  Komunikaty.ZastosujKString({{"", "83", "Voltage error"}});
  EXPECT_EQ(bledy.BledyAktualne(), TLinieBledow{"1. Błąd napięcia"});
  bledy.OdswiezBledyBiezace({0xFB, 0xFF, 0xFE, 0xFF}, true, Komunikaty);
  EXPECT_EQ(bledy.BledyAktualne()[1], "2. Voltage error");
}

}  // namespace
}  // namespace wtrysk
