#include "symulator/TSymulatorSterownika.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "SymulatorFixture.h"
#include "symulator/KomendySterownika.h"

namespace wtrysk {
namespace {

// --- Answers ---

struct TPrzypadekOdpowiedzi {
  uint8_t Kod;
  TTablicaByte Dane;
  std::size_t DlugoscDanychOdpowiedzi;
};

TEST_F(SymulatorTest, EveryCommandIsAnsweredWithItsOwnCode) {
  Utworz(24);
  const TPrzypadekOdpowiedzi przypadki[] = {
      {1, {1}, 52},
      {12, {1}, 12 + 559 + 40 + 255 + 16},
      {12, {0}, 12 + 559 + 40 + 255 + 16},
      {38, {}, 12 + 559 + 40 + 255 + 16},
      {29, {0x00, 0x05}, 1},
      {52, {0}, 16},
      {60, {0}, 255},
      {59, TTablicaByte(254, 0), 255},
      {9, {7}, 0},
      {13, {51, 102, 153, 204, 1}, 0},
      {53, TTablicaByte(8, 0x80), 0},
      {34, {0x04, 0xB0}, 0},
      {2, {140, 32, 120, 25, 84}, 0},
      {3, {3, 0x0F}, 0},
      {5, {0}, 0},
      {6, TTablicaByte(246, 0), 0},
      {8, {1}, 0},
      {11, TTablicaByte(246, 100), 0},
      {16, {0}, 0},
      {25, {30, 2, 128}, 0},
      {26, TTablicaByte(554, 0), 0},
      {32, TTablicaByte(20, 0), 0},
      {37, {}, 0},
      {42, {1}, 0},
      {44, {8}, 0},
      {49, {1}, 0},
  };
  for (const auto& p : przypadki) {
    const TTablicaByte ramka = Odpowiedz(p.Kod, p.Dane);
    EXPECT_EQ(Kod(ramka), p.Kod);
    EXPECT_EQ(Dane(ramka).size(), p.DlugoscDanychOdpowiedzi) << "answer to command " << int(p.Kod);
    EXPECT_EQ(ramka.back(), SumaKontrolna(std::span<const uint8_t>(ramka).first(ramka.size() - 1)));
  }
}

TEST_F(SymulatorTest, UnknownCommandsAndCommandsOfLaterFirmwareGetNoAnswer) {
  Utworz(23);
  for (uint8_t kod : {4, 7, 20, 50, 59, 60}) {
    Wyslij(kod, {0});
    EXPECT_TRUE(Strumien().empty()) << "command " << int(kod);
    Zegar.Przesun(TSymulatorSterownika::PrzerwaOdbioruMs);
  }
  EXPECT_EQ(Kod(Zapytaj()), 1) << "the controller is still listening";
}

TEST_F(SymulatorTest, FactoryResetRestoresDefaultsAndAnswersWithIdentification) {
  Utworz(20);
  Sym->Nastawy().TempPrzelaczenia = 55;
  Sym->Pamiec().Korekty.fill(3);
  const TTablicaByte ramka = Odpowiedz(38);
  EXPECT_EQ(Kod(ramka), 38);
  TNastawy domyslne;
  NastawyDomyslne(domyslne);
  EXPECT_EQ(Sym->Nastawy().TempPrzelaczenia, domyslne.TempPrzelaczenia);
  EXPECT_EQ(Sym->Pamiec().Korekty, TKorektySterownika{});
  EXPECT_EQ(Dane(ramka), DaneIdentyfikacji(Sym->NaglowekSterownika(), Sym->Pamiec(), Sym->OdczytyTeraz().AktywneWtryskiwacze, 20));
}

TEST_F(SymulatorTest, RegistersReadBackTheStoredSettings) {
  Utworz(24);
  Sym->Nastawy().TempPrzelaczenia = 44;
  // Settings byte 19 of layout 24 is the switch-over temperature.
  EXPECT_EQ(Dane(Odpowiedz(29, {0x00, 19})), TTablicaByte{44});
  EXPECT_EQ(Dane(Odpowiedz(29, {0x12, 0x34})), TTablicaByte{0xFF}) << "beyond the settings";
}

TEST_F(SymulatorTest, HistoryAreaIsStoredAndReturnedInWireOrder) {
  Utworz(24);
  Sym->UstawPraceSilnika(false);  // working times stand still
  TTablicaByte zapis(254);
  for (std::size_t i = 0; i < zapis.size(); ++i) zapis[i] = static_cast<uint8_t>(i * 3);
  const uint8_t bajtSterownika = Sym->Pamiec().ObszarHistorii[0];
  TTablicaByte oczekiwane = zapis;
  oczekiwane.push_back(bajtSterownika);
  EXPECT_EQ(Dane(Odpowiedz(59, zapis)), oczekiwane);
  EXPECT_EQ(Dane(Odpowiedz(60, {0})), oczekiwane);
  EXPECT_EQ(Sym->Pamiec().ObszarHistorii[0], bajtSterownika) << "position 0 is the controller's own";
}

TEST_F(SymulatorTest, ClearingTheErrorLogLeavesOnlyEmptyEntries) {
  Utworz(21);
  ASSERT_FALSE(Sym->Pamiec().RejestrBledow.empty());
  Odpowiedz(16, {0});
  const TTablicaByte id = Dane(Odpowiedz(12, {0}));
  EXPECT_TRUE(std::all_of(id.begin() + 12 + 545, id.end(), [](uint8_t b) { return b == 0xFF; }));
}

// --- Framing the PC's bytes ---

TEST_F(SymulatorTest, FindsCommandsInNoiseAndAfterDamagedOrUnknownFrames) {
  Utworz(24);
  TTablicaByte zlaSuma = ZbudujRamkeKomendy(12, TTablicaByte{1});
  zlaSuma.back() ^= 0x40;
  TTablicaByte strumien{0x00, 0x17, 0x55};
  strumien.insert(strumien.end(), zlaSuma.begin(), zlaSuma.end());
  for (uint8_t b : {0xAA, 0x07, 0x01}) strumien.push_back(b);  // an unknown command
  strumien.insert(strumien.end(), RamkaZapytania.begin(), RamkaZapytania.end());
  Odbierz(strumien);
  const auto ramki = Ramki();
  ASSERT_EQ(ramki.size(), 1u);
  EXPECT_EQ(Kod(ramki[0]), 1);
}

TEST_F(SymulatorTest, AFrameArrivingByteByByteIsAnsweredOnceAndTwoFramesInOneChunkTwice) {
  Utworz(18);
  for (uint8_t b : RamkaZapytania) Odbierz({b});
  EXPECT_EQ(Ramki().size(), 1u);

  TTablicaByte dwie(RamkaZapytania.begin(), RamkaZapytania.end());
  const TTablicaByte identyfikacja = ZbudujRamkeKomendy(12, TTablicaByte{1});
  dwie.insert(dwie.end(), identyfikacja.begin(), identyfikacja.end());
  Odbierz(dwie);
  const auto ramki = Ramki();
  ASSERT_EQ(ramki.size(), 2u);
  EXPECT_EQ(Kod(ramki[0]), 1);
  EXPECT_EQ(Kod(ramki[1]), 12);
}

TEST_F(SymulatorTest, AFrameLeftUnfinishedIsDroppedSoTheNextCommandIsHeard) {
  Utworz(24);
  Odbierz({0xAA, 0x0B});  // the start of a 246-byte map that never comes
  Zegar.Przesun(TSymulatorSterownika::PrzerwaOdbioruMs);
  EXPECT_EQ(Kod(Zapytaj()), 1);
}

// --- Settings ---

TEST_F(SymulatorTest, MapCorrectionsAndNodesAreStored) {
  Utworz(16);
  TTablicaByte mapa(246);
  for (std::size_t k = 0; k < mapa.size(); ++k) mapa[k] = static_cast<uint8_t>(50 + k % 100);
  Odpowiedz(11, mapa);
  EXPECT_TRUE(std::equal(mapa.begin(), mapa.end(), Sym->Nastawy().Mapa.begin()));

  TTablicaByte korekty(246, 0);
  korekty[0] = static_cast<uint8_t>(-10);
  Odpowiedz(6, korekty);
  EXPECT_EQ(Sym->Pamiec().Korekty[0], 0xF3) << "-10 % travels as Round(-12.8) /128 from layout 16";
  EXPECT_EQ(Sym->NastawyPoKorekcie().Mapa[0], 45) << "50 less Round(13 x 50 / 128)";

  Odpowiedz(11, mapa);
  EXPECT_EQ(Sym->Pamiec().Korekty[0], 0) << "a new map replaces the corrections learned on the old one";

  TTablicaByte wezly(20, 0);
  wezly[10] = 10;
  wezly[11] = 30;
  Odpowiedz(32, wezly);
  EXPECT_EQ(Sym->Nastawy().ZakresMapy2, (std::array<uint8_t, 10>{10, 30, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Sym->Nastawy().ZakresMapy1, (std::array<uint8_t, 10>{}));
}

// --- Engine model ---

TEST_F(SymulatorTest, TheReducerWarmsUpThenTheControllerSwitchesToGasCylinderByCylinder) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 21;
  o.Silnik.TempPoczatkowa = 20;
  o.Silnik.OgrzewanieReduktora = 2.0;
  Utworz(o);
  TNastawy& n = Sym->Nastawy();
  n.TempPrzelaczenia = 30;      // reached after 5 s
  n.CzasPrzelaczenia = 4;       // then 2 s
  n.CzasPrzelCylindra = 20;     // 200 ms apart
  n.IloscCylindrow = 1;         // 4 cylinders

  const auto& o1 = Sym->OdczytyTeraz();
  EXPECT_TRUE(o1.Stacyjka);
  EXPECT_FALSE(o1.NaGazie);
  EXPECT_TRUE(o1.MiganieLed) << "the fuel LED blinks while the controller waits";
  EXPECT_NEAR(o1.Obroty, 8, 1);
  EXPECT_NEAR(o1.CzasWtryskuBenzyny[0], 30, 1);
  EXPECT_EQ(o1.CzasWtryskuBenzyny[4], 0) << "a four-cylinder engine";
  EXPECT_EQ(o1.CzasWtryskuGazu, 0u);

  Zegar.Przesun(6900);
  EXPECT_FALSE(Sym->OdczytyTeraz().NaGazie) << "warm, but the switch-over delay runs";
  Zegar.Przesun(100);
  const auto& naGazie = Sym->OdczytyTeraz();
  EXPECT_TRUE(naGazie.NaGazie);
  EXPECT_FALSE(naGazie.MiganieLed);
  EXPECT_EQ(naGazie.AktywneWtryskiwacze, 0x01);
  EXPECT_GT(naGazie.CzasWtryskuGazu, 0u);
  Zegar.Przesun(600);
  EXPECT_EQ(Sym->OdczytyTeraz().AktywneWtryskiwacze, 0x0F);

  Odpowiedz(3, {2, 0x0F});
  Zegar.Przesun(5000);
  EXPECT_FALSE(Sym->OdczytyTeraz().NaGazie) << "petrol chosen by hand stays";
  EXPECT_FALSE(Sym->OdczytyTeraz().MiganieLed);
  Odpowiedz(3, {3, 0x05});
  Zegar.Przesun(100);
  EXPECT_EQ(Sym->OdczytyTeraz().AktywneWtryskiwacze, 0x05);
  EXPECT_EQ(Sym->OdczytyTeraz().MaskaWtryskiwaczy, 0x05);
}

TEST_F(SymulatorTest, LevelLedsFollowTheThresholdsAndTheSensorKind) {
  TOpcjeSymulatora o;
  o.Silnik.Zbiornik = 0.6;  // a rising sensor reads 151
  Utworz(o);
  struct {
    uint8_t Rodzaj;
    std::array<uint8_t, 4> Progi;
    uint8_t Czujnik, Diody;
  } przypadki[] = {
      {1, {51, 102, 153, 204}, 151, 2},
      {0, {51, 102, 150, 204}, 151, 3},
      {3, {204, 153, 102, 51}, 104, 2},  // falling: 255 - 151
      {2, {100, 90, 80, 70}, 104, 0},
  };
  for (const auto& p : przypadki) {
    Odpowiedz(13, {p.Progi[0], p.Progi[1], p.Progi[2], p.Progi[3], p.Rodzaj});
    Zegar.Przesun(100);
    EXPECT_EQ(Sym->OdczytyTeraz().CzujnikPoziomu, p.Czujnik) << "kind " << int(p.Rodzaj);
    EXPECT_EQ(Sym->OdczytyTeraz().PoziomGazuLed, p.Diody) << "kind " << int(p.Rodzaj);
  }
}

TEST_F(SymulatorTest, WorkingTimesCountUpInTheHistoryArea) {
  Utworz(24);
  auto czas = [this](std::size_t poz) {
    const auto& o = Sym->Pamiec().ObszarHistorii;
    return o[poz] | o[poz + 1] << 8 | o[poz + 2] << 16 | o[poz + 3] << 24;
  };
  Odpowiedz(3, {2, 0xFF});
  const auto benzyna = czas(1);
  const auto gaz = czas(5);
  Zegar.Przesun(10000);
  EXPECT_EQ(czas(1), benzyna + 20) << "ten seconds on petrol";
  Odpowiedz(3, {3, 0xFF});
  Zegar.Przesun(5000);
  EXPECT_EQ(czas(5), gaz + 10);
}

TEST_F(SymulatorTest, AnInspectionFallenDueShowsInTheSecondErrorByte) {
  Utworz(24);
  auto& o = Sym->Pamiec().ObszarHistorii;
  o[142] |= 0x01;
  o[17] = 1;  // point of 1 half-second: long past
  o[18] = o[19] = o[20] = 0;
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Dane.BledyBiezace[1], 0xF7);
  o[142] &= ~0x01;
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Dane.BledyBiezace[1], 0xFF);
}

TEST_F(SymulatorTest, PressureTablesSweepAndRaiseTheDeviationFlagsWhenWhole) {
  Utworz(18);
  int ostatniStart = -5;
  for (int i = 0; i < 51; ++i) {
    Zapytaj();
    const TBlokTablic& t = Sym->OstatnieDane().Tablice;
    EXPECT_EQ(t.Start, ostatniStart + 5);
    ostatniStart = t.Start;
    EXPECT_FALSE(Sym->OstatnieDane().Dane.PunktOdchylki1);
  }
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Tablice.Start, 255);
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Tablice.Start, 0) << "a new sweep";
  EXPECT_TRUE(Sym->OstatnieDane().Dane.PunktOdchylki1);
  EXPECT_TRUE(Sym->OstatnieDane().Dane.PunktOdchylki2);

  Odpowiedz(42, {1});
  Zapytaj();
  EXPECT_FALSE(Sym->OstatnieDane().Dane.PunktOdchylki1) << "the cleared petrol table must be swept again";
  EXPECT_TRUE(Sym->OstatnieDane().Dane.PunktOdchylki2);
}

