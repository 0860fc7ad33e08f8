#include "io/TPortCOM.h"

#include <gtest/gtest.h>

#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOtoczenieNagrywajace.h"
#include "TPseudoTerminalTestowy.h"
#include "i18n/TKomunikaty.h"
#include "io/TSerwisCzasuQt.h"
#include "link/Ramka.h"

namespace wtrysk {
namespace {

const std::vector<uint8_t> Identyfikacja{0xAA, 0x0C, 0x01, 0xB7};

// Long enough for any tick or event the test waits for; waits end as soon as the condition
// holds.
constexpr int LimitMs = 3000;

// A serial port on the real event loop over a pseudo-terminal; the test plays the controller
// on the far end. COM5 is the pseudo-terminal.
class TPortCOMTest : public ::testing::Test {
public:
  TPortCOMTest() { Port.UstawOtoczenie(&Otoczenie); }

  // Everything the program wrote until at least n bytes are there.
  std::vector<uint8_t> CzekajNaBajty(std::size_t n) {
    std::vector<uint8_t> odebrane;
    (void)QTest::qWaitFor(
        [&] {
          const auto nowe = Terminal.Czytaj();
          odebrane.insert(odebrane.end(), nowe.begin(), nowe.end());
          return odebrane.size() >= n;
        },
        LimitMs);
    return odebrane;
  }

  TPseudoTerminalTestowy Terminal;
  TSerwisCzasuQt Czas;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TOtoczenieNagrywajace Otoczenie;
  std::vector<int> Zapytania;  // the COM numbers the port looked up
  TPortCOM Port{Czas, Komunikaty, Okno, 5, [this](int numer) -> std::optional<std::string> {
                  Zapytania.push_back(numer);
                  if (numer == 5) return Terminal.Sciezka();
                  return std::nullopt;
                }};
};

TEST_F(TPortCOMTest, BytesGoBothWaysOnALineSetTo9600Baud8N1) {
  ASSERT_TRUE(Terminal.Gotowy());
  Port.Otworz();
  ASSERT_TRUE(Port.Otwarty());
  // A pseudo-terminal refuses DTR and RTS ("Inappropriate ioctl for device"); the link stays.
  EXPECT_TRUE(Port.Polaczony());
  EXPECT_EQ(Zapytania, std::vector<int>{5});

  const termios linia = Terminal.Ustawienia();
  EXPECT_EQ(cfgetospeed(&linia), static_cast<speed_t>(B9600));
  EXPECT_EQ(cfgetispeed(&linia), static_cast<speed_t>(B9600));
  EXPECT_EQ(linia.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(linia.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(linia.c_iflag & (IXON | IXOFF), 0u);

  EXPECT_EQ(CzekajNaBajty(4), Identyfikacja);
  const TTablicaByte odpowiedz = ZbudujRamkeOdpowiedzi(12, std::vector<uint8_t>{15, 0x00, 0xAA, 0x0D});
  ASSERT_TRUE(Terminal.Pisz(odpowiedz));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Otoczenie.Ramki.empty(); }, LimitMs));
  EXPECT_EQ(Otoczenie.Ramki.front(), odpowiedz);
  EXPECT_TRUE(Port.LiniaWolna());
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST_F(TPortCOMTest, TheFarEndGoingAwayClosesTheLinkWithMessage18Once) {
  ASSERT_TRUE(Terminal.Gotowy());
  Port.Otworz();
  ASSERT_EQ(CzekajNaBajty(4), Identyfikacja);
  Terminal.ZamknijGlowny();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Okno.Bledy.empty(); }, LimitMs)) << "no hang";
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_FALSE(Port.Otwarty());
  QTest::qWait(3 * TPortKomunikacyjny::OkresNadawaniaMs);
  EXPECT_EQ(Okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
  EXPECT_EQ(Otoczenie.Dziennik.back(), "zamkniete");
}

TEST_F(TPortCOMTest, APortThatCannotBeOpenedIsReportedAtTheFirstSendTick) {
  struct TPrzypadek {
    int Numer;
    std::optional<std::string> Sciezka;
  };
  for (const auto& p : {TPrzypadek{3, std::nullopt}, TPrzypadek{3, std::string("/nie/ma/takiego/portu")}}) {
    TOknoKomunikatowNagrywajace okno;
    TPortCOM port(Czas, Komunikaty, okno, p.Numer, [&](int) { return p.Sciezka; });
    port.Otworz();
    EXPECT_FALSE(port.Otwarty());
    EXPECT_TRUE(okno.Bledy.empty()) << "nothing is shown while opening";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !okno.Bledy.empty(); }, LimitMs));
    EXPECT_EQ(okno.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
    EXPECT_FALSE(port.Polaczony());
  }
}

TEST_F(TPortCOMTest, DisconnectingClosesTheDeviceAndConnectingOpensItAgain) {
  ASSERT_TRUE(Terminal.Gotowy());
  Port.Otworz();
  ASSERT_EQ(CzekajNaBajty(4), Identyfikacja);
  Port.Zamknij();
  EXPECT_FALSE(Port.Otwarty());
  EXPECT_EQ(Port.ZapiszBajty(Identyfikacja.data(), Identyfikacja.size()), 0);
  Port.Otworz();
  EXPECT_TRUE(Port.Otwarty());
  EXPECT_EQ(CzekajNaBajty(4), Identyfikacja);
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST(TPortCOMNumer, ANumberAbove32Opens32AndOneBelow1NamesNoPort) {
  const std::vector<std::pair<int, int>> przypadki{{1, 1}, {12, 12}, {32, 32}, {33, 32}, {40, 32}, {99, 32}, {0, 0}, {-3, 0}};
  for (const auto& [numer, otwierany] : przypadki) EXPECT_EQ(TPortCOM::NumerDoOtwarcia(numer), otwierany) << numer;
}

}  // namespace
}  // namespace wtrysk
