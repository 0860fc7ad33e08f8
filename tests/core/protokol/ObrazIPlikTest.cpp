#include <gtest/gtest.h>

#include "NastawyWzorcowe.h"
#include "WersjaFixture.h"

namespace wtrysk {
namespace {

TEST_F(WersjaTest, ImagesHaveTheirFirmwaresLengthAndOrder) {
  const std::pair<int, std::size_t> dlugosci[] = {{15, 535}, {16, 535}, {17, 537}, {18, 537}, {19, 537},
                                                  {20, 539}, {21, 540}, {23, 541}, {24, 554}, {26, 554}};
  const TNastawy n = NastawyWzorcowe();
  for (const auto& [v, dlugosc] : dlugosci) EXPECT_EQ(UtworzWersje(v)->ObrazNastaw(n).size(), dlugosc) << v;

  const auto obraz15 = UtworzWersje(15)->ObrazNastaw(n);
  const TTablicaByte glowa15{2, 3, 15, 0x37, 200, 150, 100, 50, 2, 2, 3, 1, 0x0A, 40, 0x78, 40, 110, 35, 0x46, 5, 8, 25, 9, 10, 20};
  EXPECT_EQ(TTablicaByte(obraz15.begin(), obraz15.begin() + 25), glowa15);
  EXPECT_EQ(obraz15[43], 60) << "map cell 0";
  EXPECT_EQ(obraz15[289], 0xFA) << "-10 % of a cell holding 60";
  EXPECT_EQ(obraz15[290], 15) << "+25 % of a cell holding 61";

  const auto obraz24 = UtworzWersje(24)->ObrazNastaw(n);
  const TTablicaByte glowa24{2, 3, 15, 0x37, 200, 150, 100, 50, 2, 2, 3, 1, 2, 0x0A, 40, 0x78, 40, 110, 35, 0x46, 5, 8, 25, 9, 2};
  EXPECT_EQ(TTablicaByte(obraz24.begin(), obraz24.begin() + 25), glowa24) << "manifold sensor, low byte of the 16-bit delay, kind";
  EXPECT_EQ(obraz24[291], 0xF3) << "correction of cell 0 as 1/128 of the cell";
  const TTablicaByte ogon24{0x00, 4, 35, 0x00, 120, 121, 122, 123, 124, 125, 126, 127, 9, 0xFB, 128, 1, 50};
  EXPECT_EQ(TTablicaByte(obraz24.end() - 17, obraz24.end()), ogon24);
}

TEST_F(WersjaTest, FileBodiesRoundTripForEveryFirmware) {
  const std::pair<int, std::size_t> dlugosci[] = {{15, 540}, {16, 540}, {17, 542}, {18, 542}, {19, 542},
                                                  {20, 544}, {21, 545}, {23, 547}, {24, 560}, {26, 560}};
  const TNastawy wzor = NastawyWzorcowe();
  for (const auto& [v, dlugosc] : dlugosci) {
    auto wersja = UtworzWersje(v);
    TPisarzPliku pisarz;
    wersja->ZapiszDoPliku(pisarz, wzor);
    ASSERT_EQ(pisarz.Bajty.size(), dlugosc) << v;
    EXPECT_EQ(wersja->DlugoscTresciPliku(), dlugosc) << v;

    TNastawy odczytane;
    NastawyDomyslne(odczytane);
    TCzytnikPliku czytnik(pisarz.Bajty);
    wersja->CzytajZPliku(czytnik, odczytane);
    EXPECT_EQ(czytnik.Pozostalo(), 0u) << v;
    EXPECT_EQ(odczytane.MaxObroty, wzor.MaxObroty) << v;
    EXPECT_EQ(odczytane.Mapa, wzor.Mapa) << v;
    EXPECT_EQ(odczytane.KorektaMapy, wzor.KorektaMapy) << v;
    EXPECT_EQ(odczytane.ZakresMapy2, wzor.ZakresMapy2) << v;
    EXPECT_EQ(odczytane.TypWtryskiwacza, v >= 17 ? wzor.TypWtryskiwacza : 1) << v;
    EXPECT_EQ(odczytane.Flagi2, v >= 20 ? wzor.Flagi2 : 1) << v;
    EXPECT_EQ(odczytane.CzasRozpOgraniczenia, v >= 21 ? wzor.CzasRozpOgraniczenia : 30) << v;
    EXPECT_EQ(odczytane.CzasPrzelaczenia16, v >= 23 ? wzor.CzasPrzelaczenia16 : 6) << v;
    EXPECT_EQ(odczytane.MinTempGazu, v >= 24 ? wzor.MinTempGazu : 0) << v;
    EXPECT_EQ(odczytane.ProgDetekcjiObrotow, v >= 24 ? wzor.ProgDetekcjiObrotow : 41) << v;
  }
}

TEST_F(WersjaTest, FileBodyLayoutLowByteFirst) {
  TPisarzPliku pisarz;
  UtworzWersje(17)->ZapiszDoPliku(pisarz, NastawyWzorcowe());
  const TTablicaByte glowa{2, 3, 15, 0x37, 0x00, 0x78, 0x00, 40, 0, 110, 0, 35, 0x46, 0x00, 5, 8, 25, 9, 2};
  EXPECT_EQ(TTablicaByte(pisarz.Bajty.begin(), pisarz.Bajty.begin() + 19), glowa);
  EXPECT_EQ(pisarz.Bajty[19 + 246], 0xF6) << "KorektaMapy[0] = -10";
}

TEST_F(WersjaTest, AShortFileBodyFillsOnlyWhatItHas) {
  TPisarzPliku pisarz;
  UtworzWersje(24)->ZapiszDoPliku(pisarz, NastawyWzorcowe());
  pisarz.Bajty.resize(20);  // ends inside the map
  TNastawy n;
  NastawyDomyslne(n);
  TCzytnikPliku czytnik(pisarz.Bajty);
  UtworzWersje(24)->CzytajZPliku(czytnik, n);
  EXPECT_EQ(n.TypWtryskiwacza, 2);
  EXPECT_EQ(n.Mapa[0], 60);
  EXPECT_EQ(n.Mapa[1], 100) << "cells past the end keep their default";
  EXPECT_EQ(n.ProgiPoziomu, (std::array<uint8_t, 4>{204, 153, 102, 51}));
}

TEST_F(WersjaTest, RangeRulesPerFirmware) {
  struct TPrzypadek {
    const char* Nazwa;
    int Wersja;
    std::function<void(TNastawy&)> Ustaw;
    std::function<bool(const TNastawy&)> Sprawdz;
  };
  auto flagi = [](uint8_t wynik) {
    return [wynik](const TNastawy& n) { return n.Flagi == wynik; };
  };
  const auto flagiF6 = [](TNastawy& n) { n.Flagi = 0xF6; };
  const TPrzypadek przypadki[] = {
      {"6 cylinders on 20", 20, [](TNastawy& n) { n.IloscCylindrow = 6; }, [](const TNastawy& n) { return n.IloscCylindrow == 1; }},
      {"6 cylinders on 24", 24, [](TNastawy& n) { n.IloscCylindrow = 6; }, [](const TNastawy& n) { return n.IloscCylindrow == 6; }},
      {"Flagi on 15", 15, flagiF6, flagi(0x06)},
      {"Flagi on 16", 16, flagiF6, flagi(0x16)},
      {"Flagi on 17", 17, flagiF6, flagi(0x16)},
      {"Flagi on 18", 18, flagiF6, flagi(0x76)},
      {"Flagi on 19", 19, flagiF6, flagi(0xF6)},
      {"Flagi on 26", 26, flagiF6, flagi(0xF6)},
      {"kind 7 on 19", 19, [](TNastawy& n) { n.TypWtryskiwacza = 7; n.CzasOtwZamWtr = 9; n.CzasRozpOgraniczenia = 45; },
       [](const TNastawy& n) { return n.TypWtryskiwacza == 1 && n.CzasOtwZamWtr == 6 && n.CzasRozpOgraniczenia == 30; }},
      {"kind 7 on 21", 21, [](TNastawy& n) { n.TypWtryskiwacza = 7; }, [](const TNastawy& n) { return n.TypWtryskiwacza == 7; }},
      {"delay 65535 on 23", 23, [](TNastawy& n) { n.CzasPrzelaczenia16 = 65535; }, [](const TNastawy& n) { return n.CzasPrzelaczenia16 == 65534; }},
      {"delay 65534 on 23", 23, [](TNastawy& n) { n.CzasPrzelaczenia16 = 65534; }, [](const TNastawy& n) { return n.CzasPrzelaczenia16 == 65534; }},
      {"Flagi2 on 20", 20, [](TNastawy& n) { n.Flagi2 = 0xFF; }, [](const TNastawy& n) { return n.Flagi2 == 0x01; }},
      {"Flagi2 on 23", 23, [](TNastawy& n) { n.Flagi2 = 0xFF; }, [](const TNastawy& n) { return n.Flagi2 == 0x03; }},
      {"Flagi2 on 24", 24, [](TNastawy& n) { n.Flagi2 = 0xFF; }, [](const TNastawy& n) { return n.Flagi2 == 0x07; }},
      {"temperature sensors on 24", 24, [](TNastawy& n) { n.CzujnikTempGazu = 5; }, [](const TNastawy& n) { return n.CzujnikTempGazu == 1; }},
      {"temperature sensors on 26", 26, [](TNastawy& n) { n.CzujnikTempGazu = 9; }, [](const TNastawy& n) { return n.CzujnikTempGazu == 5; }},
      {"pressure sensor on 16", 16, [](TNastawy& n) { n.CzujnikCisnienia = 3; }, [](const TNastawy& n) { return n.CzujnikCisnienia == 0; }},
      {"pressure sensor on 17", 17, [](TNastawy& n) { n.CzujnikCisnienia = 7; }, [](const TNastawy& n) { return n.CzujnikCisnienia == 4; }},
      {"max rpm on 21", 21, [](TNastawy& n) { n.MaxObroty = 71; }, [](const TNastawy& n) { return n.MaxObroty == 60; }},
      {"max rpm on 23", 23, [](TNastawy& n) { n.MaxObroty = 300; }, [](const TNastawy& n) { return n.MaxObroty == 255; }},
      {"lambda probe on 24", 24, [](TNastawy& n) { n.TypSondyLambda = 4; }, [](const TNastawy& n) { return n.TypSondyLambda == 0; }},
  };
  for (const auto& p : przypadki) {
    TNastawy n;
    NastawyDomyslne(n);
    p.Ustaw(n);
    UtworzWersje(p.Wersja)->PoprawNastawy(n, Typ);
    EXPECT_TRUE(p.Sprawdz(n)) << p.Nazwa;
  }
  TNastawy domyslne;
  NastawyDomyslne(domyslne);
  for (int v : WszystkieWersje) {
    TNastawy n = domyslne;
    UtworzWersje(v)->PoprawNastawy(n, Typ);
    EXPECT_EQ(n.Mapa, domyslne.Mapa) << v;
    EXPECT_EQ(n.Flagi, domyslne.Flagi) << v << ": defaults are in range everywhere";
  }
}

}  // namespace
}  // namespace wtrysk