TEST_F(SymulatorTest, IdleCalibrationSettlesTheMultiplierWherePetrolReturnsToItsBand) {
  TOpcjeSymulatora o;
  o.Silnik.MnoznikIdealny = 115;
  Utworz(o);
  Odpowiedz(37);
  EXPECT_TRUE(Sym->KalibracjaTrwa());
  Odpowiedz(3, {2, 0x0F});
  Zegar.Przesun(1000);
  EXPECT_EQ(Sym->OdczytyTeraz().AktualnyMnoznik, 128) << "on petrol nothing is learned";
  Odpowiedz(25, {30, 2, 128});
  Odpowiedz(3, {3, 0x0F});
  Zegar.Przesun(100);
  EXPECT_EQ(Sym->OdczytyTeraz().AktualnyMnoznik, 127);
  EXPECT_LE(Sym->OdczytyTeraz().CzasWtryskuBenzyny[0], 28) << "too rich on gas: the engine shortens petrol";
  Zegar.Przesun(1200);
  EXPECT_EQ(Sym->OdczytyTeraz().AktualnyMnoznik, 115);
  EXPECT_NEAR(Sym->OdczytyTeraz().CzasWtryskuBenzyny[0], 30, 1);

  Odpowiedz(2, {140, 32, 115, 25, 84});
  EXPECT_FALSE(Sym->KalibracjaTrwa());
  const TNastawy& n = Sym->Nastawy();
  EXPECT_EQ(n.CisnienieRobocze, 140);
  EXPECT_EQ(n.KalibCzasWtrysku, 32);
  EXPECT_EQ(n.KalibMnoznik, 115);
  EXPECT_EQ(n.KalibTempGazu, 25);
  EXPECT_EQ(n.CisnienieMinimalne, 84);

  Odpowiedz(37);
  Odpowiedz(5, {0});
  EXPECT_FALSE(Sym->KalibracjaTrwa()) << "STOP ends it too";
}

