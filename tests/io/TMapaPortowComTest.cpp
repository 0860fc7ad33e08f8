#include "io/TMapaPortowCom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TFolderTymczasowy.h"

namespace wtrysk {
namespace {

namespace fs = std::filesystem;

// The ports as "COM<N>=<path>" lines, for one readable comparison.
std::vector<std::string> Opis(const std::vector<TPortCom>& porty) {
  std::vector<std::string> wynik;
  for (const auto& p : porty) wynik.push_back(p.Nazwa + "=" + p.Sciezka + (p.Wirtualny ? " (v)" : ""));
  return wynik;
}

// A data folder, a few stand-in device files for virtual ports to point at, and the
// system's serial devices as the test sets them.
class TMapaPortowComTest : public ::testing::Test {
public:
  TMapaPortowComTest() {
    for (const char* nazwa : {"pts1", "pts2", "pts3"}) std::ofstream(Folder.Plik(nazwa)) << "";
  }

  TMapaPortowCom NowaMapa() {
    return TMapaPortowCom(Folder.Sciezka.string(), [this] { return Urzadzenia; });
  }
  std::string Urzadzenie(const char* nazwa) const { return Folder.Plik(nazwa); }
  void Lacze(const std::string& nazwa, const std::string& cel) const {
    fs::create_directories(Folder.Sciezka / "porty");
    fs::create_symlink(cel, Folder.Sciezka / "porty" / nazwa);
  }

