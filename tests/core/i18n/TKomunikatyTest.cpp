#include "i18n/TKomunikaty.h"

#include <gtest/gtest.h>

#include "i18n/Utf8.h"

namespace wtrysk {
namespace {

TEST(TKomunikaty, DefaultsAreTheBuiltInPolishTexts) {
  const TKomunikaty k;
  EXPECT_EQ(k.Liczba(), 134);
  struct TPrzypadek {
    int Numer;
    const char* Tekst;
  };
  const TPrzypadek przypadki[] = {
      {0, "Dalej - Kontynuacja"},
      {3, "ver. "},  // callers append a version number
      {5, "Sterownik gazu wymaga oprogramowania w wersji "},
      {6, "Połączony"},
      {12, ""},
      {13, "Help\\VoGasKelvaro.hlp"},
      {17, "[°C]"},
      {18, "Brak sterownika gazu"},
      {38, "Nie można otworzyć pliku "},  // callers append a file name
      {110, "Brak wymaganego przeglądu instalacji  !!!"},
      {116, "Benzyna"},  // repeats 26, translated separately
      {133, "Opcja dostępna od %s wersji firmware"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(k.PobierzKomunikat(p.Numer), p.Tekst) << p.Numer;
}

TEST(TKomunikaty, NumbersOutsideTheTableGiveEmptyText) {
  const TKomunikaty k;
  for (int n : {-1, 134, 1000, -1000}) EXPECT_EQ(k.PobierzKomunikat(n), "") << n;
}

TTablicaKodNazwaWartosc Linie(std::initializer_list<std::pair<const char*, std::string>> pary) {
  TTablicaKodNazwaWartosc wynik;
  for (const auto& [nazwa, wartosc] : pary) wynik.push_back({"", nazwa, wartosc});
  return wynik;
}

TEST(TKomunikaty, KStringReplacesEveryMessageButTheThirteenthLine) {
  TKomunikaty k;
  TTablicaKodNazwaWartosc wpisy;
  for (int n = 0; n < 134; ++n) wpisy.push_back({"x", std::to_string(n), "T" + std::to_string(n)});
  k.ZastosujKString(wpisy);
  for (int n = 0; n < 134; ++n) {
    if (n == 12) {
      EXPECT_EQ(k.PobierzKomunikat(n), "") << "the line at position 12 is never applied";
    } else {
      EXPECT_EQ(k.PobierzKomunikat(n), "T" + std::to_string(n)) << n;
    }
  }
}

TEST(TKomunikaty, ThePositionNotTheNumberDecidesWhatIsSkipped) {
  // As in a file written with an empty prefix: message 12's line is missing, so message 13
  // sits at position 12 and the help-file path stays as built.
  TKomunikaty k;
  TTablicaKodNazwaWartosc wpisy;
  for (int n = 0; n < 134; ++n) {
    if (n != 12) wpisy.push_back({"", std::to_string(n), "T" + std::to_string(n)});
  }
  k.ZastosujKString(wpisy);
  EXPECT_EQ(k.PobierzKomunikat(13), "Help\\VoGasKelvaro.hlp");
  EXPECT_EQ(k.PobierzKomunikat(14), "T14");
}

TEST(TKomunikaty, KStringSkipsNamesThatAreNotMessageNumbers) {
  for (const char* nazwa : {"abc", "-1", "134", "999999999999999999999999", "", "1.5", "0x10", "5 ", " 5", "+", "-5"}) {
    TKomunikaty k;
    k.ZastosujKString(Linie({{nazwa, "zmienione"}}));
    for (int n = 0; n < 134; ++n) {
      EXPECT_NE(k.PobierzKomunikat(n), "zmienione") << "name '" << nazwa << "' changed message " << n;
    }
  }
  TKomunikaty k;
  k.ZastosujKString(Linie({{"+18", "plus"}, {"oops", "x"}, {"19", "dalej"}}));
  EXPECT_EQ(k.PobierzKomunikat(18), "plus");
  EXPECT_EQ(k.PobierzKomunikat(19), "dalej") << "a bad line does not stop the others";
}

TEST(TKomunikaty, LaterLineForTheSameNumberWins) {
  TKomunikaty k;
  k.ZastosujKString(Linie({{"18", "pierwszy"}, {"18", "drugi"}}));
  EXPECT_EQ(k.PobierzKomunikat(18), "drugi");
}

TEST(TKomunikaty, TextsAreCutTo250Characters) {
  TKomunikaty k;
  std::string dlugiAscii(300, 'x');
  std::string dlugiPolski;
  for (int i = 0; i < 300; ++i) dlugiPolski += "ą";
  k.ZastosujKString(Linie({{"1", dlugiAscii}, {"2", dlugiPolski}}));
  EXPECT_EQ(k.PobierzKomunikat(1), std::string(250, 'x'));
  EXPECT_EQ(LiczbaZnakow(k.PobierzKomunikat(2)), 250u);
  EXPECT_EQ(k.PobierzKomunikat(2).size(), 500u) << "cut on a character boundary";
}

TEST(TKomunikaty, DefaultsComeBack) {
  TKomunikaty k;
  k.ZastosujKString(Linie({{"18", "No gas controller"}}));
  EXPECT_EQ(k.PobierzKomunikat(18), "No gas controller");
  k.WypelnijDomyslne();
  EXPECT_EQ(k.PobierzKomunikat(18), "Brak sterownika gazu");
}

TEST(FormatujKomunikat, FillsStringPlaceholders) {
  struct TPrzypadek {
    const char* Wzor;
    const char* Argument;
    const char* Wynik;
  };
  const TPrzypadek przypadki[] = {
      {"Plik %s nie może być załadowany", "a.lng", "Plik a.lng nie może być załadowany"},
      {"Ustaw ciśnienie gazu na %S [bar]", "1,20", "Ustaw ciśnienie gazu na 1,20 [bar]"},
      {"%s i %s", "x", "x i x"},
      {"bez argumentu", "x", "bez argumentu"},
      {"100%% pewne %s", "x", "100% pewne x"},
      {"obce %d i %", "x", "obce %d i %"},  // a stray placeholder from a translation stays visible
      {"", "x", ""},
  };
  for (const auto& p : przypadki) EXPECT_EQ(FormatujKomunikat(p.Wzor, p.Argument), p.Wynik) << p.Wzor;
}

}  // namespace
}  // namespace wtrysk
