#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "SymulatorWLaczuFixture.h"
#include "okno/NazwyKontrolek.h"
#include "protokol/TWersja15.h"
#include "wspolne/Zaokraglanie.h"

namespace wtrysk {
namespace {

const int WszystkieFirmware[] = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 30};

std::string NazwaFirmware(const ::testing::TestParamInfo<int>& info) { return "firmware" + std::to_string(info.param); }

std::vector<std::string> OczekiwanePunkty(const TBlokTablic& t, int uklad) {
  std::vector<std::string> punkty;
  for (int wiersz = 0; wiersz < 2; ++wiersz) {
    for (int j = 0; j < 5; ++j) {
      const int indeks = uklad >= 21 ? t.Start + j : (t.Start + j) % 256;
      punkty.push_back("ZapiszPunktTabeli " + std::to_string(wiersz) + " " + std::to_string(indeks) + " " +
                       std::to_string(t.Wartosci[static_cast<std::size_t>(wiersz)][static_cast<std::size_t>(j)]));
    }
  }
  return punkty;
}

// --- Every firmware: identification and live data ---

class KazdyFirmwareTest : public SymulatorWLaczuTest, public ::testing::WithParamInterface<int> {};

TEST_P(KazdyFirmwareTest, IdentificationAndLiveFramesDecodeToTheSimulatorsState) {
  const int firmware = GetParam();
  const int uklad = UkladFirmware(firmware);
  NastawyStartowe = NastawyRozne();
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = static_cast<uint8_t>(firmware);
  o.BledyBiezace = {0xFB, 0xF7, 0xFA, 0xFE};
  Polacz(o);
  Zegar.Przesun(200);

  ASSERT_NE(Obsluga.Wersja, nullptr) << (Skrzynka.Bledy.empty() ? "" : Skrzynka.Bledy.front());
  const TIdentyfikacjaSterownika& id = Obsluga.IdentyfikacjaSterownika;
  EXPECT_EQ(id.WersjaFirmware, firmware);
  EXPECT_EQ(id.NazwaWersji, "1.11");
  EXPECT_EQ(id.WymaganaWersjaProgramu, 14);
  EXPECT_EQ(id.DataFirmware, o.Naglowek.DataKompilacji);
  PorownajNastawy(Model.Nastawy, Sym->NastawyPoKorekcie(), uklad);
  if (uklad >= 18) {
    // The simulator's log: code 3, injector 1, code 9, whatever the layout does to the mask.
    const auto& linie = Okno.Stan(Kontrolka::BledyZarejestrowaneMemo).Linie;
    ASSERT_EQ(linie.size(), 3u);
    EXPECT_TRUE(linie[1].ends_with(":  1   ")) << linie[1];
  }
  if (uklad >= 24) {
    EXPECT_EQ(Model.DaneBiezace.Blok16, Sym->Pamiec().Blok16);
    for (std::size_t i = 0; i < Sym->Pamiec().ObszarHistorii.size(); ++i) {
      EXPECT_EQ(Historia.ObszarOdczytany().Bajt(i), Sym->Pamiec().ObszarHistorii[i]) << "history position " << i;
    }
  }

  Probki.clear();
  KolejneRamki(10);
  ASSERT_TRUE(WyslijIZaczekaj(3, {3, 0x2D}));
  KolejneRamki(20 - Probki.size());
  ASSERT_GE(Probki.size(), 20u);
  EXPECT_TRUE(std::any_of(Probki.begin(), Probki.end(), [](const auto& p) { return p.Program.NaGazie; }));
  for (const auto& p : Probki) {
    PorownajDane(p, uklad);
    if (PolaDanychBiezacych(uklad).Tablice) {
      EXPECT_EQ(p.PunktyTablic, OczekiwanePunkty(p.Sterownik.Tablice, uklad));
    }
  }
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_TRUE(Skrzynka.Bledy.empty());
}

// --- Every firmware: the settings image ---

TEST_P(KazdyFirmwareTest, ASettingsImageBuiltByTheProgramComesBackInTheNextIdentification) {
  const int firmware = GetParam();
  const int uklad = UkladFirmware(firmware);
  Polacz(firmware);
  Zegar.Przesun(200);
  ASSERT_NE(Obsluga.Wersja, nullptr);

  const TNastawy n = NastawyRozne();
  ASSERT_TRUE(WyslijIZaczekaj(26, Obsluga.Wersja->ObrazNastaw(n)));
  PorownajNastawy(Sym->Nastawy(), n, uklad);
  ASSERT_TRUE(WyslijIZaczekaj(12, {0}));
  PorownajNastawy(Model.Nastawy, n, uklad);
}

INSTANTIATE_TEST_SUITE_P(Symulator, KazdyFirmwareTest, ::testing::ValuesIn(WszystkieFirmware), NazwaFirmware);

TEST_F(SymulatorWLaczuTest, PendingMapCorrectionsOfAnImageAreFoldedIntoTheNextIdentification) {
  for (int firmware : {15, 24}) {
    SCOPED_TRACE("firmware " + std::to_string(firmware));
    Sym.reset();
    Port.Zamknij();
    Polacz(firmware);
    Zegar.Przesun(200);
    ASSERT_NE(Obsluga.Wersja, nullptr);

    TNastawy n = NastawyRozne();
    n.KorektaMapy[0] = -10;
    n.KorektaMapy[100] = 20;
    n.KorektaMapy[245] = -1;
    ASSERT_TRUE(WyslijIZaczekaj(26, Obsluga.Wersja->ObrazNastaw(n)));
    ASSERT_TRUE(WyslijIZaczekaj(12, {0}));
    for (std::size_t k : {0u, 100u, 245u, 50u}) {
      const double oczekiwana = n.Mapa[k] * (1.0 + n.KorektaMapy[k] / 100.0);
      EXPECT_NEAR(Model.Nastawy.Mapa[k], oczekiwana, 1.0) << "cell " << k;
    }
    EXPECT_EQ(Model.Nastawy.KorektaMapy, TKorektaMapy{}) << "folded, nothing left pending";
  }
}

// --- Settings commands ---

struct TPrzypadekNastawy {
  const char* Nazwa;
  int Firmware;
  uint8_t Kod;
  TTablicaByte Dane;
  int (*Pole)(const TNastawy&);
  int Oczekiwana;
};

void PrintTo(const TPrzypadekNastawy& p, std::ostream* os) { *os << p.Nazwa; }

class KomendaNastawyTest : public SymulatorWLaczuTest, public ::testing::WithParamInterface<TPrzypadekNastawy> {};

TEST_P(KomendaNastawyTest, ChangesTheControllerAndShowsInTheNextIdentification) {
  const TPrzypadekNastawy& p = GetParam();
  Polacz(p.Firmware);
  Zegar.Przesun(200);
  ASSERT_NE(Obsluga.Wersja, nullptr);
  ASSERT_NE(p.Pole(Model.Nastawy), p.Oczekiwana) << "the case must change something";

  ASSERT_TRUE(WyslijIZaczekaj(p.Kod, p.Dane)) << "answered with its own code";
  EXPECT_EQ(p.Pole(Sym->Nastawy()), p.Oczekiwana);
  ASSERT_TRUE(WyslijIZaczekaj(12, {0}));
  EXPECT_EQ(p.Pole(Model.Nastawy), p.Oczekiwana);
}

TTablicaByte Mapa246() {
  TTablicaByte m(246);
  for (std::size_t k = 0; k < m.size(); ++k) m[k] = static_cast<uint8_t>(200 - k / 2);
  return m;
}

// clang-format off
const TPrzypadekNastawy PrzypadkiNastaw[] = {
    {"ProgPrzelaczenia", 24, 9, {11}, [](const TNastawy& n) { return int(n.ProgPrzelaczenia); }, 11},
    {"IloscCylNaCewke", 24, 10, {4}, [](const TNastawy& n) { return int(n.IloscCylNaCewke); }, 4},
    {"ProgiPoziomu", 24, 13, {51, 102, 153, 204, 1}, [](const TNastawy& n) { return int(n.ProgiPoziomu[2]); }, 153},
    {"RodzajCzujnikaPoziomu", 20, 13, {51, 102, 153, 204, 1}, [](const TNastawy& n) { return int(n.RodzajCzujnikaPoziomu); }, 1},
    {"TypWtryskiwacza", 24, 14, {5}, [](const TNastawy& n) { return int(n.TypWtryskiwacza); }, 5},
    {"InjectorBitOfFirmware16", 16, 14, {1}, [](const TNastawy& n) { return n.Flagi & 1; }, 1},
    {"TempPrzelaczenia", 24, 15, {55}, [](const TNastawy& n) { return int(n.TempPrzelaczenia); }, 55},
    {"MaxObroty", 24, 17, {200}, [](const TNastawy& n) { return int(n.MaxObroty); }, 200},
    {"CzujnikCisnienia", 24, 18, {3}, [](const TNastawy& n) { return int(n.CzujnikCisnienia); }, 3},
    {"CzujnikTempReduktora", 26, 19, {5}, [](const TNastawy& n) { return int(n.CzujnikTempReduktora); }, 5},
    {"SygnalObrotow12V", 24, 23, {1}, [](const TNastawy& n) { return n.Flagi & 0x02; }, 0x02},
    {"CzujnikTempGazu", 24, 24, {3}, [](const TNastawy& n) { return int(n.CzujnikTempGazu); }, 3},
    {"IloscCylindrow", 24, 27, {7}, [](const TNastawy& n) { return int(n.IloscCylindrow); }, 7},
    {"CisnienieMinimalne", 24, 30, {150}, [](const TNastawy& n) { return int(n.CisnienieMinimalne); }, 150},
    {"CzasBleduCisnienia", 24, 31, {100}, [](const TNastawy& n) { return int(n.CzasBleduCisnienia); }, 100},
    {"SilnikTurbo", 24, 33, {1}, [](const TNastawy& n) { return n.Flagi & 0x08; }, 0x08},
    {"CzasPrzelaczenia", 21, 34, {120}, [](const TNastawy& n) { return int(n.CzasPrzelaczenia); }, 120},
    {"CzasPrzelaczeniaOfFirmware22", 22, 34, {100}, [](const TNastawy& n) { return int(n.CzasPrzelaczenia); }, 100},
    {"CzasPrzelaczenia16", 23, 34, {0x04, 0xB0}, [](const TNastawy& n) { return int(n.CzasPrzelaczenia16); }, 1200},
    {"CzasPrzelCylindra", 24, 35, {40}, [](const TNastawy& n) { return int(n.CzasPrzelCylindra); }, 40},
    {"CzasOtwZamWtr", 15, 36, {12}, [](const TNastawy& n) { return int(n.CzasOtwZamWtr); }, 12},
    {"CzujnikCisKolektora", 17, 39, {2}, [](const TNastawy& n) { return int(n.CzujnikCisKolektora); }, 2},
    {"SygnalCiagly", 18, 40, {1}, [](const TNastawy& n) { return n.Flagi & 0x20; }, 0x20},
    {"MapaZablokowana", 24, 41, {1}, [](const TNastawy& n) { return n.Flagi & 0x40; }, 0x40},
    {"CisnienieRobocze", 24, 43, {140}, [](const TNastawy& n) { return int(n.CisnienieRobocze); }, 140},
    {"WtrBenzSterPlusem", 19, 45, {1}, [](const TNastawy& n) { return n.Flagi & 0x80; }, 0x80},
    {"WylaczDlaPierwszegoBledu", 20, 46, {0}, [](const TNastawy& n) { return n.Flagi2 & 0x01; }, 0},
    {"CzasWylaczeniaPrzyBledzie", 20, 47, {9}, [](const TNastawy& n) { return int(n.CzasWylaczeniaPrzyBledzie); }, 9},
    {"CzasRozpOgraniczenia", 21, 48, {45}, [](const TNastawy& n) { return int(n.CzasRozpOgraniczenia); }, 45},
    {"PaliwoCNG", 23, 51, {1}, [](const TNastawy& n) { return n.Flagi2 & 0x02; }, 0x02},
    {"KorekcjaWtryskiwacza", 24, 53, {128, 128, 129, 128, 128, 128, 128, 96}, [](const TNastawy& n) { return n.KorekcjaWtryskiwacza[2] * 1000 + n.KorekcjaWtryskiwacza[7]; }, 129096},
    {"MinObrotyLPG", 24, 54, {15}, [](const TNastawy& n) { return int(n.MinObrotyLPG); }, 15},
    {"MinTempGazu", 24, 55, {0xE2}, [](const TNastawy& n) { return int(n.MinTempGazu); }, -30},
    {"WypelnienieOgraniczenia", 24, 56, {128}, [](const TNastawy& n) { return int(n.WypelnienieOgraniczenia); }, 128},
    {"TypSondyLambda", 24, 57, {1}, [](const TNastawy& n) { return int(n.TypSondyLambda); }, 1},
    {"ProgDetekcjiObrotow", 24, 58, {128}, [](const TNastawy& n) { return int(n.ProgDetekcjiObrotow); }, 128},
    {"WtryskRenix", 24, 61, {1}, [](const TNastawy& n) { return n.Flagi2 & 0x04; }, 0x04},
    {"Mapa", 18, 11, Mapa246(), [](const TNastawy& n) { return int(n.Mapa[100]); }, 150},
    {"ZakresMapy2", 24, 32, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 42, 255, 0, 0, 0, 0, 0, 0, 0}, [](const TNastawy& n) { return int(n.ZakresMapy2[1]); }, 42},
    {"WynikKalibracji", 24, 2, {140, 32, 120, 25, 84}, [](const TNastawy& n) { return n.KalibMnoznik * 1000 + n.CisnienieMinimalne; }, 120084},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Symulator, KomendaNastawyTest, ::testing::ValuesIn(PrzypadkiNastaw),
                         [](const ::testing::TestParamInfo<TPrzypadekNastawy>& info) { return std::string(info.param.Nazwa); });

