#include "io/TListaPortow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "TFolderTymczasowy.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TUrzadzenieFtdiTestowe.h"
#include "i18n/TKomunikaty.h"
#include "io/SygnaturaUrzadzen.h"
#include "io/TMapaPortowCom.h"
#include "io/TUsbFtdi.h"

namespace wtrysk {
namespace {

// The list over a data folder of its own, system devices set by the test and a fake FTDI
// bus with failure reports off, as the program runs.
class TListaPortowTest : public ::testing::Test {
public:
  TListaPortowTest() {
    Usb.UsbPokazBledy = false;
    std::ofstream(Folder.Plik("pts")) << "";
  }

  TFolderTymczasowy Folder;
  std::vector<TUrzadzenieSzeregowe> Urzadzenia;
  TMapaPortowCom Mapa{Folder.Sciezka.string(), [this] { return Urzadzenia; }};
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TSzynaFtdiTestowa Szyna;
  TUsbFtdi Usb{std::make_unique<TUrzadzenieFtdiTestowe>(Szyna), Okno};
  TListaPortow Lista{Komunikaty, Mapa, Usb};
};

TEST_F(TListaPortowTest, SerialPortsComeFirstThenFtdiDevicesEachWithItsTag) {
  Urzadzenia = {{"/dev/ttyS0", "S0"}, {"/dev/ttyUSB0", "U0"}};
  Szyna.Podlacz("A1", "FT232R USB UART");
  Szyna.Podlacz("B2", "Kabel LPG");
  Lista.UstawWybranyPort(101);
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy(), (std::vector<TWpisPortu>{{"COM1", 1, false},
                                                     {"COM2", 2, false},
                                                     {"USB-FT232R USB UART", 100, false},
                                                     {"USB-Kabel LPG", 101, true}}));
  EXPECT_EQ(Lista.ListaPortowCOM(), (std::vector<std::string>{"COM1", "COM2"}));
  EXPECT_EQ(Lista.ListaUsbNumery(), (std::vector<std::string>{"A1", "B2"}));
}

TEST_F(TListaPortowTest, TheListIsRebuiltOnlyWhenSomethingChanged) {
  Urzadzenia = {{"/dev/ttyS0", "S0"}};
  ASSERT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_FALSE(Lista.OdswiezListePortow(false));
  EXPECT_TRUE(Lista.OdswiezListePortow(true)) << "forced";

  // A new virtual port shows within one refresh and goes with its link.
  const auto port = Mapa.ZarejestrujPortWirtualny(Folder.Plik("pts"), 7);
  ASSERT_TRUE(port.Udana()) << port.Opis;
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy().back(), (TWpisPortu{"COM7", 7, false}));
  ASSERT_TRUE(Mapa.UsunPortWirtualny(7));
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy(), (std::vector<TWpisPortu>{{"COM1", 1, false}}));

  // An FTDI device plugged in and out.
  Szyna.Podlacz("A1", "Kabel");
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy().back(), (TWpisPortu{"USB-Kabel", 100, false}));
  Szyna.Odlacz("A1");
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy().size(), 1u);
}

TEST_F(TListaPortowTest, ADeviceSwappedForOneWithTheSameDescriptionKeepsTheEntryButOpensTheNewSerial) {
  Szyna.Podlacz("A1", "Kabel");
  ASSERT_TRUE(Lista.OdswiezListePortow(false));
  Szyna.Odlacz("A1");
  Szyna.Podlacz("C3", "Kabel");
  EXPECT_FALSE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.ListaUsbNumery(), std::vector<std::string>{"C3"});
}

TEST_F(TListaPortowTest, TheCheckMarkFollowsTheChosenTagThroughRebuilds) {
  Urzadzenia = {{"/dev/ttyS0", "S0"}, {"/dev/ttyS1", "S1"}};
  Lista.OdswiezListePortow(false);
  Lista.UstawWybranyPort(2);
  EXPECT_EQ(Lista.Wpisy(), (std::vector<TWpisPortu>{{"COM1", 1, false}, {"COM2", 2, true}}));
  Szyna.Podlacz("A1", "Kabel");
  ASSERT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy(), (std::vector<TWpisPortu>{{"COM1", 1, false}, {"COM2", 2, true}, {"USB-Kabel", 100, false}}));

  // A saved tag of 103 with two FTDI devices: nothing is checked.
  Szyna.Podlacz("B2", "Drugi");
  Lista.OdswiezListePortow(false);
  Lista.UstawWybranyPort(103);
  for (const auto& wpis : Lista.Wpisy()) EXPECT_FALSE(wpis.Zaznaczony) << wpis.Podpis;
}

