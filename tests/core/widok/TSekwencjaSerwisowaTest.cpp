#include "widok/TSekwencjaSerwisowa.h"

#include <gtest/gtest.h>

#include <string>

namespace wtrysk {
namespace {

// Presses the keys of a text; a letter is its upper-case key code, '#' a key that is no letter.
int Wpisz(TSekwencjaSerwisowa& s, const std::string& klawisze) {
  int odkryc = 0;
  for (char c : klawisze) {
    const int kod = c == '#' ? 0x01000004 /* Enter */ : std::toupper(static_cast<unsigned char>(c));
    if (s.Klawisz(kod)) ++odkryc;
  }
  return odkryc;
}

TEST(TSekwencjaSerwisowa, RevealsOnlyForTheLettersInARow) {
  struct Przypadek {
    const char* Klawisze;
    bool Odkryta;
  };
  const Przypadek przypadki[] = {
      {"zubrenioq", true},
      {"ZUBRENIOQ", true},
      {"abczubrenioq", true},        // earlier keys do not matter
      {"zubr#enioq", false},         // an interrupting key
      {"zubrenio", false},           // one letter short
      {"zzubrenioq", false},         // the second z starts over without being compared again
      {"zzzubrenioq#zubrenioq", true},
      {"zubrenizubrenioq", false},   // the z that broke the row does not start a new one
      {"zubrenioqq", true},
  };
  for (const auto& p : przypadki) {
    TSekwencjaSerwisowa s;
    Wpisz(s, p.Klawisze);
    EXPECT_EQ(s.Odkryta(), p.Odkryta) << p.Klawisze;
  }
}

TEST(TSekwencjaSerwisowa, RevealsOnceAndStays) {
  TSekwencjaSerwisowa s;
  EXPECT_EQ(Wpisz(s, "zubrenioq"), 1);
  EXPECT_EQ(Wpisz(s, "#zubrenioq"), 0);
  EXPECT_TRUE(s.Odkryta());
}

}  // namespace
}  // namespace wtrysk
