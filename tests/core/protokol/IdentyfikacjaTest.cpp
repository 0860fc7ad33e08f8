#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ObslugaRamekFixture.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {
namespace {

using Lista = std::vector<std::string>;

const std::string NieObsluguje = "Program nie obsługuje tej wersji oprogramowania w sterowniku";
const std::string WersjaNieznana = "Wersja oprogramowania nieznana";
const std::string WymagaWersji = "Sterownik gazu wymaga oprogramowania w wersji ";

bool Zawiera(const Lista& lista, const std::string& wpis) {
  return std::find(lista.begin(), lista.end(), wpis) != lista.end();
}

// --- Accepted controllers ---

struct TPrzypadekWersji {
  uint8_t Firmware;
  int Obsluga;  // the handler class that serves it
};

void PrintTo(const TPrzypadekWersji& p, std::ostream* os) { *os << "firmware " << int(p.Firmware); }

class WyborWersjiTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekWersji> {};

TEST_P(WyborWersjiTest, FirmwareIsServedByItsOwnOrTheNearestLowerHandler) {
  TNaglowekIdentyfikacji n;
  n.Firmware = GetParam().Firmware;
  Port.Odbierz(RamkaIdentyfikacji(n));

  ASSERT_NE(Obsluga.Wersja, nullptr);
  EXPECT_EQ(Obsluga.Wersja->NumerWersji, GetParam().Obsluga);
  EXPECT_EQ(Obsluga.NumerWersji(), GetParam().Obsluga);
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, GetParam().Firmware);
  EXPECT_TRUE(Model.Nastawy.NastawyOdebrane);
  EXPECT_FALSE(Obsluga.BlokadaWysylania);
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_TRUE(Skrzynka.Bledy.empty());
}

INSTANTIATE_TEST_SUITE_P(Wersje, WyborWersjiTest,
                         ::testing::Values(TPrzypadekWersji{15, 15}, TPrzypadekWersji{16, 16},
                                           TPrzypadekWersji{17, 17}, TPrzypadekWersji{18, 18},
                                           TPrzypadekWersji{19, 19}, TPrzypadekWersji{20, 20},
                                           TPrzypadekWersji{21, 21}, TPrzypadekWersji{22, 21},
                                           TPrzypadekWersji{23, 23}, TPrzypadekWersji{24, 24},
                                           TPrzypadekWersji{25, 24}, TPrzypadekWersji{26, 26},
                                           TPrzypadekWersji{30, 26}, TPrzypadekWersji{255, 26}));

TEST_F(ObslugaRamekTest, RequiredProgramVersionUpToOursIsAccepted) {
  for (uint16_t wymagana : {uint16_t{0}, uint16_t{13}, uint16_t{WersjaProgramuMinor}}) {
    SCOPED_TRACE(wymagana);
    Obsluga.Wersja.reset();
    TNaglowekIdentyfikacji n;
    n.WymaganaWersja = wymagana;
    Port.Odbierz(RamkaIdentyfikacji(n));
    EXPECT_NE(Obsluga.Wersja, nullptr);
    EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WymaganaWersjaProgramu, wymagana);
    EXPECT_TRUE(Port.Polaczony());
  }
  EXPECT_TRUE(Skrzynka.Bledy.empty());
}

struct TPrzypadekPaska {
  TNaglowekIdentyfikacji Naglowek;
  std::string Tekst;
  TDataCzas Data;
};

