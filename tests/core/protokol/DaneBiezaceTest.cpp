#include <gtest/gtest.h>

#include "WersjaFixture.h"

namespace wtrysk {
namespace {

TEST_F(WersjaTest, LiveFramesOfEachFirmwareHaveTheirLength) {
  struct TPrzypadek {
    int Firmware;
    int Klasa;
    std::size_t Dlugosc;
  };
  const TPrzypadek przypadki[] = {
      {15, 15, 30}, {16, 16, 41}, {17, 17, 43}, {18, 18, 46}, {19, 19, 46}, {20, 20, 47}, {21, 21, 52},
      {22, 21, 52}, {23, 23, 52}, {24, 24, 52}, {25, 24, 52}, {26, 26, 52}, {30, 26, 52},
  };
  for (const auto& p : przypadki) {
    auto wersja = UtworzWersjeDlaFirmware(p.Firmware);
    ASSERT_TRUE(wersja) << p.Firmware;
    EXPECT_EQ(wersja->NumerWersji, p.Klasa) << p.Firmware;
    Model.DaneBiezace.Obroty = 77;
    TTablicaByte dane(p.Dlugosc - 1, 0x05);
    EXPECT_FALSE(DekodujLive(*wersja, dane)) << p.Firmware << ": one byte short";
    EXPECT_EQ(Model.DaneBiezace.Obroty, 77) << p.Firmware << ": a refused frame changes nothing";
    dane.push_back(0x05);
    EXPECT_TRUE(DekodujLive(*wersja, dane)) << p.Firmware;
    EXPECT_EQ(Model.DaneBiezace.Obroty, 5) << p.Firmware;
  }
  EXPECT_FALSE(UtworzWersjeDlaFirmware(14));
  for (int v : {22, 25, 14, 27, 30}) EXPECT_FALSE(UtworzWersje(v)) << v;
}

TEST_F(WersjaTest, Firmware15LiveFrameEveryField) {
  const TTablicaByte dane{
      0x01, 0x00,                                            // ignition on, petrol
      0x1E, 0x00, 0x1F, 0x00, 0x20, 0x00, 0x21, 0x00, 0x22, 0x01, 0x00, 0x01,  // petrol times, low first
      0x01, 0x86, 0xA0,                                      // gas time 100000 us
      8,                                                     // 800 rpm
      128,                                                   // lambda -> 251
      150, 64,                                               // pressures, one byte each
      0x77,                                                  // not used
      120,                                                   // multiplier
      255,                                                   // supply -> 1634
      0x80, 3,                                               // level sensor, LEDs
      0xF6, 25,                                              // temperatures -10, 25
      0xFE, 0xF4,                                            // E0, E2 before its shift
  };
  Model.DaneBiezace.BledyBiezace = {0, 0x12, 0, 0x34};
  auto wersja = UtworzWersje(15);
  ASSERT_TRUE(DekodujLive(*wersja, dane));
  const TDaneBiezace& d = Model.DaneBiezace;
  EXPECT_TRUE(d.Stacyjka);
  EXPECT_FALSE(d.NaGazie);
  EXPECT_EQ(d.CzasWtryskuBenzyny, (std::array<uint16_t, 8>{30, 31, 32, 33, 290, 256, 0, 0}));
  EXPECT_EQ(d.CzasWtryskuGazu, 100000u);
  EXPECT_EQ(d.Obroty, 8);
  EXPECT_EQ(d.NapiecieLambda1, 251);
  EXPECT_EQ(d.CisnienieGazu, 150);
  EXPECT_EQ(d.CisnienieKolektora, 64);
  EXPECT_EQ(d.AktualnyMnoznik, 120);
  EXPECT_EQ(d.NapiecieZasilania, 1634);
  EXPECT_EQ(d.CzujnikPoziomu, 0x80);
  EXPECT_EQ(d.PoziomGazuLed, 3);
  EXPECT_EQ(d.TempReduktora, -10);
  EXPECT_EQ(d.TempGazu, 25);
  EXPECT_EQ(d.BledyBiezace, (std::array<uint8_t, 4>{0xFE, 0xFF, 0xFD, 0xFF}));
  EXPECT_EQ(d.AktywneWtryskiwacze, 0) << "firmware 15 sends the injectors with the settings only";
}

TEST_F(WersjaTest, ScaledReadingsFollowTheWorkedNumbers) {
  struct TPrzypadek {
    uint8_t Lambda;
    uint16_t Napiecie;
    uint8_t Zasilanie;
    uint16_t Wolty;
  };
  const TPrzypadek przypadki[] = {{255, 500, 0, 70}, {128, 251, 255, 1634}, {0, 0, 163, 1070}};
  auto wersja = UtworzWersje(15);
  for (const auto& p : przypadki) {
    TTablicaByte dane(30, 0);
    dane[18] = p.Lambda;
    dane[23] = p.Zasilanie;
    ASSERT_TRUE(DekodujLive(*wersja, dane));
    EXPECT_EQ(Model.DaneBiezace.NapiecieLambda1, p.Napiecie) << int(p.Lambda);
    EXPECT_EQ(Model.DaneBiezace.NapiecieZasilania, p.Wolty) << int(p.Zasilanie);
  }
}

TEST_F(WersjaTest, StatusBitsAndTheStateChangeFlag) {
  struct TPrzypadek {
    const char* Nazwa;
    TDaneBiezace Przed;
    uint8_t A, B;
    bool Stacyjka, NaGazie, Miganie, Szybkie, Zmiana;
  };
  auto stan = [](bool stacyjka, bool gaz, bool miganie, bool szybkie) {
    TDaneBiezace d;
    d.Stacyjka = stacyjka;
    d.NaGazie = gaz;
    d.MiganieLed = miganie;
    d.MiganieSzybkie = szybkie;
    return d;
  };
  const TPrzypadek przypadki[] = {
      {"to gas with the fast bit: gas wins", stan(true, false, false, false), 0x01, 0x21, true, true, false, false, true},
      {"staying on gas", stan(true, true, false, false), 0x01, 0x21, true, true, false, false, false},
      {"ignition on", stan(false, false, false, false), 0x01, 0x00, true, false, false, false, true},
      {"ignition off", stan(true, false, false, false), 0x00, 0x00, false, false, false, false, true},
      {"fast blinking starts", stan(true, false, false, false), 0x01, 0x20, true, false, false, true, true},
      {"blinking alone is not a change", stan(true, false, false, false), 0x01, 0x02, true, false, true, false, false},
      {"back to petrol", stan(true, true, false, false), 0x01, 0x00, true, false, false, false, true},
      {"other bits ignored", stan(true, false, false, false), 0xFF & ~0x00, 0xDC, true, false, false, false, false},
  };
  auto wersja = UtworzWersje(15);
  for (const auto& p : przypadki) {
    Model.DaneBiezace = p.Przed;
    TTablicaByte dane(30, 0);
    dane[0] = p.A;
    dane[1] = p.B;
    ASSERT_TRUE(DekodujLive(*wersja, dane));
    const TDaneBiezace& d = Model.DaneBiezace;
    EXPECT_EQ(d.Stacyjka, p.Stacyjka) << p.Nazwa;
    EXPECT_EQ(d.NaGazie, p.NaGazie) << p.Nazwa;
    EXPECT_EQ(d.MiganieLed, p.Miganie) << p.Nazwa;
    EXPECT_EQ(d.MiganieSzybkie, p.Szybkie) << p.Nazwa;
    EXPECT_EQ(d.ZmianaStanu, p.Zmiana) << p.Nazwa;
  }
}

// A live payload of the newest layout; older firmware reads its head.
TTablicaByte RamkaOd17() {
  TTablicaByte d(52, 0);
  d[0] = 0x01;
  d[1] = 0x01;
  for (int j = 0; j < 6; ++j) d[static_cast<std::size_t>(2 + 2 * j)] = static_cast<uint8_t>(30 + j);
  d[14] = 0x00, d[15] = 0x0B, d[16] = 0xB8;  // 3000 us
  d[17] = 9;
  d[19] = 0x00, d[20] = 0x96;  // 150
  d[21] = 0x01, d[22] = 0x02;  // 258
  d[23] = 0x0F;
  d[24] = 101;
  d[30] = 0xFE;
  d[31] = 0xF4;
  d[32] = 10;  // pressure block start
  d[43] = 0x03;
  d[44] = 0xEF;
  d[45] = 0xDF;
  d[46] = 0x3C;
  d[47] = 0x2A, d[48] = 0x01;
  d[49] = 0x2B, d[50] = 0x00;
  d[51] = 255;
  return d;
}

TEST_F(WersjaTest, NewerLiveLayoutsAddTheirFieldsVersionByVersion) {
  struct TPrzypadek {
    int Wersja;
    std::array<uint8_t, 4> Bledy;
    bool Odchylki;
    uint8_t Maska;
    uint16_t Cylinder7;
    uint16_t Lambda2;
  };
  const TPrzypadek przypadki[] = {
      {17, {0xFE, 0xFF, 0xFD, 0xFF}, false, 0xFF, 0, 0},
      {18, {0xFE, 0xEF, 0xFD, 0xDF}, true, 0xFF, 0, 0},
      {20, {0xFE, 0xEF, 0xFD, 0xDF}, true, 0x3C, 0, 0},
      {21, {0xFE, 0xEF, 0xF4, 0xDF}, true, 0x3C, 298, 500},
      {26, {0xFE, 0xEF, 0xF4, 0xDF}, true, 0x3C, 298, 500},
  };
  for (const auto& p : przypadki) {
    Model = TModelSterownika{};
    Model.DaneBiezace.BledyBiezace = {0, 0x12, 0, 0x34};
    auto wersja = UtworzWersje(p.Wersja);
    auto dane = RamkaOd17();
    dane.resize(wersja->DlugoscDanychBiezacych());
    ASSERT_TRUE(DekodujLive(*wersja, dane)) << p.Wersja;
    const TDaneBiezace& d = Model.DaneBiezace;
    EXPECT_TRUE(d.NaGazie) << p.Wersja;
    EXPECT_EQ(d.CzasWtryskuBenzyny[5], 35) << p.Wersja;
    EXPECT_EQ(d.CzasWtryskuGazu, 3000u) << p.Wersja;
    EXPECT_EQ(d.CisnienieGazu, 150) << p.Wersja;
    EXPECT_EQ(d.CisnienieKolektora, 258) << p.Wersja;
    EXPECT_EQ(d.AktywneWtryskiwacze, 0x0F) << p.Wersja;
    EXPECT_EQ(d.AktualnyMnoznik, 101) << p.Wersja;
    EXPECT_EQ(d.BledyBiezace, p.Bledy) << p.Wersja;
    EXPECT_EQ(d.PunktOdchylki1 && d.PunktOdchylki2, p.Odchylki) << p.Wersja;
    EXPECT_EQ(Model.MaskaWtryskiwaczy, p.Maska) << p.Wersja;
    EXPECT_EQ(d.CzasWtryskuBenzyny[6], p.Cylinder7) << p.Wersja;
    EXPECT_EQ(d.NapiecieLambda2, p.Lambda2) << p.Wersja;
  }
}

TEST_F(WersjaTest, PressureTableIndicesWrapUpTo20AndRunOnFrom21) {
  struct TPrzypadek {
    int Wersja;
    std::size_t PozycjaBloku;
    uint8_t Start;
    std::array<int, 5> Indeksy;
  };
  const TPrzypadek przypadki[] = {
      {16, 30, 254, {254, 255, 0, 1, 2}},
      {20, 32, 255, {255, 0, 1, 2, 3}},
      {21, 32, 255, {255, 256, 257, 258, 259}},
  };
  for (const auto& p : przypadki) {
    Okno.Dziennik.clear();
    auto wersja = UtworzWersje(p.Wersja);
    TTablicaByte dane(wersja->DlugoscDanychBiezacych(), 0);
    dane[p.PozycjaBloku] = p.Start;
    for (int j = 0; j < 10; ++j) dane[p.PozycjaBloku + 1 + static_cast<std::size_t>(j)] = static_cast<uint8_t>(40 + j);
    ASSERT_TRUE(DekodujLive(*wersja, dane));
    std::vector<std::string> oczekiwane;
    for (int wiersz = 0; wiersz < 2; ++wiersz) {
      for (int j = 0; j < 5; ++j) {
        oczekiwane.push_back("ZapiszPunktTabeli " + std::to_string(wiersz) + " " +
                             std::to_string(p.Indeksy[static_cast<std::size_t>(j)]) + " " + std::to_string(40 + 5 * wiersz + j));
      }
    }
    EXPECT_EQ(Okno.Dziennik, oczekiwane) << p.Wersja;
  }
}

}  // namespace
}  // namespace wtrysk