TEST_F(SymulatorWLaczuTest, FactoryResetAnswersWithIdentificationOfTheDefaults) {
  NastawyStartowe = NastawyRozne();
  Polacz(21);
  Zegar.Przesun(200);
  ASSERT_EQ(Model.Nastawy.TempPrzelaczenia, 41);
  ASSERT_TRUE(WyslijIZaczekaj(38, {}));
  TNastawy domyslne;
  NastawyDomyslne(domyslne);
  PorownajNastawy(Model.Nastawy, domyslne, 21);
  EXPECT_EQ(Rejestrator.Ramki.back()[3], 38);
}

// --- Identities the program refuses ---

TEST_F(SymulatorWLaczuTest, TheProgramRefusesAnOldFirmwareAndOneThatNeedsANewerProgram) {
  struct {
    int Firmware;
    uint16_t Wymaga;
    std::string Komunikat;
  } przypadki[] = {
      {14, 14, Komunikaty.PobierzKomunikat(33)},
      {24, 15, Komunikaty.PobierzKomunikat(5) + "1.15.x.x"},
  };
  for (const auto& p : przypadki) {
    Sym.reset();
    Port.Zamknij();
    Skrzynka.Bledy.clear();
    TOpcjeSymulatora o;
    o.Naglowek.Firmware = static_cast<uint8_t>(p.Firmware);
    o.Naglowek.WymaganaWersja = p.Wymaga;
    o.OpoznienieOdpowiedziMs = 5;  // the answer comes after the write, as on a real line
    Polacz(o);
    Zegar.Przesun(200);
    EXPECT_FALSE(Port.Polaczony());
    EXPECT_EQ(Skrzynka.Bledy, std::vector<std::string>{p.Komunikat});
  }
}

