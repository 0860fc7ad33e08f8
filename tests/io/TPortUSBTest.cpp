#include "io/TPortUSB.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOtoczenieNagrywajace.h"
#include "TUrzadzenieFtdiTestowe.h"
#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "io/TUsbFtdi.h"
#include "link/Ramka.h"

namespace wtrysk {
namespace {

const std::vector<uint8_t> Identyfikacja{0xAA, 0x0C, 0x01, 0xB7};
const std::vector<uint8_t> Zapytanie{0xAA, 0x01, 0x01, 0xAC};
const std::vector<uint8_t> RamkaDanych{0xAA, 0x00, 0x05, 0x01, 0xB0};  // code 1, no payload

// A USB port on a virtual clock over the fake bus, with the cable "A1" attached and failure
// reports off, as the program runs.
class TPortUSBTest : public ::testing::Test {
public:
  TPortUSBTest() {
    Szyna.Podlacz("A1", "Kabel");
    Usb.UsbPokazBledy = false;
    Port.UstawOtoczenie(&Otoczenie);
  }

  // Opens the link and answers the identification request.
  void Polacz() {
    Port.Otworz();
    Zegar.Przesun(100);
    ASSERT_EQ(Zapisane(), Identyfikacja);
    Szyna.Odbierz(ZbudujRamkeOdpowiedzi(12, std::vector<uint8_t>{15}));
    Zegar.Przesun(10);
    ASSERT_TRUE(Port.LiniaWolna());
    Otoczenie.Ramki.clear();
  }

  // What was written since the last call.
  std::vector<uint8_t> Zapisane() {
    std::vector<uint8_t> wynik;
    wynik.swap(Szyna.Zapisane);
    return wynik;
  }

  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TOtoczenieNagrywajace Otoczenie;
  TSzynaFtdiTestowa Szyna;
  TUsbFtdi Usb{std::make_unique<TUrzadzenieFtdiTestowe>(Szyna), Okno};
  TPortUSB Port{Zegar, Komunikaty, Okno, Usb, "Kabel", "A1"};
};

TEST_F(TPortUSBTest, OpeningSetsTheLineUpInOrderThenAsksForIdentification) {
  Port.Otworz();
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_EQ(Szyna.Wywolania, (std::vector<std::string>{"Zamknij", "Otworz A1", "UstawPredkosc 9600", "UstawZnak 8 0 0",
                                                        "UstawPrzeplyw 0 17 19", "Resetuj", "UstawCzasy 500 500"}));
  EXPECT_TRUE(Zapisane().empty()) << "frames go out on the send tick";
  Zegar.Przesun(100);
  EXPECT_EQ(Zapisane(), Identyfikacja);
}

TEST_F(TPortUSBTest, ALongSerialNumberOpensByItsFirst49Characters) {
  const std::string dlugi = std::string(49, 'N') + "-reszta-numeru";
  Szyna.Podlacz(dlugi.substr(0, 49), "Dlugi");
  TPortUSB port(Zegar, Komunikaty, Okno, Usb, "Dlugi", dlugi);
  port.Otworz();
  EXPECT_TRUE(port.Polaczony());
  EXPECT_EQ(Szyna.Otwarty, dlugi.substr(0, 49));
  port.Zamknij();
}

TEST_F(TPortUSBTest, ADeviceThatCannotBeOpenedStartsNothingAndShowsNothing) {
  Szyna.Odlacz("A1");
  Port.Otworz();
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Otoczenie.Dziennik, std::vector<std::string>{}) << "no connection started";
  Zegar.Przesun(10000);
  EXPECT_TRUE(Zapisane().empty());
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST_F(TPortUSBTest, WithReportsOnAFailedOpenIsShownOnce) {
  Usb.UsbPokazBledy = true;
  Szyna.Odlacz("A1");
  Port.Otworz();
  Zegar.Przesun(1000);  // the receive poll finds the device closed a hundred times, quietly
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Open_USB_Device_By_Serial_Number - Device not found..."}));
}

TEST_F(TPortUSBTest, TheReceivePollHandsArrivalsToTheEngineWithin10ms) {
  Polacz();
  Szyna.Odbierz(RamkaDanych);
  Zegar.Przesun(9);
  EXPECT_TRUE(Otoczenie.Ramki.empty());
  Zegar.Przesun(1);
  EXPECT_EQ(Otoczenie.Ramki, (std::vector<TTablicaByte>{RamkaDanych}));
}

TEST_F(TPortUSBTest, MoreThanOneBufferOfBytesArrivesWhole) {
  Polacz();
  // 14000 frames, 70000 bytes: more than a read may take, split inside a frame.
  std::vector<uint8_t> strumien;
  for (int i = 0; i < 14000; ++i) strumien.insert(strumien.end(), RamkaDanych.begin(), RamkaDanych.end());
  Szyna.Odbierz(strumien);
  Zegar.Przesun(20);
  EXPECT_EQ(Otoczenie.Ramki.size(), 14000u);
  EXPECT_LE(Szyna.NajwiekszyOdczyt, 65536);
}

TEST_F(TPortUSBTest, APulledCableClosesTheLinkWithMessage18AtTheNextWrite) {
  Polacz();
  Zapisane();
  Szyna.Odlacz("A1");
  Zegar.Przesun(100);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
  EXPECT_EQ(Otoczenie.Dziennik.back(), "zamkniete");
  Zegar.Przesun(10000);
  EXPECT_EQ(Okno.Bledy.size(), 1u);
}

TEST_F(TPortUSBTest, APulledCableIsReportedWithTheFailedCallsWhileReportsAreOn) {
  Polacz();
  Usb.UsbPokazBledy = true;
  Szyna.Odlacz("A1");
  Zegar.Przesun(100);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"FT_Write - Failed to write...", "FT_Close - General IO error...",
                                                  "Brak sterownika gazu"}));
  Zegar.Przesun(5000);
  EXPECT_EQ(Okno.Bledy.size(), 3u) << "the receive poll stays quiet";
}

TEST_F(TPortUSBTest, ConnectingAgainRestartsWhileTheCableIsThereAndStartsNothingWhenItIsNot) {
  Polacz();
  Zapisane();
  Otoczenie.Dziennik.clear();
  Port.Otworz();
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_EQ(Otoczenie.Dziennik, std::vector<std::string>{"start"});
  Zegar.Przesun(100);
  EXPECT_EQ(Zapisane(), Identyfikacja) << "the link is reset and identification goes out again";

  Otoczenie.Dziennik.clear();
  Szyna.Odlacz("A1");
  Port.Otworz();
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_TRUE(std::find(Otoczenie.Dziennik.begin(), Otoczenie.Dziennik.end(), "start") == Otoczenie.Dziennik.end());
  Zegar.Przesun(1000);
  EXPECT_TRUE(Zapisane().empty());
}

TEST_F(TPortUSBTest, ClosingLetsTheDeviceGoAndBytesAfterwardsAreNotRead) {
  Polacz();
  Port.Zamknij();
  EXPECT_FALSE(Szyna.CzyOtwarty);
  EXPECT_EQ(Szyna.Wywolania.back(), "Zamknij");
  Szyna.Odbierz(RamkaDanych);
  Zegar.Przesun(100);
  EXPECT_TRUE(Otoczenie.Ramki.empty());
}

}  // namespace
}  // namespace wtrysk