TEST_F(SymulatorTest, TheSameSeedRepeatsARunAndAnotherSeedDoesNot) {
  auto przebieg = [this](uint64_t ziarno) {
    TOpcjeSymulatora o;
    o.Ziarno = ziarno;
    o.Zaklocenia.Smieci = true;
    o.Zaklocenia.Dzielenie = true;
    Utworz(o);
    for (int i = 0; i < 30; ++i) {
      Wyslij(1, {1});
      Zegar.Przesun(100);
    }
    auto kawalki = Kawalki;
    Kawalki.clear();
    return kawalki;
  };
  const auto pierwszy = przebieg(7);
  EXPECT_EQ(przebieg(7), pierwszy);
  EXPECT_NE(przebieg(8), pierwszy);
}

// --- Faults on the way out ---

TEST_F(SymulatorTest, SplitFramesWithNoiseBetweenStillJoinIntoTheSameFrames) {
  TOpcjeSymulatora o;
  o.Zaklocenia.Dzielenie = true;
  o.Zaklocenia.Smieci = true;
  Utworz(o);
  std::vector<TTablicaByte> nienaruszone;
  Sym->WyjscieSymulatora().PoRamce = [&](const TTablicaByte& r, bool, bool) { nienaruszone.push_back(r); };
  for (int i = 0; i < 20; ++i) Wyslij(1, {1});
  Wyslij(12, {1});
  EXPECT_GT(Kawalki.size(), 2 * nienaruszone.size()) << "frames went out in pieces";
  const TTablicaByte strumien = Strumien();
  EXPECT_GT(strumien.size(), [&] {
    std::size_t s = 0;
    for (const auto& r : nienaruszone) s += r.size();
    return s;
  }()) << "with noise between them";
  EXPECT_EQ(PodzielNaRamki(strumien), nienaruszone);
}