// --- Faults ---

TEST_F(SymulatorWLaczuTest, ADamagedSplitNoisyLossyStreamStillDeliversEveryIntactFrame) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 21;
  o.Ziarno = 4242;
  o.Zaklocenia = {.Zgubienie = 0.05, .Uszkodzenie = 0.003, .UszkadzajNaglowek = false, .Dzielenie = true, .Smieci = true};
  Polacz(o);
  std::vector<TTablicaByte> nienaruszone;
  int zgubione = 0, uszkodzone = 0;
  Sym->WyjscieSymulatora().PoRamce = [&](const TTablicaByte& ramka, bool zgubiona, bool uszkodzona) {
    zgubione += zgubiona;
    uszkodzone += uszkodzona;
    if (!zgubiona && !uszkodzona) nienaruszone.push_back(ramka);
  };
  Zegar.Przesun(30000);

  EXPECT_GT(zgubione, 0);
  EXPECT_GT(uszkodzone, 0);
  ASSERT_GT(nienaruszone.size(), 200u);
  EXPECT_EQ(Rejestrator.Ramki, nienaruszone) << "every intact frame and nothing else reached the dispatcher";
  ASSERT_NE(Obsluga.Wersja, nullptr);
  ASSERT_FALSE(Probki.empty());
  for (const auto& p : Probki) PorownajDane(p, 21);
  EXPECT_TRUE(Port.Polaczony());
}

