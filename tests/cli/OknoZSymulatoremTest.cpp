// The window program against the simulator over a pseudo-terminal, as separate processes:
// what the program writes on the line, and the settings file it leaves at close.
#include <QFile>
#include <algorithm>

#include "ProcesCli.h"

#ifdef WTRYSK_GUI

namespace wtrysk {
namespace {

struct TOdebrane {
  long long CzasMs;
  QByteArray Heks;
};

TEST_F(CliTest, WindowProgramIdentifiesThenPollsEvery100ms) {
  const int com = StartSymulatora({"--firmware", "24", "--log"});
  ASSERT_GT(com, 0);
  QProcess& symulator = *Symulatory.back();

  QProcess okno;
  auto srodowisko = Srodowisko();
  srodowisko.insert("WTRYSK_PORT", QString::number(com));
  srodowisko.insert("QT_QPA_PLATFORM", "offscreen");
  okno.setProcessEnvironment(srodowisko);
  okno.start(WTRYSK_GUI, {});
  ASSERT_TRUE(okno.waitForStarted(10000));

  std::vector<TOdebrane> odebrane;
  while (odebrane.size() < 15 && symulator.waitForReadyRead(10000)) {
    while (symulator.canReadLine()) {
      const QList<QByteArray> czesci = symulator.readLine().trimmed().split(' ');
      if (czesci.size() == 3 && czesci[0] == "RX") odebrane.push_back({czesci[1].toLongLong(), czesci[2]});
    }
  }
  okno.terminate();
  ASSERT_TRUE(okno.waitForFinished(10000));
  EXPECT_EQ(okno.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(okno.exitCode(), 0) << okno.readAllStandardError().toStdString();

  ASSERT_GE(odebrane.size(), 15u);
  EXPECT_EQ(odebrane[0].Heks, "AA0C01B7") << "the identification request comes first";
  std::vector<long long> odstepy;
  for (std::size_t i = 1; i < odebrane.size(); ++i) {
    EXPECT_EQ(odebrane[i].Heks, "AA0101AC") << "then only polls, " << i;
    if (i > 1) odstepy.push_back(odebrane[i].CzasMs - odebrane[i - 1].CzasMs);
  }
  std::sort(odstepy.begin(), odstepy.end());
  EXPECT_NEAR(odstepy[odstepy.size() / 2], 100, 10) << "polls every 100 ms";

  // Closed by a signal exactly as by its window: the settings file is written, remembering
  // the port it used.
  QFile ustawienia(Folder.filePath("ustawienia.dat"));
  ASSERT_TRUE(ustawienia.open(QIODevice::ReadOnly));
  const QByteArray bajty = ustawienia.readAll();
  ASSERT_EQ(bajty.size(), 112);
  const int wybrany = static_cast<uint8_t>(bajty[52]) | static_cast<uint8_t>(bajty[53]) << 8;
  EXPECT_EQ(wybrany, com);
}

}  // namespace
}  // namespace wtrysk

#endif
