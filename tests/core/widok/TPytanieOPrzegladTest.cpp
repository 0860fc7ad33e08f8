#include "widok/TPytanieOPrzeglad.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

constexpr TBajtyBledow Nic{0xFF, 0xFF, 0xFF, 0xFF};
constexpr TBajtyBledow Przeglad{0xFF, 0xF7, 0xFF, 0xFF};           // E1 bit 3 clear
constexpr TBajtyBledow PrzegladIOtwarte{0xFD, 0xF7, 0xFF, 0xFF};   // and injectors fully open
constexpr TBajtyBledow TylkoOtwarte{0xFD, 0xFF, 0xFF, 0xFF};
constexpr TBajtyBledow PrzegladIBlad{0xFF, 0xF6, 0xFF, 0xFF};      // and a data error

TEST(TPytanieOPrzeglad, WhenTheInspectionIsDueWithoutErrors) {
  struct Przypadek {
    TBajtyBledow Bledy;
    bool Pytanie;
  };
  const Przypadek przypadki[] = {
      {Nic, false}, {Przeglad, true}, {PrzegladIOtwarte, true}, {TylkoOtwarte, false}, {PrzegladIBlad, false},
  };
  for (const auto& p : przypadki) {
    TPytanieOPrzeglad pytanie;
    EXPECT_EQ(pytanie.CzyZapytac(p.Bledy, false), p.Pytanie);
  }
}

TEST(TPytanieOPrzeglad, AtMostOncePerConnection) {
  TPytanieOPrzeglad pytanie;
  EXPECT_FALSE(pytanie.CzyZapytac(PrzegladIBlad, false)) << "an error first uses up nothing";
  EXPECT_TRUE(pytanie.CzyZapytac(Przeglad, false));
  EXPECT_FALSE(pytanie.CzyZapytac(Przeglad, false));
  EXPECT_FALSE(pytanie.CzyZapytac(Nic, false));
  EXPECT_FALSE(pytanie.CzyZapytac(Przeglad, false));
  pytanie.NowePolaczenie();
  EXPECT_TRUE(pytanie.CzyZapytac(Przeglad, false));
}

TEST(TPytanieOPrzeglad, NotWhileTheInformationDialogIsOpenAndTheChanceIsGone) {
  TPytanieOPrzeglad pytanie;
  EXPECT_FALSE(pytanie.CzyZapytac(Przeglad, true));
  EXPECT_TRUE(pytanie.CzyZadane());
  EXPECT_FALSE(pytanie.CzyZapytac(Przeglad, false));
}

}  // namespace
}  // namespace wtrysk