TEST_F(SymulatorTest, DamageSparesTheFrameHeaderUnlessAsked) {
  TOpcjeSymulatora o;
  o.Zaklocenia.Uszkodzenie = 1.0;
  Utworz(o);
  const TTablicaByte ramka = Zapytaj();
  ASSERT_EQ(ramka.size(), 57u);
  EXPECT_EQ(ramka[0], 0xAA);
  EXPECT_EQ(ramka[2], 57);
  EXPECT_NE(ramka.back(), SumaKontrolna(std::span<const uint8_t>(ramka).first(56))) << "every other byte was hit";

  o.Zaklocenia.UszkadzajNaglowek = true;
  Utworz(o);
  Wyslij(1, {1});
  EXPECT_NE(Strumien().front(), 0xAA);
}

TEST_F(SymulatorTest, LostFramesAreNeverSent) {
  TOpcjeSymulatora o;
  o.Zaklocenia.Zgubienie = 0.5;
  Utworz(o);
  int zgubione = 0;
  Sym->WyjscieSymulatora().PoRamce = [&](const TTablicaByte&, bool zgubiona, bool) { zgubione += zgubiona; };
  for (int i = 0; i < 100; ++i) Wyslij(1, {1});
  EXPECT_GT(zgubione, 20);
  EXPECT_LT(zgubione, 80);
  EXPECT_EQ(static_cast<int>(Ramki().size()), 100 - zgubione);
}