TEST_F(ObslugaRamekTest, StatusBarShowsVersionAndBuildDate) {
  TNaglowekIdentyfikacji pozna;
  TNaglowekIdentyfikacji wczesna;
  wczesna.Plytka = 7;
  wczesna.Firmware = 15;
  wczesna.Dzien = 1;
  wczesna.Miesiac = 2;
  wczesna.Rok = 2005;
  wczesna.Godzina = 3;
  wczesna.Minuta = 4;
  wczesna.Sekunda = 5;
  const std::vector<TPrzypadekPaska> przypadki{
      {pozna, "ver. 1.11.24   17.05.2019  13:45:09", {2019, 5, 17, 13, 45, 9}},
      {wczesna, "ver. 1.7.15   01.02.2005  03:04:05", {2005, 2, 1, 3, 4, 5}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Tekst);
    Okno.Dziennik.clear();
    Port.Odbierz(RamkaIdentyfikacji(p.Naglowek));
    EXPECT_TRUE(Zawiera(Okno.Dziennik, "UstawTekstPaskaStatusu 1 " + p.Tekst));
    EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.DataFirmware, p.Data);
  }
}

TEST_F(ObslugaRamekTest, FramesLongerThanTheLayoutAreAccepted) {
  TNaglowekIdentyfikacji n;
  n.Firmware = 21;
  TTablicaByte dane = DaneIdentyfikacji(n);
  dane.push_back(0x55);
  Port.Odbierz(RamkaIdentyfikacji(dane));
  EXPECT_NE(Obsluga.Wersja, nullptr);
  EXPECT_TRUE(Port.Polaczony());
}

// --- Refused controllers ---

struct TPrzypadekOdmowy {
  const char* Nazwa;
  std::function<void(TNaglowekIdentyfikacji&)> Zmiana;
  std::string Komunikat;
  bool DataNiepoprawna;
};

class OdmowaTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekOdmowy> {};

// A controller already served (a factory reset re-identifies it) so that the refusal is seen
// to free the old handler too.
TEST_P(OdmowaTest, ClosesTheLinkAndTellsWhy) {
  Identyfikuj(17);
  Model.Nastawy.NastawyOdebrane = false;
  TNaglowekIdentyfikacji n;
  GetParam().Zmiana(n);
  Port.Odbierz(RamkaIdentyfikacji(n, 38));

  EXPECT_EQ(Skrzynka.Bledy, Lista{GetParam().Komunikat});
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Obsluga.Wersja, nullptr);
  EXPECT_TRUE(Obsluga.BlokadaWysylania) << "stays set until the next successful identification";
  EXPECT_FALSE(Model.Nastawy.NastawyOdebrane);
  const auto zamkniecie = std::find(Okno.Dziennik.begin(), Okno.Dziennik.end(), "ZerujPanelPrzelacznikow");
  EXPECT_NE(zamkniecie, Okno.Dziennik.end());

  const TIdentyfikacjaSterownika& id = Obsluga.IdentyfikacjaSterownika;
  if (GetParam().DataNiepoprawna) {
    EXPECT_TRUE(Zawiera(Okno.Dziennik, "UstawTekstPaskaStatusu 1 " + WersjaNieznana));
    EXPECT_TRUE(id.NazwaWersji.empty());
    EXPECT_EQ(id.WersjaFirmware, 0);
    EXPECT_FALSE(id.DataFirmware.has_value());
  } else {
    EXPECT_EQ(id.NazwaWersji, "1.11");
    EXPECT_EQ(id.WersjaFirmware, n.Firmware);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Odmowy, OdmowaTest,
    ::testing::Values(
        TPrzypadekOdmowy{"Firmware14", [](auto& n) { n.Firmware = 14; }, NieObsluguje, false},
        TPrzypadekOdmowy{"Firmware0", [](auto& n) { n.Firmware = 0; }, NieObsluguje, false},
        TPrzypadekOdmowy{"Requires15", [](auto& n) { n.WymaganaWersja = 15; }, WymagaWersji + "1.15.x.x", false},
        TPrzypadekOdmowy{"Requires256", [](auto& n) { n.WymaganaWersja = 0x0100; }, WymagaWersji + "1.256.x.x",
                         false},
        TPrzypadekOdmowy{"Day0", [](auto& n) { n.Dzien = 0; }, NieObsluguje, true},
        TPrzypadekOdmowy{"Month13", [](auto& n) { n.Miesiac = 13; }, NieObsluguje, true},
        TPrzypadekOdmowy{"February29OfACommonYear",
                         [](auto& n) {
                           n.Dzien = 29;
                           n.Miesiac = 2;
                           n.Rok = 2019;
                         },
                         NieObsluguje, true},
        TPrzypadekOdmowy{"Year0", [](auto& n) { n.Rok = 0; }, NieObsluguje, true},
        TPrzypadekOdmowy{"Hour24", [](auto& n) { n.Godzina = 24; }, NieObsluguje, true},
        TPrzypadekOdmowy{"Second60", [](auto& n) { n.Sekunda = 60; }, NieObsluguje, true},
        // The program's version is checked before the firmware's.
        TPrzypadekOdmowy{"Day0AndRequires15",
                         [](auto& n) {
                           n.Dzien = 0;
                           n.WymaganaWersja = 15;
                         },
                         WymagaWersji + "1.15.x.x", true}),
    [](const ::testing::TestParamInfo<TPrzypadekOdmowy>& info) { return std::string(info.param.Nazwa); });