TEST_F(SymulatorWLaczuTest, AControllerFallingSilentClosesTheLinkWithMessage18SevenSecondsLater) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 24;
  o.CiszaPoMs = 2000;
  Polacz(o);
  Zegar.Przesun(1900);
  ASSERT_NE(Obsluga.Wersja, nullptr);
  const std::size_t ramki = Rejestrator.Ramki.size();
  Zegar.Przesun(7000);  // 8.9 s: the last answer came at about 2 s
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_LE(Rejestrator.Ramki.size(), ramki + 1);
  Zegar.Przesun(300);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Skrzynka.Bledy, std::vector<std::string>{Komunikaty.PobierzKomunikat(18)});
}

// --- History area ---

TEST_F(SymulatorWLaczuTest, TheConnectionRecordedByTheProgramIsWrittenBackIntoTheController) {
  Polacz(24);
  Zegar.Przesun(200);
  ASSERT_NE(Obsluga.Wersja, nullptr);
  const TTablicaByte pusty(11, 0);
  const auto& obszar = Sym->Pamiec().ObszarHistorii;
  ASSERT_TRUE(std::equal(pusty.begin(), pusty.end(), obszar.begin() + 43));

  Zegar.Przesun(3500);  // the history object writes back three seconds after identification
  // First connection: year 2026 (little-endian), January 1st, 12:00:0x, then this PC's code.
  EXPECT_EQ(obszar[43], 2026 & 0xFF);
  EXPECT_EQ(obszar[44], 2026 >> 8);
  EXPECT_EQ(obszar[45], 1);
  EXPECT_EQ(obszar[46], 1);
  EXPECT_EQ(obszar[47], 12);
  EXPECT_EQ((std::array<uint8_t, 4>{obszar[50], obszar[51], obszar[52], obszar[53]}),
            (std::array<uint8_t, 4>{0xCD, 0xAB, 0x34, 0x12}));
  EXPECT_EQ(Historia.ObszarRoboczy().Bajt(50), 0xCD) << "the answer to command 59 went back into the program";
}

