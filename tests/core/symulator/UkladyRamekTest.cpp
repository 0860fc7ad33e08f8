#include "symulator/UkladyRamek.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "symulator/KomendySterownika.h"

namespace wtrysk {
namespace {

const int Uklady[] = {15, 16, 17, 18, 19, 20, 21, 23, 24, 26};

TEST(UkladyRamekTest, FramesHaveTheLengthsOfTheirLayouts) {
  struct TDlugosci {
    int Uklad;
    std::size_t DaneBiezace, Nastawy, PoNastawach;
  };
  const TDlugosci dlugosci[] = {{15, 30, 540, 0},   {16, 41, 540, 0},   {17, 43, 542, 0},   {18, 46, 542, 40},
                                {19, 46, 542, 40},  {20, 47, 544, 40},  {21, 52, 545, 40},  {23, 52, 546, 40},
                                {24, 52, 559, 311}, {26, 52, 559, 311}};
  TPamiecSterownika p;
  NastawyDomyslne(p.Nastawy);
  for (const auto& d : dlugosci) {
    EXPECT_EQ(DaneBiezaceRamki({}, {}, d.Uklad).size(), d.DaneBiezace) << "layout " << d.Uklad;
    EXPECT_EQ(PolaDanychBiezacych(d.Uklad).Dlugosc, d.DaneBiezace) << "layout " << d.Uklad;
    EXPECT_EQ(BajtyNastaw(p, 0, d.Uklad).size(), d.Nastawy) << "layout " << d.Uklad;
    EXPECT_EQ(DaneIdentyfikacji({}, p, 0, d.Uklad).size(), 12 + d.Nastawy + d.PoNastawach) << "layout " << d.Uklad;
  }
}

TEST(UkladyRamekTest, IdentityHeaderCarriesBoardFirmwareRequirementAndBuildDate) {
  const TNaglowekSterownika n{12, 21, 0x010E, {2019, 5, 17, 13, 45, 9}};
  EXPECT_EQ(NaglowekIdentyfikacji(n), (TTablicaByte{12, 21, 0x01, 0x0E, 17, 5, 0x07, 0xE3, 13, 45, 9, 0}));
}

struct TPrzypadekRejestru {
  const char* Nazwa;
  std::vector<TWpisBledu> Wpisy;
  int Uklad;
  TTablicaByte Poczatek;  // the rest is 0xFF
};

TEST(UkladyRamekTest, RegisteredErrorLogIsEncodedForItsLayout) {
  const std::vector<TWpisBledu> trzy = {{2}, {0, 0xFA, 0xFF}, {9}};
  const TPrzypadekRejestru przypadki[] = {
      {"injector mask as it is from layout 21", trzy, 21, {0x02, 0x00, 0xFA, 0xFF, 0x09}},
      // Injectors 1 and 3 (mask FA) travel in bits 2 and 4: (0x3A << 2) | 3.
      {"injector mask shifted up to layout 20", trzy, 19, {0x02, 0x00, 0xEB, 0xFF, 0x09}},
      {"an empty log", {}, 24, {}},
  };
  for (const auto& p : przypadki) {
    const auto log = BajtyRejestruBledow(p.Wpisy, p.Uklad);
    TTablicaByte oczekiwany(DlugoscRejestruBledow, 0xFF);
    std::copy(p.Poczatek.begin(), p.Poczatek.end(), oczekiwany.begin());
    EXPECT_EQ(TTablicaByte(log.begin(), log.end()), oczekiwany) << p.Nazwa;
  }
}

TEST(UkladyRamekTest, AnInjectorEntryThatDoesNotFitIsLeftOutWhole) {
  std::vector<TWpisBledu> wpisy(38, TWpisBledu{5});
  wpisy.push_back({0, 0xFE, 0xFF});
  wpisy.push_back({1});
  const auto log = BajtyRejestruBledow(wpisy, 24);
  EXPECT_EQ(log[37], 5);
  EXPECT_EQ(log[38], 0xFF) << "three bytes would not fit in the last two";
  EXPECT_EQ(log[39], 0xFF) << "entries after it are not moved up";
}

TEST(UkladyRamekTest, HistoryAreaTravelsFromPosition1WithPosition0Last) {
  TObszarSterownika o;
  std::iota(o.begin(), o.end(), uint8_t{0});
  const TTablicaByte linia = ObszarNaLinii(o);
  ASSERT_EQ(linia.size(), 255u);
  EXPECT_EQ(linia.front(), 1);
  EXPECT_EQ(linia[253], 254);
  EXPECT_EQ(linia.back(), 0);
}

TEST(UkladyRamekTest, TheLayout23SwitchOverDelayIsSplitAroundTheSettings) {
  TPamiecSterownika p;
  NastawyDomyslne(p.Nastawy);
  p.Nastawy.CzasPrzelaczenia = 7;
  p.Nastawy.CzasPrzelaczenia16 = 300;
  const TTablicaByte b23 = BajtyNastaw(p, 0, 23);
  EXPECT_EQ(b23[26], 0x2C);
  EXPECT_EQ(b23[545], 0x01);
  EXPECT_EQ(BajtyNastaw(p, 0, 21)[26], 7) << "up to 21 the one-byte delay";
  EXPECT_EQ(BajtyNastaw(p, 0, 16)[25], 7) << "before the manifold sensor byte the delay sits one place earlier";
}

TEST(UkladyRamekTest, ASettingsImageOfTheWrongLengthChangesNothing) {
  for (int uklad : Uklady) {
    TNastawy n;
    NastawyDomyslne(n);
    const TNastawy przed = n;
    TKorektySterownika korekty{};
    const TTablicaByte obraz(DlugoscObrazuNastaw(uklad) - 1, 0x33);
    EXPECT_FALSE(WczytajObrazNastaw(obraz, uklad, n, korekty)) << "layout " << uklad;
    EXPECT_EQ(n.Mapa, przed.Mapa);
    EXPECT_EQ(n.Flagi, przed.Flagi);
  }
}

TEST(UkladyRamekTest, ASettingsImageKeepsTheCorrectionBytesAsTheControllersOwn) {
  TNastawy n;
  TKorektySterownika korekty{};
  TTablicaByte obraz(DlugoscObrazuNastaw(24), 0);
  // Layout 24: 25 single settings bytes, the two node lists, the map, then the corrections.
  const std::size_t poczatekKorekt = 25 + 20 + 246;
  obraz[poczatekKorekt] = 0xF3;
  obraz[poczatekKorekt + 245] = 0x0D;
  obraz[poczatekKorekt - 1] = 77;  // last map cell
  ASSERT_TRUE(WczytajObrazNastaw(obraz, 24, n, korekty));
  EXPECT_EQ(korekty[0], 0xF3);
  EXPECT_EQ(korekty[245], 0x0D);
  EXPECT_EQ(n.Mapa[245], 77);
}

struct TPrzypadekKorekty {
  int Uklad;
  int8_t Procent;
  uint8_t Komorka;
  uint8_t Bajt;          // the controller's correction
  uint8_t PoZlozeniu;    // the cell with it folded in
};

TEST(UkladyRamekTest, CorrectionsAreAbsoluteForLayout15AndFractionsOf128Later) {
  const TPrzypadekKorekty przypadki[] = {
      {15, -10, 100, 0xF6, 90},   // -10 of multiplier
      {16, -10, 100, 0xF3, 90},   // Round(-12.8) = -13 /128, folded: Round(-13 x 100 / 128) = -10
      {16, -4, 128, 0xFB, 123},   // -5 /128 on 128 is -5
      {16, -4, 100, 0xFB, 96},    // -5 /128 on 100 is Round(-3.90625) = -4
      {24, 25, 200, 0x20, 250},   // 32 /128 of 200 is 50
      {16, 0, 200, 0x00, 200},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(KorektaZProcentu(p.Procent, p.Komorka, p.Uklad), p.Bajt) << "layout " << p.Uklad << ", " << int(p.Procent) << " %";
    EXPECT_EQ(KomorkaZKorekta(p.Komorka, p.Bajt, p.Uklad), p.PoZlozeniu) << "layout " << p.Uklad;
  }
  EXPECT_EQ(KomorkaZKorekta(250, 0x10, 15), 10) << "map arithmetic wraps like the program's";
}

TEST(UkladyRamekTest, ReadingsAsDecodedApplyTheWiresConversions) {
  TOdczytySterownika o;
  o.Lambda1 = 255;
  o.Lambda2 = 128;
  o.Zasilanie = 255;
  o.CisnienieGazu = 300;
  o.CisnienieKolektora = 35;
  o.Bledy = {0xFB, 0xF7, 0x3E, 0x00};
  o.NaGazie = true;
  o.MiganieLed = true;

  const TDaneBiezace d15 = DaneJakOdczytane(o, 15);
  EXPECT_EQ(d15.NapiecieLambda1, 500);
  EXPECT_EQ(d15.NapiecieLambda2, 251);
  EXPECT_EQ(d15.NapiecieZasilania, 1634);
  EXPECT_EQ(d15.CisnienieGazu, 255) << "one byte up to layout 16";
  EXPECT_EQ(d15.BledyBiezace, (std::array<uint8_t, 4>{0xFB, 0xFF, 0xFE, 0xFF}));
  EXPECT_FALSE(d15.MiganieLed) << "on gas the LED does not blink";

  const TDaneBiezace d18 = DaneJakOdczytane(o, 18);
  EXPECT_EQ(d18.CisnienieGazu, 300);
  EXPECT_EQ(d18.BledyBiezace, (std::array<uint8_t, 4>{0xFB, 0xF7, 0xFE, 0x00}));
  EXPECT_EQ(DaneJakOdczytane(o, 21).BledyBiezace[2], 0x3E) << "from 21 injectors 7 and 8 have room";

  o.Zasilanie = 0;
  EXPECT_EQ(DaneJakOdczytane(o, 24).NapiecieZasilania, 70);
}

}  // namespace
}  // namespace wtrysk