  TFolderTymczasowy Folder;
  std::vector<TUrzadzenieSzeregowe> Urzadzenia;
};

TEST_F(TMapaPortowComTest, ASystemDeviceKeepsItsNumberAcrossRunsWhereverItIsPlugged) {
  Urzadzenia = {{"/dev/ttyUSB0", "by-id:usb-FTDI_A"}, {"/dev/ttyS0", "loc:/dev/ttyS0"}};
  EXPECT_EQ(Opis(NowaMapa().Porty()), (std::vector<std::string>{"COM1=/dev/ttyS0", "COM2=/dev/ttyUSB0"}));

  // The next run: the adapter sits in another socket, the built-in port is gone, a new
  // device is there. The adapter keeps 2; the new device does not take the absent port's 1.
  Urzadzenia = {{"/dev/ttyACM0", "sn:2341:0043:77"}, {"/dev/ttyUSB3", "by-id:usb-FTDI_A"}};
  EXPECT_EQ(Opis(NowaMapa().Porty()), (std::vector<std::string>{"COM2=/dev/ttyUSB3", "COM3=/dev/ttyACM0"}));

  Urzadzenia.push_back({"/dev/ttyS0", "loc:/dev/ttyS0"});
  EXPECT_EQ(Opis(NowaMapa().Porty()),
            (std::vector<std::string>{"COM1=/dev/ttyS0", "COM2=/dev/ttyUSB3", "COM3=/dev/ttyACM0"}));
}

TEST_F(TMapaPortowComTest, NumbersAreKeptWhenTheFileCannotBeWritten) {
  Urzadzenia = {{"/dev/ttyUSB0", "A"}};
  auto mapa = NowaMapa();
  fs::create_directories(Folder.Sciezka / "porty" / "numery.txt.tmp");  // blocks the write
  EXPECT_EQ(Opis(mapa.Porty()), std::vector<std::string>{"COM1=/dev/ttyUSB0"});
  Urzadzenia.insert(Urzadzenia.begin(), {"/dev/ttyS0", "B"});
  EXPECT_EQ(Opis(mapa.Porty()), (std::vector<std::string>{"COM1=/dev/ttyUSB0", "COM2=/dev/ttyS0"}));
}

TEST_F(TMapaPortowComTest, VirtualPortsAreTheLinksOfThePortsFolder) {
  Lacze("COM7", Urzadzenie("pts1"));
  Lacze("COM12", Urzadzenie("pts2"));
  Lacze("COM5", Folder.Plik("zniklo"));     // broken: no port
  Lacze("COM07", Urzadzenie("pts3"));       // not a port name
  Lacze("COM100", Urzadzenie("pts3"));      // tags from 100 are USB devices
  Lacze("inne", Urzadzenie("pts3"));
  std::ofstream(Folder.Sciezka / "porty" / "COM9") << "";  // a file, not a link
  EXPECT_EQ(Opis(NowaMapa().Porty()), (std::vector<std::string>{"COM7=" + Urzadzenie("pts1") + " (v)",
                                                                "COM12=" + Urzadzenie("pts2") + " (v)"}));
}

TEST_F(TMapaPortowComTest, VirtualPortsKeepTheirNumbersAndDevicesTheyPointAtAreNotListedTwice) {
  Lacze("COM1", Urzadzenie("pts1"));
  Urzadzenia = {{Urzadzenie("pts1"), "by-id:pinned"}, {"/dev/ttyS0", "loc:/dev/ttyS0"}};
  EXPECT_EQ(Opis(NowaMapa().Porty()),
            (std::vector<std::string>{"COM1=" + Urzadzenie("pts1") + " (v)", "COM2=/dev/ttyS0"}));
}

TEST_F(TMapaPortowComTest, ADeviceWhoseNumberAVirtualPortTookMovesToAFreeOne) {
  Urzadzenia = {{"/dev/ttyS0", "S"}};
  NowaMapa().Porty();
  Urzadzenia.clear();
  auto mapa = NowaMapa();
  ASSERT_TRUE(mapa.ZarejestrujPortWirtualny(Urzadzenie("pts1"), 1).Udana()) << "the device is away";
  Urzadzenia = {{"/dev/ttyS0", "S"}};
  EXPECT_EQ(Opis(mapa.Porty()), (std::vector<std::string>{"COM1=" + Urzadzenie("pts1") + " (v)", "COM2=/dev/ttyS0"}));
  EXPECT_EQ(Opis(NowaMapa().Porty()), Opis(mapa.Porty())) << "and keeps the new one";
}

TEST_F(TMapaPortowComTest, OddLinesOfTheNumbersFileAreSkipped) {
  fs::create_directories(Folder.Sciezka / "porty");
  std::ofstream(Folder.Sciezka / "porty" / "numery.txt") << "# comment\n"
                                                             "\n"
                                                             "garbage\n"
                                                             "40\ttoo-high\n"
                                                             "x5\tnot-a-number\n"
                                                             "4\tA\r\n"
                                                             "4\tB\n"
                                                             "6\tA\n"
                                                             "5  C  \n";
  Urzadzenia = {{"/dev/a", "A"}, {"/dev/b", "B"}, {"/dev/c", "C"}};
  EXPECT_EQ(Opis(NowaMapa().Porty()), (std::vector<std::string>{"COM1=/dev/b", "COM4=/dev/a", "COM5=/dev/c"}));
}

TEST_F(TMapaPortowComTest, WhenNumbersRunOutAnAbsentDevicesNumberIsReused) {
  for (int i = 1; i <= 32; ++i) Urzadzenia.push_back({"/dev/ttyX" + std::to_string(100 + i), "d" + std::to_string(i)});
  ASSERT_EQ(NowaMapa().Porty().size(), 32u);
  Urzadzenia.erase(Urzadzenia.begin() + 4);  // d5, COM5, goes away
  Urzadzenia.push_back({"/dev/ttyZ", "new"});
  const auto porty = NowaMapa().Porty();
  ASSERT_EQ(porty.size(), 32u);
  EXPECT_EQ(porty[4].Nazwa + "=" + porty[4].Sciezka, "COM5=/dev/ttyZ");
  Urzadzenia.push_back({"/dev/ttyX105", "d5"});
  EXPECT_EQ(NowaMapa().Porty().size(), 32u) << "a 33rd device has no number to take";
}

TEST_F(TMapaPortowComTest, RegisteringTakesTheLowestFreeNumberAndRemovingGivesItBack) {
  Urzadzenia = {{"/dev/ttyS0", "S"}};
  auto mapa = NowaMapa();
  Lacze("COM2", Urzadzenie("pts3"));

  const auto pierwszy = mapa.ZarejestrujPortWirtualny(Urzadzenie("pts1"));
  ASSERT_TRUE(pierwszy.Udana()) << pierwszy.Opis;
  EXPECT_EQ(pierwszy.Numer, 3) << "1 is the device's, 2 a virtual port's";
  EXPECT_EQ(mapa.SciezkaPortu(3), Urzadzenie("pts1"));

  EXPECT_FALSE(mapa.UsunPortWirtualny(3, Urzadzenie("pts2"))) << "it points elsewhere";
  EXPECT_TRUE(mapa.UsunPortWirtualny(3, Urzadzenie("pts1")));
  EXPECT_EQ(mapa.SciezkaPortu(3), std::nullopt);
  EXPECT_FALSE(mapa.UsunPortWirtualny(3));
  EXPECT_FALSE(mapa.UsunPortWirtualny(1)) << "a system device is no link";
}

TEST_F(TMapaPortowComTest, RegisteringRefusesWhatCannotWork) {
  Urzadzenia = {{"/dev/ttyS0", "S"}};
  auto mapa = NowaMapa();
  ASSERT_TRUE(mapa.ZarejestrujPortWirtualny(Urzadzenie("pts1"), 4).Udana());
  struct TPrzypadek {
    std::string Sciezka;
    int Numer;
    TBladRejestracji Blad;
  };
  const std::vector<TPrzypadek> przypadki{
      {Urzadzenie("pts2"), 4, TBladRejestracji::NumerZajety},   // a live virtual port
      {Urzadzenie("pts2"), 1, TBladRejestracji::NumerZajety},   // an attached device
      {Urzadzenie("pts2"), 33, TBladRejestracji::NumerPozaZakresem},
      {Urzadzenie("pts2"), -1, TBladRejestracji::NumerPozaZakresem},
      {Folder.Plik("nie-ma"), 5, TBladRejestracji::ZlaSciezka},
      {"", 0, TBladRejestracji::ZlaSciezka},
  };
  for (const auto& p : przypadki) {
    const auto wynik = mapa.ZarejestrujPortWirtualny(p.Sciezka, p.Numer);
    EXPECT_EQ(wynik.Blad, p.Blad) << p.Sciezka << " as COM" << p.Numer;
    EXPECT_FALSE(wynik.Opis.empty());
  }
  EXPECT_EQ(Opis(mapa.Porty()), (std::vector<std::string>{"COM1=/dev/ttyS0", "COM4=" + Urzadzenie("pts1") + " (v)"}));
}

TEST_F(TMapaPortowComTest, ALinkLeftByAProgramThatDiedIsReplaced) {
  Lacze("COM1", Folder.Plik("zniklo"));
  auto mapa = NowaMapa();
  const auto wynik = mapa.ZarejestrujPortWirtualny(Urzadzenie("pts1"), 1);
  ASSERT_TRUE(wynik.Udana()) << wynik.Opis;
  EXPECT_EQ(mapa.SciezkaPortu(1), Urzadzenie("pts1"));
  EXPECT_EQ(mapa.ZarejestrujPortWirtualny(Urzadzenie("pts2")).Numer, 2);
}

TEST(NumerZNazwyPortu, TakesComAndANumberFrom1To99) {
  const std::vector<std::pair<std::string, int>> przypadki{
      {"COM1", 1}, {"COM12", 12}, {"COM99", 99}, {"COM0", 0},  {"COM100", 0}, {"COM07", 0},
      {"COM", 0},  {"COMx", 0},   {"COM1a", 0},  {"com3", 0}, {"LPT1", 0},   {"COM-1", 0},
  };
  for (const auto& [nazwa, numer] : przypadki) EXPECT_EQ(NumerZNazwyPortu(nazwa), numer) << nazwa;
}

}  // namespace
}  // namespace wtrysk
