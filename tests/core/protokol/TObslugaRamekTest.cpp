#include "protokol/TObslugaRamek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "ObslugaRamekFixture.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {
namespace {

using Lista = std::vector<std::string>;

const std::string WylaczSilnik = "Wyłącz silnik !!!";

bool Zawiera(const Lista& lista, const std::string& wpis) {
  return std::find(lista.begin(), lista.end(), wpis) != lista.end();
}

// --- Connection state ---

TEST_F(ObslugaRamekTest, FirstFrameOfAConnectionClearsDisconnectedAndRedrawsTheStatusBarOnce) {
  ASSERT_TRUE(Port.BrakPolaczenia());
  Odbierz(99);
  EXPECT_FALSE(Port.BrakPolaczenia());
  EXPECT_EQ(Okno.Dziennik, (Lista{"TimerOdchylki 1", "OdswiezPasekStatusu"}));

  Okno.Dziennik.clear();
  Odbierz(99);
  EXPECT_EQ(Okno.Dziennik, Lista{"TimerOdchylki 1"}) << "later frames only keep the deviation timer running";

  Port.Zamknij();
  Port.Otworz();
  ASSERT_TRUE(Port.BrakPolaczenia());
  Okno.Dziennik.clear();
  Odbierz(99);
  EXPECT_EQ(Okno.Dziennik, (Lista{"TimerOdchylki 1", "OdswiezPasekStatusu"})) << "each connection has a first frame";
}

TEST_F(ObslugaRamekTest, ClosingTheLinkShowsDisconnectedAndFreesTheHandler) {
  Identyfikuj(17);
  Port.Zamknij();
  EXPECT_EQ(Okno.Dziennik, (Lista{"OdswiezPasekStatusu", "ZerujPanelPrzelacznikow", "TimerOdchylki 0"}));
  EXPECT_EQ(Obsluga.Wersja, nullptr);
  EXPECT_FALSE(Obsluga.NumerWersji().has_value());
}

TEST_F(ObslugaRamekTest, ConnectionStartUndoesTheFirmwaresWindowAdjustments) {
  const std::string combo(Kontrolka::ZmianaCzujnikaCisKolCombo);
  Okno.Kontrolki[combo].Wlaczona = false;  // as designed; firmware 17 enables it
  Identyfikuj(17);
  ASSERT_TRUE(Okno.Stan(combo).Wlaczona);

  Port.Zamknij();
  EXPECT_TRUE(Okno.Stan(combo).Wlaczona) << "closing alone leaves the window as it is";
  Okno.Dziennik.clear();
  Port.Otworz();
  EXPECT_FALSE(Okno.Stan(combo).Wlaczona);
  EXPECT_TRUE(Zawiera(Okno.Dziennik, "ZerujOdchylki"));
  EXPECT_TRUE(Zawiera(Okno.Dziennik, "NowePolaczenie"));
}

// --- Dispatch by response code ---

struct TPrzypadekKodu {
  const char* Nazwa;
  TTablicaByte Ramka;
  Lista Oczekiwane;  // after "TimerOdchylki 1"
};

TTablicaByte Ramka(uint8_t kod, TTablicaByte dane = {}) { return ZbudujRamkeOdpowiedzi(kod, dane); }

// The link is already known to be up, so each row shows only what its code does to the window
// and the hooks. No version handler exists.
class KodOdpowiedziTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekKodu> {};

TEST_P(KodOdpowiedziTest, ReachesItsConsumer) {
  Odbierz(99);
  Okno.Dziennik.clear();
  Port.Odbierz(GetParam().Ramka);
  Lista oczekiwane{"TimerOdchylki 1"};
  oczekiwane.insert(oczekiwane.end(), GetParam().Oczekiwane.begin(), GetParam().Oczekiwane.end());
  EXPECT_EQ(Okno.Dziennik, oczekiwane);
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_TRUE(Skrzynka.Bledy.empty());
}

const std::string Hex(Kontrolka::RejestrWartoscHexLabel);
const std::string Dec(Kontrolka::RejestrWartoscIntLabel);

INSTANTIATE_TEST_SUITE_P(
    Kody, KodOdpowiedziTest,
    ::testing::Values(
        TPrzypadekKodu{"LiveDataWithoutHandler", Ramka(1), {"OdswiezWidok", "ProbkaOscyloskopu", "SprawdzKrokKalibracji"}},
        TPrzypadekKodu{"Register255", Ramka(29, {255}), {"UstawTekst " + Hex + " FF", "UstawTekst " + Dec + " 255"}},
        TPrzypadekKodu{"Register10", Ramka(29, {10, 99}), {"UstawTekst " + Hex + " 0A", "UstawTekst " + Dec + " 10"}},
        TPrzypadekKodu{"Register0", Ramka(29, {0}), {"UstawTekst " + Hex + " 00", "UstawTekst " + Dec + " 0"}},
        TPrzypadekKodu{"RegisterWithoutValue", Ramka(29), {}},
        TPrzypadekKodu{"MapBlock", Ramka(20, TTablicaByte(246, 7)), {}},
        TPrzypadekKodu{"SerialBlock", Ramka(52, TTablicaByte(16, 7)), {}},
        TPrzypadekKodu{"HistoryWriteWithoutHandler", Ramka(59, TTablicaByte(255, 7)), {}},
        TPrzypadekKodu{"HistoryReadWithoutHandler", Ramka(60, TTablicaByte(255, 7)), {}},
        TPrzypadekKodu{"FuelSwitchAnswer", Ramka(3, {3, 15}), {}},
        TPrzypadekKodu{"SettingChangeAnswer", Ramka(27, {4}), {}},
        TPrzypadekKodu{"Code0", Ramka(0), {}},
        TPrzypadekKodu{"Code255", Ramka(255, {1, 2, 3}), {}},
        // The shortest frame the link passes: its byte 3 is the checksum, not a code.
        TPrzypadekKodu{"NoCode", TTablicaByte{0xAA, 0x00, 0x04, 0xAE}, {}}),
    [](const ::testing::TestParamInfo<TPrzypadekKodu>& info) { return std::string(info.param.Nazwa); });

TEST_F(ObslugaRamekTest, IdentificationAnswersAreBothCodes) {
  for (uint8_t kod : {uint8_t{12}, uint8_t{38}}) {
    SCOPED_TRACE(int(kod));
    Obsluga.Wersja.reset();
    TNaglowekIdentyfikacji n;
    n.Firmware = 21;
    Port.Odbierz(RamkaIdentyfikacji(n, kod));
    ASSERT_NE(Obsluga.Wersja, nullptr);
    EXPECT_EQ(Obsluga.Wersja->NumerWersji, 21);
  }
}

// --- Live data ---

TTablicaByte DaneBiezace15(uint8_t obroty, std::size_t dlugosc = 30) {
  TTablicaByte dane(dlugosc, 0);
  if (dlugosc > 17) dane[17] = obroty;
  return dane;
}

TEST_F(ObslugaRamekTest, LiveDataIsDecodedBeforeTheViewAndTheHooksSeeIt) {
  Identyfikuj(15);
  int obrotyWProbce = -1;
  Obsluga.Zdarzenia.ProbkaOscyloskopu = [&] {
    obrotyWProbce = Model.DaneBiezace.Obroty;
    Zapisz("ProbkaOscyloskopu");
  };
  Odbierz(1, DaneBiezace15(25));
  EXPECT_EQ(Model.DaneBiezace.Obroty, 25);
  EXPECT_EQ(obrotyWProbce, 25);
  EXPECT_EQ(Okno.Dziennik, (Lista{"TimerOdchylki 1", "OdswiezWidok", "ProbkaOscyloskopu", "SprawdzKrokKalibracji"}));
}

TEST_F(ObslugaRamekTest, LiveFrameShorterThanTheLayoutChangesAndRedrawsNothing) {
  Identyfikuj(15);
  Odbierz(1, DaneBiezace15(25, 29));
  EXPECT_EQ(Model.DaneBiezace.Obroty, 0);
  EXPECT_EQ(Okno.Dziennik, Lista{"TimerOdchylki 1"});
}

// --- Map block and serial block ---

TEST_F(ObslugaRamekTest, MapBlockCopiesPayloadBytes0To245IntoTheMap) {
  Model.Nastawy.KorektaMapy[0] = 5;  // the field after the map must not be touched
  TTablicaByte dane(247);
  for (std::size_t i = 0; i < dane.size(); ++i) dane[i] = static_cast<uint8_t>(i + 1);
  Odbierz(20, dane);
  for (std::size_t k = 0; k < Model.Nastawy.Mapa.size(); ++k) {
    ASSERT_EQ(Model.Nastawy.Mapa[k], static_cast<uint8_t>(k + 1)) << "cell " << k;
  }
  EXPECT_EQ(Model.Nastawy.KorektaMapy[0], 5);
}

TEST_F(ObslugaRamekTest, ShortBlocksChangeNothing) {
  Model.Nastawy.Mapa.fill(9);
  Model.DaneBiezace.Blok16.fill(9);
  Odbierz(20, TTablicaByte(245, 1));
  Odbierz(52, TTablicaByte(15, 1));
  EXPECT_EQ(std::count(Model.Nastawy.Mapa.begin(), Model.Nastawy.Mapa.end(), 9), 246);
  EXPECT_EQ(std::count(Model.DaneBiezace.Blok16.begin(), Model.DaneBiezace.Blok16.end(), 9), 16);
}

TEST_F(ObslugaRamekTest, SerialBlockStoresSixteenBytesInOrder) {
  TTablicaByte dane(17);
  for (std::size_t i = 0; i < dane.size(); ++i) dane[i] = static_cast<uint8_t>(0xA0 + i);
  Odbierz(52, dane);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(Model.DaneBiezace.Blok16[i], 0xA0 + i) << i;
}

// --- History area answers ---

struct TPrzypadekHistorii {
  uint8_t Firmware;
  uint8_t Kod;
  std::size_t Dlugosc;
  bool Wczytany;
};

void PrintTo(const TPrzypadekHistorii& p, std::ostream* os) {
  *os << "firmware " << int(p.Firmware) << ", code " << int(p.Kod) << ", " << p.Dlugosc << " bytes";
}

class OdpowiedzHistoriiTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekHistorii> {};

// The wire carries positions 1 to 254 first and position 0 last.
TEST_P(OdpowiedzHistoriiTest, ReachesTheHistoryObjectOnlyThroughAHandlerThatKnowsTheArea) {
  const TPrzypadekHistorii& p = GetParam();
  Identyfikuj(p.Firmware);
  const TObszarHistorii przed = Historia.ObszarRoboczy();
  const int odswiezenPrzed = OtoczenieHistorii.LiczbaOdswiezen;
  TTablicaByte dane(p.Dlugosc);
  for (std::size_t i = 0; i < dane.size(); ++i) dane[i] = static_cast<uint8_t>(i + 1);

  Odbierz(p.Kod, dane);

  if (p.Wczytany) {
    EXPECT_EQ(Historia.ObszarRoboczy().Bajt(1), 1);
    EXPECT_EQ(Historia.ObszarRoboczy().Bajt(254), 254);
    EXPECT_EQ(Historia.ObszarRoboczy().Bajt(0), 255);
    EXPECT_EQ(OtoczenieHistorii.LiczbaOdswiezen, odswiezenPrzed + 1);
  } else {
    EXPECT_EQ(Historia.ObszarRoboczy(), przed);
    EXPECT_EQ(OtoczenieHistorii.LiczbaOdswiezen, odswiezenPrzed);
  }
  EXPECT_TRUE(Port.Polaczony());
}

INSTANTIATE_TEST_SUITE_P(Historia, OdpowiedzHistoriiTest,
                         ::testing::Values(TPrzypadekHistorii{24, 59, 255, true},
                                           TPrzypadekHistorii{24, 60, 255, true},
                                           TPrzypadekHistorii{26, 60, 256, true},
                                           TPrzypadekHistorii{24, 60, 254, false},
                                           TPrzypadekHistorii{23, 60, 255, false},
                                           TPrzypadekHistorii{21, 59, 255, false},
                                           TPrzypadekHistorii{15, 60, 255, false}));

// --- Update loader ---

TEST_F(ObslugaRamekTest, UpdateLoaderClosesTheLinkReadsItsHeaderAndOffersTheUpdate) {
  Identyfikuj(24);  // dated 17.05.2019 13:45:09
  Odbierz(200, {12, 26, 0, 15});

  EXPECT_TRUE(Obsluga.TrybBootloadera);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Obsluga.Wersja, nullptr);
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.NazwaWersji, "1.12");
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, 26);
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WymaganaWersjaProgramu, 15);
  EXPECT_TRUE(Skrzynka.Bledy.empty()) << "a program too old for the firmware may still update it";

  const auto otwarcie = std::find(Okno.Dziennik.begin(), Okno.Dziennik.end(), "OtworzOknoAktualizacji");
  ASSERT_NE(otwarcie, Okno.Dziennik.end());
  EXPECT_EQ(Lista(otwarcie + 1, Okno.Dziennik.end()),
            (Lista{"UstawTekst SWersjaLabel 1.12.26", "UstawTekst SDataLabel 17.05.2019  13:45:09",
                   "UstawTekst AWersjaLabel - - -", "UstawTekst ADataLabel - - -", "WyczyscLinie OpisMemo",
                   "DodajLinie OpisMemo Brak opisu", "UstawWartosc postep 0"}));
  EXPECT_TRUE(Zawiera(Lista(Okno.Dziennik.begin(), otwarcie), "OdswiezPasekStatusu"))
      << "the link is closed before the offer";
}