// --- Idle calibration, driven like the program's calibration steps ---

TEST_F(SymulatorWLaczuTest, AnIdleCalibrationRunCompletesWithTheMultiplierTheEngineNeeds) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 24;
  o.Silnik.MnoznikIdealny = 136;
  Polacz(o);
  Zegar.Przesun(200);
  ASSERT_NE(Obsluga.Wersja, nullptr);

  ASSERT_TRUE(WyslijIZaczekaj(37, {}));
  ASSERT_TRUE(WyslijIZaczekaj(3, {2, 0x0F}));

  // The reducer must hold 50 degrees for 12 frames.
  int cieple = 0;
  for (int ramka = 0; cieple < 12; ++ramka) {
    ASSERT_LT(ramka, 600) << "the reducer never warmed up";
    cieple = KolejneRamki(1).back().Program.TempReduktora >= 50 ? cieple + 1 : 0;
  }

  // The band of the petrol time on petrol.
  int czasMin = 255, czasMax = 0;
  for (const auto& p : KolejneRamki(101)) {
    ASSERT_GE(p.Program.Obroty, 5);
    ASSERT_GE(p.Program.CisnienieKolektora, 20);
    ASSERT_LE(p.Program.CisnienieKolektora, 60);
    czasMin = std::min<int>(czasMin, p.Program.CzasWtryskuBenzyny[0]);
    czasMax = std::max<int>(czasMax, p.Program.CzasWtryskuBenzyny[0]);
  }
  const int polowa = static_cast<int>(Zaokraglij((czasMax - czasMin) / 2.0));
  const int tolerancja = polowa != 0 ? static_cast<int>(Zaokraglij((czasMax - czasMin) / 2.0 + 1)) : 1;
  const int srodek = static_cast<int>(Zaokraglij((czasMax + czasMin) / 2.0));
  uint8_t mnoznik = 128;
  ASSERT_TRUE(WyslijIZaczekaj(25, {static_cast<uint8_t>(srodek), static_cast<uint8_t>(tolerancja), mnoznik}));

  // Multiplier steps: cylinder 1, then 1 and 3, then all four; each ends after 102 frames in a
  // row inside the band, within 901 frames.
  for (uint8_t maska : {0x01, 0x05, 0x0F}) {
    ASSERT_TRUE(WyslijIZaczekaj(3, {3, maska}));
    int stabilne = 0, ramki = 0;
    while (stabilne <= 100) {
      ASSERT_LE(++ramki, 901) << "the multiplier did not settle with mask " << int(maska);
      const TProbka p = KolejneRamki(1).back();
      ASSERT_GE(p.Program.CisnienieGazu, 50);
      ASSERT_LE(p.Program.CisnienieGazu, 160);
      const int t = p.Program.CzasWtryskuBenzyny[0];
      stabilne = (t >= srodek - tolerancja && t <= srodek + tolerancja) ? stabilne + 1 : 0;
    }
    mnoznik = Model.DaneBiezace.AktualnyMnoznik;
  }
  EXPECT_EQ(mnoznik, 136);
  ASSERT_GT(Model.DaneBiezace.TempGazu, 0);

  const uint8_t cisnienie = static_cast<uint8_t>(Model.DaneBiezace.CisnienieGazu);
  ASSERT_TRUE(WyslijIZaczekaj(2, {cisnienie, static_cast<uint8_t>(srodek), mnoznik,
                                  static_cast<uint8_t>(Model.DaneBiezace.TempGazu),
                                  static_cast<uint8_t>(std::min<int64_t>(Zaokraglij(cisnienie * 0.6), 255))}));
  ASSERT_TRUE(WyslijIZaczekaj(12, {0}));
  EXPECT_EQ(Model.Nastawy.KalibMnoznik, 136);
  EXPECT_EQ(Model.Nastawy.KalibCzasWtrysku, srodek);
  EXPECT_FALSE(Sym->KalibracjaTrwa());
}

