// The monitor against the simulator over a pseudo-terminal, for every served firmware.
#include <QJsonArray>

#include "ProcesCli.h"

namespace wtrysk {
namespace {

struct TFirmware {
  int Firmware;
  int Klasa;  // the version handler that serves it
};

class MonitorFirmware : public CliTest, public ::testing::WithParamInterface<TFirmware> {};

TEST_P(MonitorFirmware, IdentifiesAndDecodesTwentyLiveFrames) {
  const auto [firmware, klasa] = GetParam();
  const int com = StartSymulatora({"--firmware", QString::number(firmware)});
  ASSERT_GT(com, 0);
  const auto wynik = Uruchom({"monitor", "--port", QString::number(com), "--count", "20"});
  ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy.toStdString();
  const auto linie = LinieJson(wynik.Wyjscie);
  ASSERT_EQ(linie.size(), 21u);
  EXPECT_EQ(linie[0]["WersjaFirmware"].toInt(), firmware);
  EXPECT_EQ(linie[0]["Wersja"].toInt(), klasa);
  EXPECT_EQ(linie[0]["NazwaWersji"].toString(), "1.11");
  for (std::size_t i = 1; i < linie.size(); ++i) {
    const QJsonObject& d = linie[i];
    // An idling engine as the simulator runs it: ignition on, about 800 rpm, about 3 ms of
    // petrol on every cylinder the layout carries.
    EXPECT_TRUE(d["Stacyjka"].toBool()) << i;
    EXPECT_NEAR(d["Obroty"].toInt(), 8, 2) << i;
    const QJsonArray benzyna = d["CzasWtryskuBenzyny"].toArray();
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(benzyna[c].toInt(), 30, 6) << "frame " << i << " cylinder " << c + 1;
    EXPECT_GT(d["NapiecieZasilania"].toInt(), 1000) << i;
    // What older layouts do not carry stays at its start value.
    if (klasa < 21) {
      EXPECT_EQ(d["NapiecieLambda2"].toInt(), 0) << i;
      EXPECT_EQ(benzyna[6].toInt(), 0) << i;
    }
    if (klasa < 20) {
      EXPECT_EQ(d["MaskaWtryskiwaczy"].toInt(), 255) << i;
    }
    if (klasa < 18) {
      const QJsonArray bledy = d["BledyBiezace"].toArray();
      EXPECT_EQ(bledy[1].toInt(), 255) << i;
      EXPECT_EQ(bledy[3].toInt(), 255) << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Wersje, MonitorFirmware,
                         ::testing::Values(TFirmware{15, 15}, TFirmware{16, 16}, TFirmware{17, 17}, TFirmware{18, 18},
                                           TFirmware{19, 19}, TFirmware{20, 20}, TFirmware{21, 21}, TFirmware{22, 21},
                                           TFirmware{23, 23}, TFirmware{24, 24}, TFirmware{25, 24}, TFirmware{26, 26},
                                           TFirmware{30, 26}),
                         [](const auto& info) { return "Firmware" + std::to_string(info.param.Firmware); });

TEST_F(CliTest, DamagedSplitAndNoisyStreamsStillDecodeEveryIntactFrame) {
  const int com = StartSymulatora({"--firmware", "21", "--corrupt", "0.002", "--split", "--garbage", "--seed", "7"});
  ASSERT_GT(com, 0);
  const auto wynik = Uruchom({"monitor", "--port", QString::number(com), "--count", "20"});
  ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy.toStdString();
  const auto linie = LinieJson(wynik.Wyjscie);
  ASSERT_EQ(linie.size(), 21u);
  for (std::size_t i = 1; i < linie.size(); ++i) EXPECT_NEAR(linie[i]["Obroty"].toInt(), 8, 2) << i;
}

TEST_F(CliTest, SilenceEndsInMessage18AfterSevenSeconds) {
  const int com = StartSymulatora({"--firmware", "24", "--silent-after", "1"});
  ASSERT_GT(com, 0);
  const auto wynik = Uruchom({"monitor", "--port", QString::number(com)}, 20000);
  EXPECT_EQ(wynik.Kod, 2);
  EXPECT_TRUE(wynik.Bledy.contains("Brak sterownika gazu")) << wynik.Bledy.toStdString();
}

TEST_F(CliTest, APulledDeviceEndsInMessage18WithoutHanging) {
  const int com = StartSymulatora({"--firmware", "24"});
  ASSERT_GT(com, 0);
  QProcess monitor;
  monitor.setProcessEnvironment(Srodowisko());
  monitor.start(WTRYSK_CLI, {"monitor", "--port", QString::number(com)});
  ASSERT_TRUE(monitor.waitForStarted());
  // Wait until live frames flow, then pull the controller away.
  QByteArray wyjscie;
  while (wyjscie.count('\n') < 3 && monitor.waitForReadyRead(5000)) wyjscie += monitor.readAllStandardOutput();
  ASSERT_GE(wyjscie.count('\n'), 3) << "no live frames before the device was pulled";
  ZatrzymajSymulatory();
  ASSERT_TRUE(monitor.waitForFinished(10000)) << "the monitor hangs after the device vanished";
  EXPECT_EQ(monitor.exitCode(), 2);
  EXPECT_TRUE(monitor.readAllStandardError().contains("Brak sterownika gazu"));
}

TEST_F(CliTest, ProgramTooOldForTheFirmwareIsRefusedWithMessage5) {
  const int com = StartSymulatora({"--firmware", "24", "--requires", "15"});
  ASSERT_GT(com, 0);
  const auto wynik = Uruchom({"monitor", "--port", QString::number(com), "--count", "1"});
  EXPECT_EQ(wynik.Kod, 3);
  EXPECT_TRUE(wynik.Bledy.contains("Sterownik gazu wymaga oprogramowania w wersji 1.15.x.x")) << wynik.Bledy.toStdString();
}

TEST_F(CliTest, VirtualPortsComeAndGoWithTheSimulator) {
  const auto przed = Uruchom({"ports"});
  ASSERT_EQ(przed.Kod, 0);
  EXPECT_FALSE(przed.Wyjscie.contains("COM7\t7"));
  ASSERT_EQ(StartSymulatora({"--com", "7"}), 7);
  const auto w = Uruchom({"ports"});
  EXPECT_TRUE(w.Wyjscie.contains("COM7\t7\n")) << w.Wyjscie.toStdString();
  EXPECT_EQ(Uruchom({"ports"}).Wyjscie, w.Wyjscie) << "the same ports keep their numbers";
  const auto zajety = Uruchom({"simulate", "--com", "7"});
  EXPECT_EQ(zajety.Kod, 5) << "a taken number is refused";
  EXPECT_FALSE(zajety.Bledy.isEmpty());
  ZatrzymajSymulatory();
  EXPECT_EQ(Uruchom({"ports"}).Wyjscie, przed.Wyjscie);
}

}  // namespace
}  // namespace wtrysk