TEST_F(ObslugaRamekTest, UpdateOfferWithoutABuildDateLeavesTheDateLabel) {
  Odbierz(200, {11, 24, 0, 14});
  EXPECT_TRUE(Zawiera(Okno.Dziennik, "UstawTekst SWersjaLabel 1.11.24"));
  EXPECT_TRUE(std::none_of(Okno.Dziennik.begin(), Okno.Dziennik.end(),
                           [](const std::string& w) { return w.starts_with("UstawTekst SDataLabel"); }));
}

TEST_F(ObslugaRamekTest, UpdateLoaderWithoutAHeaderLeavesTheControllerUnidentified) {
  Identyfikuj(24);
  Odbierz(200, {12, 26});
  EXPECT_TRUE(Obsluga.TrybBootloadera);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_TRUE(Obsluga.IdentyfikacjaSterownika.NazwaWersji.empty());
  EXPECT_EQ(Obsluga.IdentyfikacjaSterownika.WersjaFirmware, 0);
  EXPECT_FALSE(Obsluga.IdentyfikacjaSterownika.DataFirmware.has_value());
  EXPECT_TRUE(Okno.OknoAktualizacjiOtwarte);
}

TEST_F(ObslugaRamekTest, UpdateWindowAlreadyOpenIsNotRefilled) {
  Okno.OknoAktualizacjiOtwarte = true;
  Odbierz(200, {12, 26, 0, 15});
  EXPECT_TRUE(std::none_of(Okno.Dziennik.begin(), Okno.Dziennik.end(),
                           [](const std::string& w) { return w.starts_with("UstawTekst"); }));
}