TEST_F(SymulatorTest, AfterItsSilenceTheControllerAnswersNothing) {
  TOpcjeSymulatora o;
  o.CiszaPoMs = 2000;
  Utworz(o);
  Zegar.Przesun(1999);
  EXPECT_EQ(Kod(Zapytaj()), 1);
  Zegar.Przesun(1);
  Wyslij(1, {1});
  Wyslij(12, {1});
  EXPECT_TRUE(Kawalki.empty());
}

TEST_F(SymulatorTest, ADelayedAnswerComesFromTheClock) {
  TOpcjeSymulatora o;
  o.OpoznienieOdpowiedziMs = 20;
  Utworz(o);
  Wyslij(1, {1});
  EXPECT_TRUE(Kawalki.empty());
  Zegar.Przesun(19);
  EXPECT_TRUE(Kawalki.empty());
  Zegar.Przesun(1);
  EXPECT_EQ(Ramki().size(), 1u);
}

TEST_F(SymulatorTest, SpacedPiecesOfASplitFrameGoOutOnePerInterval) {
  TOpcjeSymulatora o;
  o.Zaklocenia.Dzielenie = true;
  o.OdstepKawalkowMs = 3;
  Utworz(o);
  Wyslij(1, {1});
  EXPECT_TRUE(Kawalki.empty());
  std::size_t bajty = 0;
  for (std::size_t i = 1; bajty < 57; ++i) {
    ASSERT_LT(i, 58u);
    Zegar.Przesun(3);
    ASSERT_EQ(Kawalki.size(), i) << "one piece per interval";
    bajty += Kawalki.back().size();
  }
  Zegar.Przesun(30);
  EXPECT_EQ(Ramki().size(), 1u);
}