struct TPrzypadekKrotkiej {
  const char* Nazwa;
  uint8_t Firmware;
  std::function<std::size_t(std::size_t pelna)> Dlugosc;  // of the payload sent, from the full one
  bool NaglowekCaly;
};

class KrotkaRamkaTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekKrotkiej> {};

// The controller always sends its firmware's full layout; a shorter frame is damaged or comes
// from firmware that does not match its number. It is refused before the window or the
// settings are touched.
TEST_P(KrotkaRamkaTest, IsRefusedWithoutTouchingWindowOrSettings) {
  const TPrzypadekKrotkiej& p = GetParam();
  const std::string combo(Kontrolka::ZmianaCzujnikaCisKolCombo);
  Okno.Kontrolki[combo].Wlaczona = false;
  Model.Nastawy.Mapa.fill(9);
  TNaglowekIdentyfikacji n;
  n.Firmware = p.Firmware;
  TTablicaByte dane = DaneIdentyfikacji(n);
  for (std::size_t k = 0; k < Model.Nastawy.Mapa.size() && PozycjaNastawy(50 + k) < dane.size(); ++k) {
    dane[PozycjaNastawy(50 + k)] = 1;
  }
  dane.resize(p.Dlugosc(dane.size()));

  Port.Odbierz(RamkaIdentyfikacji(dane));

  EXPECT_EQ(Skrzynka.Bledy, Lista{NieObsluguje});
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Obsluga.Wersja, nullptr);
  EXPECT_FALSE(Model.Nastawy.NastawyOdebrane);
  EXPECT_EQ(std::count(Model.Nastawy.Mapa.begin(), Model.Nastawy.Mapa.end(), 9), 246);
  EXPECT_FALSE(Okno.Stan(combo).Wlaczona) << "the firmware's controls were not enabled";
  if (p.NaglowekCaly) {
    EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, p.Firmware);
  } else {
    EXPECT_TRUE(Zawiera(Okno.Dziennik, "UstawTekstPaskaStatusu 1 " + WersjaNieznana));
    EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, 0);
    EXPECT_TRUE(Obsluga.IdentyfikacjaSterownika.NazwaWersji.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Krotkie, KrotkaRamkaTest,
                         ::testing::Values(
                             TPrzypadekKrotkiej{"LastByteOfVersion17", 17, [](std::size_t d) { return d - 1; }, true},
                             TPrzypadekKrotkiej{"LastByteOfVersion24", 24, [](std::size_t d) { return d - 1; }, true},
                             TPrzypadekKrotkiej{"HistoryAndBlockOfVersion24", 24,
                                                [](std::size_t d) { return d - 255 - 16; }, true},
                             TPrzypadekKrotkiej{"HeaderOnly", 21, [](std::size_t) { return std::size_t{12}; }, true},
                             TPrzypadekKrotkiej{"HeaderWithoutItsLastByte", 21,
                                                [](std::size_t) { return std::size_t{11}; }, false},
                             TPrzypadekKrotkiej{"NoPayload", 21, [](std::size_t) { return std::size_t{0}; }, false}),
                         [](const ::testing::TestParamInfo<TPrzypadekKrotkiej>& info) {
                           return std::string(info.param.Nazwa);
                         });