struct TPrzypadekSilnika {
  uint8_t Obroty;
  bool Stacyjka;
  bool Odmowa;
};

void PrintTo(const TPrzypadekSilnika& p, std::ostream* os) {
  *os << "rpm byte " << int(p.Obroty) << (p.Stacyjka ? ", ignition on" : ", ignition off");
}

class OfertaAktualizacjiTest : public ObslugaRamekTest, public ::testing::WithParamInterface<TPrzypadekSilnika> {};

TEST_P(OfertaAktualizacjiTest, IsRefusedOnlyWhileTheEngineTurnsWithTheIgnitionOn) {
  Model.DaneBiezace.Obroty = GetParam().Obroty;
  Model.DaneBiezace.Stacyjka = GetParam().Stacyjka;
  Odbierz(200, {12, 26, 0, 15});
  EXPECT_TRUE(Obsluga.TrybBootloadera);
  EXPECT_FALSE(Port.Polaczony());
  if (GetParam().Odmowa) {
    EXPECT_EQ(Skrzynka.Bledy, Lista{WylaczSilnik});
    EXPECT_FALSE(Okno.OknoAktualizacjiOtwarte);
  } else {
    EXPECT_TRUE(Skrzynka.Bledy.empty());
    EXPECT_TRUE(Okno.OknoAktualizacjiOtwarte);
  }
}

INSTANTIATE_TEST_SUITE_P(Silnik, OfertaAktualizacjiTest,
                         ::testing::Values(TPrzypadekSilnika{0, false, false}, TPrzypadekSilnika{0, true, false},
                                           TPrzypadekSilnika{8, false, false}, TPrzypadekSilnika{8, true, true},
                                           TPrzypadekSilnika{255, true, true}));

}  // namespace
}  // namespace wtrysk