TEST_F(SymulatorTest, CurrentErrorBytesComeFromTheOptions) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 19;
  o.BledyBiezace = {0xFB, 0xF7, 0xFE, 0x7F};
  Utworz(o);
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Dane.BledyBiezace, (std::array<uint8_t, 4>{0xFB, 0xF7, 0xFE, 0x7F}));
  Sym->UstawBledyBiezace({0xFF, 0xFF, 0xFF, 0xFF});
  Zapytaj();
  EXPECT_EQ(Sym->OstatnieDane().Dane.BledyBiezace, (std::array<uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF}));
}

// --- Update loader ---

TTablicaByte Obraz(std::size_t dlugosc) {
  TTablicaByte obraz(dlugosc);
  for (std::size_t i = 0; i < dlugosc; ++i) obraz[i] = static_cast<uint8_t>(i * 7 + 1);
  return obraz;
}

uint8_t Suma(const TTablicaByte& b, std::size_t od, std::size_t ile) {
  return SumaKontrolna(std::span<const uint8_t>(b).subspan(od, ile));
}

TEST_F(SymulatorTest, CommandEightThenF7AAOpensTheLoaderWhichAcknowledgesEachByteAlone) {
  Utworz(24);
  EXPECT_EQ(Kod(Odpowiedz(8, {8})), 8);
  Odbierz({0xF7, 0xAA});
  EXPECT_TRUE(Sym->Laduje());
  const TTablicaByte obraz = Obraz(100);
  for (uint8_t b : obraz) Odbierz({b});
  EXPECT_EQ(Kawalki, (std::vector<TTablicaByte>{{Suma(obraz, 0, 31)}, {Suma(obraz, 0, 64)}, {Suma(obraz, 64, 31)}}));
  Kawalki.clear();

  // Until the line has been quiet for a while every byte is image.
  Wyslij(1, {1});
  EXPECT_TRUE(Kawalki.empty());
  Zegar.Przesun(150);
  EXPECT_FALSE(Sym->WLadowarce()) << "the new firmware runs";
  EXPECT_EQ(Sym->OstatniaLadowarka()->LiczbaOdebranych(), 104u);
  EXPECT_EQ(Kod(Zapytaj()), 1);
}