// --- Firmware update, driven like the program's updater ---

TEST_F(SymulatorWLaczuTest, TheLoaderAcknowledgesATransferExactlyAsTheUpdaterWaitsForIt) {
  TOpcjeSymulatora o;
  o.Naglowek.Firmware = 24;
  o.RozmiarBlokuLadowarki = 64;
  o.OpoznienieOdpowiedziMs = 5;  // acknowledgements arrive after the updater has begun to wait
  Polacz(o);
  Zegar.Przesun(200);
  ASSERT_NE(Obsluga.Wersja, nullptr);

  ASSERT_TRUE(WyslijIZaczekaj(8, {8}));
  ASSERT_TRUE(Port.CzyBezczynny());
  const uint8_t start[] = {0xF7, 0xAA};
  Port.ZapiszBajty(start, 2);

  TTablicaByte obraz(1000);
  for (std::size_t i = 0; i < obraz.size(); ++i) obraz[i] = static_cast<uint8_t>(i * 13 + 0xAA);
  const int blok = 64;
  uint8_t suma = 0;
  int pozycja = 0, potwierdzenia = 0;
  for (uint8_t b : obraz) {
    Port.ZapiszBajty(&b, 1);
    suma = static_cast<uint8_t>(suma + b);
    for (bool czeka : {pozycja == blok - 1, pozycja == 30}) {
      if (!czeka) continue;
      std::optional<bool> wynik;
      Port.CzekajNaPotwierdzenie(suma, [&wynik](bool ok) { wynik = ok; });
      for (int ms = 0; !wynik && ms < 100; ++ms) Zegar.Przesun(1);
      ASSERT_EQ(wynik, std::optional<bool>(true)) << "acknowledgement after image byte " << potwierdzenia;
      ++potwierdzenia;
    }
    if (++pozycja == blok) {
      pozycja = 0;
      suma = 0;
    }
  }
  EXPECT_EQ(potwierdzenia, 2 * 15 + 1);  // 15 whole blocks, and the 31st byte of the last part
  EXPECT_EQ(Sym->OstatniaLadowarka()->Obraz(), obraz);

  Port.Zamknij();
  Zegar.Przesun(100);
  Port.Otworz();
  Zegar.Przesun(1000);
  EXPECT_FALSE(Sym->WLadowarce());
  EXPECT_NE(Obsluga.Wersja, nullptr) << "the controller is identified again after its restart";
}

TEST_F(SymulatorWLaczuTest, AControllerWaitingInItsLoaderIsReportedToTheProgram) {
  TOpcjeSymulatora o;
  o.Naglowek = {12, 23, 14, {2019, 5, 17, 13, 45, 9}};
  o.StartWLadowarce = true;
  o.OpoznienieOdpowiedziMs = 5;
  Polacz(o);
  Zegar.Przesun(200);
  EXPECT_TRUE(Skrzynka.Bledy.empty());
  EXPECT_TRUE(Obsluga.TrybBootloadera);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_TRUE(Okno.OknoAktualizacjiOtwarte);
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.NazwaWersji, "1.12");
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, 23);
}

}  // namespace
}  // namespace wtrysk
