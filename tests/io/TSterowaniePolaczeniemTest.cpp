#include "io/TSterowaniePolaczeniem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "TFolderTymczasowy.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TOtoczenieNagrywajace.h"
#include "TUrzadzenieFtdiTestowe.h"
#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "io/TListaPortow.h"
#include "io/TMapaPortowCom.h"
#include "io/TPortCOM.h"
#include "io/TPortUSB.h"
#include "io/TUsbFtdi.h"

namespace wtrysk {
namespace {

const std::vector<uint8_t> Identyfikacja{0xAA, 0x0C, 0x01, 0xB7};

// Connection control on a virtual clock, over two FTDI cables on the fake bus and a data
// folder of its own. Every new port is wired to one recording dispatcher, and the wiring is
// logged.
class TSterowaniePolaczeniemTest : public ::testing::Test {
public:
  TSterowaniePolaczeniemTest() {
    Usb.UsbPokazBledy = false;
    Szyna.Podlacz("A1", "Kabel A");
    Szyna.Podlacz("B2", "Kabel B");
    Lista.OdswiezListePortow(false);
    Sterowanie.PortZwolniony = [this] { Otoczenie.Dziennik.push_back("zwolniony"); };
  }

  TFolderTymczasowy Folder;
  std::vector<TUrzadzenieSzeregowe> Urzadzenia;
  TMapaPortowCom Mapa{Folder.Sciezka.string(), [this] { return Urzadzenia; }};
  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TOtoczenieNagrywajace Otoczenie;
  TSzynaFtdiTestowa Szyna;
  TUsbFtdi Usb{std::make_unique<TUrzadzenieFtdiTestowe>(Szyna), Okno};
  TListaPortow Lista{Komunikaty, Mapa, Usb};
  TSterowaniePolaczeniem Sterowanie{Zegar, Komunikaty, Okno, Lista, [this](TPortKomunikacyjny& port) {
                                      Otoczenie.Dziennik.push_back("podlaczony");
                                      port.UstawOtoczenie(&Otoczenie);
                                    }};
};

TEST_F(TSterowaniePolaczeniemTest, AnFtdiEntryMakesAUsbPortForThatDeviceWiresItAndConnects) {
  Sterowanie.WybierzPortZMenu(Lista.Wpisy()[1]);
  auto* port = dynamic_cast<TPortUSB*>(Sterowanie.PortKomunikacyjny());
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->Opis(), "Kabel B");
  EXPECT_EQ(port->NumerSeryjny(), "B2");
  EXPECT_TRUE(port->Polaczony());
  EXPECT_EQ(Otoczenie.Dziennik, (std::vector<std::string>{"podlaczony", "start"})) << "wired before it opens";
  EXPECT_EQ(Lista.WybranyPort(), 101);
  EXPECT_TRUE(Lista.Wpisy()[1].Zaznaczony);
  Zegar.Przesun(100);
  EXPECT_EQ(Szyna.Zapisane, Identyfikacja);
}

TEST_F(TSterowaniePolaczeniemTest, ChoosingAnotherPortClosesAndFreesThePreviousOneFirst) {
  Sterowanie.UstawPort(100);
  Szyna.Wywolania.clear();
  Otoczenie.Dziennik.clear();
  Sterowanie.UstawPort(101);
  ASSERT_GE(Szyna.Wywolania.size(), 3u);
  EXPECT_EQ((std::vector<std::string>(Szyna.Wywolania.begin(), Szyna.Wywolania.begin() + 3)),
            (std::vector<std::string>{"Zamknij", "Zamknij", "Otworz B2"}))
      << "the old port closes, then the new one opens";
  EXPECT_EQ(Otoczenie.Dziennik, (std::vector<std::string>{"zamkniete", "zwolniony", "podlaczony", "start"}));
  EXPECT_EQ(Szyna.Otwarty, "B2");
  EXPECT_EQ(std::count_if(Lista.Wpisy().begin(), Lista.Wpisy().end(), [](const TWpisPortu& w) { return w.Zaznaczony; }), 1);
}

TEST_F(TSterowaniePolaczeniemTest, AComTagMakesASerialPortOpeningTheDeviceBehindItsNumber) {
  std::ofstream(Folder.Plik("urzadzenie")) << "";
  ASSERT_TRUE(Mapa.ZarejestrujPortWirtualny(Folder.Plik("urzadzenie"), 32).Udana());
  Sterowanie.UstawPort(40);
  auto* port = dynamic_cast<TPortCOM*>(Sterowanie.PortKomunikacyjny());
  ASSERT_NE(port, nullptr);
  EXPECT_EQ(port->NumerPortu(), 32);
  EXPECT_EQ(port->Sciezka(), Folder.Plik("urzadzenie")) << "40 opens COM32";
  // A plain file is no serial line: the first send tick reports it.
  EXPECT_TRUE(Okno.Bledy.empty());
  Zegar.Przesun(100);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
  EXPECT_FALSE(port->Polaczony());
}

TEST_F(TSterowaniePolaczeniemTest, ATagThatNamesNothingLeavesNoPortAndNothingChecked) {
  for (const int znacznik : {103, 256, 0, -1}) {
    Sterowanie.UstawPort(100);
    ASSERT_NE(Sterowanie.PortKomunikacyjny(), nullptr);
    Otoczenie.Dziennik.clear();
    Sterowanie.UstawPort(znacznik);
    EXPECT_EQ(Sterowanie.PortKomunikacyjny(), nullptr) << znacznik;
    EXPECT_EQ(Otoczenie.Dziennik, (std::vector<std::string>{"zamkniete", "zwolniony"})) << "those wired to it let go";
    EXPECT_FALSE(Szyna.CzyOtwarty) << "the previous port was closed";
    EXPECT_EQ(Lista.WybranyPort(), znacznik);
    for (const auto& wpis : Lista.Wpisy()) EXPECT_FALSE(wpis.Zaznaczony) << znacznik << " " << wpis.Podpis;
  }
  Sterowanie.PolaczClick();
  Sterowanie.RozlaczClick();
  Zegar.Przesun(10000);
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST_F(TSterowaniePolaczeniemTest, ConnectAndDisconnectActOnTheCurrentPort) {
  Sterowanie.UstawPort(100);
  Zegar.Przesun(100);
  Szyna.Zapisane.clear();
  Sterowanie.RozlaczClick();
  EXPECT_FALSE(Sterowanie.PortKomunikacyjny()->Polaczony());
  EXPECT_FALSE(Szyna.CzyOtwarty);
  Zegar.Przesun(1000);
  EXPECT_TRUE(Szyna.Zapisane.empty());
  Sterowanie.PolaczClick();
  EXPECT_TRUE(Sterowanie.PortKomunikacyjny()->Polaczony());
  Zegar.Przesun(100);
  EXPECT_EQ(Szyna.Zapisane, Identyfikacja);
}

}  // namespace
}  // namespace wtrysk