TEST_F(SymulatorTest, CommandEightNotFollowedByF7AAChangesNothing) {
  Utworz(24);
  Odpowiedz(8, {8});
  Odbierz(ZbudujRamkeKomendy(1, TTablicaByte{1}));
  EXPECT_FALSE(Sym->WLadowarce());
  EXPECT_EQ(Ramki().size(), 1u);
  Odpowiedz(8, {1});
  Odbierz({0xF7, 0xAA});
  EXPECT_FALSE(Sym->WLadowarce()) << "only payload [8] asks for the loader";
}

TEST_F(SymulatorTest, StartingInTheLoaderItReportsCode200WithItsHeader) {
  TOpcjeSymulatora o;
  o.Naglowek = {12, 21, 14, {2019, 5, 17, 13, 45, 9}};
  o.StartWLadowarce = true;
  o.DlugoscObrazuLadowarki = 40;
  Utworz(o);
  for (uint8_t kod : {1, 12}) {
    const TTablicaByte ramka = Odpowiedz(kod, {1});
    EXPECT_EQ(Kod(ramka), TSymulatorSterownika::KodLadowarki);
    EXPECT_EQ(Dane(ramka), (TTablicaByte{12, 21, 0, 14}));
  }

  Odbierz({0xAA, 0x08, 0x08, 0xBA, 0xF7, 0xAA});
  EXPECT_TRUE(Kawalki.empty()) << "the loader does not answer the frame that starts the transfer";
  const TTablicaByte obraz = Obraz(40);
  Odbierz(obraz);  // a known length: the loader restarts after the last byte
  EXPECT_EQ(Kawalki, (std::vector<TTablicaByte>{{Suma(obraz, 0, 31)}}));
  Kawalki.clear();
  EXPECT_FALSE(Sym->WLadowarce());
  EXPECT_EQ(Kod(Zapytaj()), 1);
}

TEST_F(SymulatorTest, AnImageThatStopsShortLeavesTheControllerInItsLoader) {
  TOpcjeSymulatora o;
  o.DlugoscObrazuLadowarki = 1000;
  Utworz(o);
  Odpowiedz(8, {8});
  Odbierz({0xF7, 0xAA});
  Odbierz(Obraz(300));
  Kawalki.clear();
  Zegar.Przesun(o.CiszaRestartuLadowarkiMs);
  EXPECT_TRUE(Sym->WLadowarce());
  EXPECT_FALSE(Sym->Laduje());
  EXPECT_EQ(Kod(Zapytaj()), TSymulatorSterownika::KodLadowarki);
}

TEST_F(SymulatorTest, BadInputNeverUpsetsTheController) {
  // Random bytes with many start bytes, fed in random pieces, to every layout.
  TLosowe los(99);
  for (int firmware : {0, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 30, 255}) {
    Utworz(firmware);
    for (int i = 0; i < 200; ++i) {
      TTablicaByte kawalek(static_cast<std::size_t>(los.Calkowita(1, 64)));
      for (auto& b : kawalek) b = los.Zdarzenie(0.2) ? 0xAA : static_cast<uint8_t>(los.Calkowita(0, 255));
      Odbierz(kawalek);
      Zegar.Przesun(los.Calkowita(0, 120));
    }
    Kawalki.clear();
    Zegar.Przesun(1000);
    if (Sym->WLadowarce()) continue;  // the noise may well have held command 8 and F7 AA
    EXPECT_EQ(Kod(Zapytaj()), 1) << "firmware " << firmware;
  }
}

}  // namespace
}  // namespace wtrysk
