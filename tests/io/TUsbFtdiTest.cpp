#include "io/TUsbFtdi.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TOknoKomunikatowNagrywajace.h"
#include "TUrzadzenieFtdiTestowe.h"

namespace wtrysk {
namespace {

class TUsbFtdiTest : public ::testing::Test {
public:
  TUsbFtdiTest() { Szyna.Podlacz("A1", "Kabel"); }

  TSzynaFtdiTestowa Szyna;
  TOknoKomunikatowNagrywajace Okno;
  TUsbFtdi Usb{std::make_unique<TUrzadzenieFtdiTestowe>(Szyna), Okno};
};

TEST_F(TUsbFtdiTest, OpensByTheFirst49CharactersOfTheSerialNumber) {
  const std::string dlugi(60, 'S');
  Szyna.Podlacz(dlugi.substr(0, 49), "Dlugi");
  EXPECT_EQ(Usb.UsbOtworz(dlugi), 0);
  EXPECT_EQ(Usb.UsbNumerSzukany, dlugi.substr(0, 49));
  EXPECT_EQ(Szyna.Otwarty, dlugi.substr(0, 49));
}

TEST_F(TUsbFtdiTest, QueueStatusCountsWhatArrivedAndFailsOnceTheDeviceIsGone) {
  EXPECT_EQ(Usb.UsbStanKolejki(), 3) << "nothing open: device not opened";
  ASSERT_EQ(Usb.UsbOtworz("A1"), 0);
  EXPECT_EQ(Usb.UsbStanKolejki(), 0);
  EXPECT_EQ(Usb.UsbWKolejce, 0u);
  Szyna.Odbierz({1, 2, 3});
  EXPECT_EQ(Usb.UsbStanKolejki(), 0);
  EXPECT_EQ(Usb.UsbWKolejce, 3u);
  Szyna.Odlacz("A1");
  EXPECT_EQ(Usb.UsbStanKolejki(), 2) << "pulled out: device not found";
  // The bytes that came before the cable was pulled are still there to read.
  ASSERT_EQ(Usb.UsbCzytaj(3), 3);
  EXPECT_EQ(std::vector<uint8_t>(Usb.UsbBuforOdbioru(), Usb.UsbBuforOdbioru() + 3), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(TUsbFtdiTest, ReadsStopAtTheBufferSizeAndLoseNothing) {
  ASSERT_EQ(Usb.UsbOtworz("A1"), 0);
  std::vector<uint8_t> wzor(70000);
  for (std::size_t i = 0; i < wzor.size(); ++i) wzor[i] = static_cast<uint8_t>(i % 251);
  Szyna.Odbierz(wzor);

  ASSERT_EQ(Usb.UsbStanKolejki(), 0);
  EXPECT_EQ(Usb.UsbWKolejce, 65536u);
  EXPECT_LE(Szyna.NajwiekszyOdczyt, 65536);
  ASSERT_EQ(Usb.UsbCzytaj(100000), 65536);
  EXPECT_EQ(std::vector<uint8_t>(Usb.UsbBuforOdbioru(), Usb.UsbBuforOdbioru() + 65536),
            std::vector<uint8_t>(wzor.begin(), wzor.begin() + 65536));

  ASSERT_EQ(Usb.UsbStanKolejki(), 0);
  EXPECT_EQ(Usb.UsbWKolejce, 70000u - 65536u);
  ASSERT_EQ(Usb.UsbCzytaj(Usb.UsbWKolejce), 70000 - 65536);
  EXPECT_EQ(std::vector<uint8_t>(Usb.UsbBuforOdbioru(), Usb.UsbBuforOdbioru() + (70000 - 65536)),
            std::vector<uint8_t>(wzor.begin() + 65536, wzor.end()));
  EXPECT_LE(Szyna.NajwiekszyOdczyt, 65536);
}

TEST_F(TUsbFtdiTest, WritesStopAtTheBufferSizeAndAFailedWriteCountsZero) {
  ASSERT_EQ(Usb.UsbOtworz("A1"), 0);
  EXPECT_EQ(Usb.UsbPisz(100000), 65536);
  EXPECT_EQ(Szyna.Zapisane.size(), 65536u);
  Szyna.Odlacz("A1");
  EXPECT_EQ(Usb.UsbPisz(4), 0);
  EXPECT_EQ(Usb.UsbOstatniStatus, 10);
}

TEST_F(TUsbFtdiTest, FailuresAreShownWithTheirLabelOnlyWhileReportsAreOn) {
  EXPECT_EQ(Usb.UsbOtworz("nie ma"), 2);
  EXPECT_EQ(Usb.UsbPisz(4), 0);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Open_USB_Device_By_Serial_Number - Device not found...",
                                                  "FT_Write - Device not opened..."}));
  Okno.Bledy.clear();
  Usb.UsbPokazBledy = false;
  EXPECT_EQ(Usb.UsbOtworz("nie ma"), 2);
  EXPECT_EQ(Usb.UsbStanKolejki(), 3);
  EXPECT_TRUE(Okno.Bledy.empty());
  Usb.UsbPokazBledy = true;
  EXPECT_EQ(Usb.UsbStanKolejki(false), 3) << "the receive poll asks quietly";
  Usb.UsbZglosBlad("FT_Close", 0);
  EXPECT_TRUE(Okno.Bledy.empty()) << "status 0 is no failure";
}

TEST_F(TUsbFtdiTest, LineCharacteristicsTheDeviceCannotTakeAreRefusedBeforeTheCall) {
  ASSERT_EQ(Usb.UsbOtworz("A1"), 0);
  Szyna.Wywolania.clear();
  Usb.UsbBityDanych = 5;
  EXPECT_EQ(Usb.UsbUstawZnak(), 6);
  Usb.UsbBityDanych = 8;
  Usb.UsbParzystosc = 9;
  EXPECT_EQ(Usb.UsbUstawZnak(), 6);
  EXPECT_TRUE(Szyna.Wywolania.empty());
  EXPECT_EQ(Okno.Bledy.size(), 2u);
}

TEST_F(TUsbFtdiTest, TheDeviceListComesInTwoSteps) {
  Szyna.Podlacz("B2", "Drugi");
  ASSERT_EQ(Usb.UsbUtworzListe(), 0);
  EXPECT_EQ(Usb.UsbLiczbaUrzadzen, 2u);
  ASSERT_EQ(Usb.UsbPobierzListe(), 0);
  ASSERT_EQ(Usb.UsbListaUrzadzen.size(), 2u);
  EXPECT_EQ(Usb.UsbListaUrzadzen[1].NumerSeryjny, "B2");
  EXPECT_EQ(Usb.UsbListaUrzadzen[1].Opis, "Drugi");

  Szyna.KodListy = -5;
  EXPECT_EQ(Usb.UsbUtworzListe(), 4);
  EXPECT_EQ(Usb.UsbLiczbaUrzadzen, 0u);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"FT_CreateDeviceInfoList - General IO error..."}));
}

}  // namespace
}  // namespace wtrysk