// --- The steps of a successful identification ---

TEST_F(ObslugaRamekTest, SendLockIsHeldWhileTheSettingsReachTheControls) {
  std::vector<bool> blokadaPrzyZmianie;
  Okno.PoZmianie = [&](const std::string&) { blokadaPrzyZmianie.push_back(Obsluga.BlokadaWysylania); };
  bool blokadaPrzyUkladzie = false;
  bool odebranePrzyUkladzie = true;
  Obsluga.Zdarzenia.UlozRamkiCylindrow = [&](int pozycja) {
    blokadaPrzyUkladzie = Obsluga.BlokadaWysylania;
    odebranePrzyUkladzie = Model.Nastawy.NastawyOdebrane;
    Zapisz("UlozRamkiCylindrow " + std::to_string(pozycja));
  };
  bool blokadaPrzyProgach = false;
  bool odebranePrzyProgach = false;
  Obsluga.Zdarzenia.OdswiezProgiLed = [&] {
    blokadaPrzyProgach = Obsluga.BlokadaWysylania;
    odebranePrzyProgach = Model.Nastawy.NastawyOdebrane;
    Zapisz("OdswiezProgiLed");
  };

  TNaglowekIdentyfikacji n;
  n.Firmware = 15;
  TTablicaByte dane = DaneIdentyfikacji(n);
  dane[PozycjaNastawy(6)] = 3;  // cylinder-count item
  dane[PozycjaNastawy(7)] = 5;  // switch-over speed: the spin edit changes to 500
  Port.Odbierz(RamkaIdentyfikacji(dane));

  ASSERT_FALSE(blokadaPrzyZmianie.empty()) << "the decode changed no editor";
  EXPECT_TRUE(std::all_of(blokadaPrzyZmianie.begin(), blokadaPrzyZmianie.end(), [](bool b) { return b; }));
  EXPECT_TRUE(blokadaPrzyUkladzie);
  EXPECT_FALSE(odebranePrzyUkladzie);
  EXPECT_TRUE(blokadaPrzyProgach);
  EXPECT_TRUE(odebranePrzyProgach);
  EXPECT_FALSE(Obsluga.BlokadaWysylania);

  const auto uklad = std::find(Okno.Dziennik.begin(), Okno.Dziennik.end(), "UlozRamkiCylindrow 3");
  ASSERT_NE(uklad, Okno.Dziennik.end());
  EXPECT_EQ(Lista(uklad + 1, Okno.Dziennik.end()), Lista{"OdswiezProgiLed"});
}

TEST_F(ObslugaRamekTest, IdentificationStartsANewHistoryConnection) {
  TObszarHistorii obszar;
  obszar.Zapisz32(TObszarHistorii::PozCzasGazu, 1234);
  Historia.WczytajObszarOdpowiedzi(obszar);
  Identyfikuj(21);
  EXPECT_EQ(Historia.ObszarRoboczy().CzasGazu(), 0u);
}

TEST_F(ObslugaRamekTest, FactoryResetAnswerReplacesTheHandler) {
  Identyfikuj(17);
  TNaglowekIdentyfikacji n;
  n.Firmware = 22;
  Port.Odbierz(RamkaIdentyfikacji(n, 38));
  ASSERT_NE(Obsluga.Wersja, nullptr);
  EXPECT_EQ(Obsluga.Wersja->NumerWersji, 21);
  EXPECT_TRUE(Port.Polaczony());
}

}  // namespace
}  // namespace wtrysk