TEST_F(TListaPortowTest, CaptionsTakeMessage98InTheLanguageOfTheMoment) {
  Urzadzenia = {{"/dev/ttyS0", "S0"}};
  Lista.OdswiezListePortow(false);
  Komunikaty.ZastosujKString({{"", "98", "Porta "}});
  EXPECT_EQ(Lista.Wpisy().front().Podpis, "COM1") << "until the list is rebuilt";
  ASSERT_TRUE(Lista.OdswiezListePortow(true));
  EXPECT_EQ(Lista.Wpisy().front().Podpis, "Porta 1");
}

TEST_F(TListaPortowTest, DeviceListFieldsAreCutLikeTheDeviceInformationRecord) {
  Szyna.Podlacz(std::string(20, 'N'), std::string(70, 'D'));
  Szyna.Podlacz("B2", std::string("Kabel\0smieci", 12));
  Lista.OdswiezListePortow(false);
  EXPECT_EQ(Lista.ListaUsbOpisy(), (std::vector<std::string>{std::string(64, 'D'), "Kabel"}));
  EXPECT_EQ(Lista.ListaUsbNumery(), (std::vector<std::string>{std::string(16, 'N'), "B2"}));
}

TEST_F(TListaPortowTest, AFailingDeviceListLeavesOnlyTheSerialPorts) {
  Urzadzenia = {{"/dev/ttyS0", "S0"}};
  Szyna.Podlacz("A1", "Kabel");
  Szyna.KodListy = -5;
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(Lista.Wpisy(), (std::vector<TWpisPortu>{{"COM1", 1, false}}));
  EXPECT_TRUE(Okno.Bledy.empty());
}

}  // namespace
}  // namespace wtrysk

namespace wtrysk {
namespace {

TEST_F(TListaPortowTest, WithAFingerprintItScansOnlyWhenTheDevicesChanged) {
  int skany = 0;
  Mapa = TMapaPortowCom{Folder.Sciezka.string(), [this, &skany] {
                          ++skany;
                          return Urzadzenia;
                        }};
  std::string odcisk = "a";
  Lista.Sygnatura = [&odcisk] { return odcisk; };
  Urzadzenia = {{"/dev/ttyS0", "S0"}};
  EXPECT_TRUE(Lista.OdswiezListePortow(false));
  const int poPierwszym = skany;
  EXPECT_FALSE(Lista.OdswiezListePortow(false));
  EXPECT_EQ(skany, poPierwszym) << "same fingerprint: no scan";
  Urzadzenia.push_back({"/dev/ttyUSB0", "U0"});
  odcisk = "b";
  EXPECT_TRUE(Lista.OdswiezListePortow(false)) << "a new device changes the fingerprint";
  EXPECT_EQ(Lista.ListaPortowCOM().size(), 2u);
  const int poDrugim = skany;
  EXPECT_TRUE(Lista.OdswiezListePortow(true));
  EXPECT_GT(skany, poDrugim) << "a forced refresh always scans";
}

TEST(SygnaturaUrzadzen, FollowsVirtualPortsAndTheirTargets) {
  TFolderTymczasowy folder;
  const auto porty = folder.Sciezka / "porty";
  std::filesystem::create_directories(porty);
  const std::string pusta = SygnaturaUrzadzen(porty.string());
  EXPECT_EQ(SygnaturaUrzadzen(porty.string()), pusta) << "nothing changed";
  std::ofstream(folder.Plik("urzadzenie")) << "";
  std::filesystem::create_symlink(folder.Plik("urzadzenie"), porty / "COM9");
  const std::string zPortem = SygnaturaUrzadzen(porty.string());
  EXPECT_NE(zPortem, pusta);
  std::filesystem::remove(folder.Plik("urzadzenie"));
  EXPECT_NE(SygnaturaUrzadzen(porty.string()), zPortem) << "a target that went away counts";
}

}  // namespace
}  // namespace wtrysk
