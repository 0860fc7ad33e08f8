#include "io/TSerwisCzasuQt.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

namespace wtrysk {
namespace {

TEST(TSerwisCzasuQt, ATimerFiresEveryIntervalWhileEnabledAndNotAfter) {
  TSerwisCzasuQt czas;
  int ile = 0;
  auto timer = czas.UtworzTimer(10, [&] { ++ile; });
  EXPECT_FALSE(timer->Wlaczony()) << "made disabled";
  QTest::qWait(30);
  EXPECT_EQ(ile, 0);
  timer->Wlacz();
  EXPECT_TRUE(timer->Wlaczony());
  ASSERT_TRUE(QTest::qWaitFor([&] { return ile >= 3; }, 2000));
  timer->Wylacz();
  EXPECT_FALSE(timer->Wlaczony());
  const int bylo = ile;
  QTest::qWait(30);
  EXPECT_EQ(ile, bylo);
}

TEST(TSerwisCzasuQt, EnablingARunningTimerDoesNotRestartItsCount) {
  constexpr qint64 Interwal = 300;
  TSerwisCzasuQt czas;
  QElapsedTimer zegar;
  qint64 pierwszy = -1;
  auto timer = czas.UtworzTimer(Interwal, [&] {
    if (pierwszy < 0) pierwszy = zegar.elapsed();
  });
  zegar.start();
  timer->Wlacz();
  QTest::qWait(Interwal / 2);
  const qint64 ponownie = zegar.elapsed();
  timer->Wlacz();  // a restart would put the first tick at ponownie + Interwal
  ASSERT_TRUE(QTest::qWaitFor([&] { return pierwszy >= 0; }, 5000));
  EXPECT_LT(pierwszy, ponownie + Interwal - 50);

  // Disabling and enabling does restart it.
  pierwszy = -1;
  zegar.restart();
  timer->Restartuj();
  ASSERT_TRUE(QTest::qWaitFor([&] { return pierwszy >= 0; }, 5000));
  EXPECT_GE(pierwszy, Interwal - 10);
}

TEST(TSerwisCzasuQt, AHandlerMayDestroyItsOwnTimer) {
  TSerwisCzasuQt czas;
  int ile = 0;
  std::unique_ptr<TTimer> timer;
  timer = czas.UtworzTimer(5, [&] {
    ++ile;
    timer.reset();
  });
  timer->Wlacz();
  ASSERT_TRUE(QTest::qWaitFor([&] { return timer == nullptr; }, 2000));
  QTest::qWait(20);
  EXPECT_EQ(ile, 1);
}

TEST(TSerwisCzasuQt, NowIsThePcsLocalTime) {
  TSerwisCzasuQt czas;
  const QDateTime przed = QDateTime::currentDateTime();
  const TDataCzas teraz = czas.Teraz();
  const QDateTime po = QDateTime::currentDateTime();
  const QDateTime odczytany(QDate(teraz.Rok, teraz.Miesiac, teraz.Dzien),
                            QTime(teraz.Godzina, teraz.Minuta, teraz.Sekunda));
  EXPECT_GE(odczytany.secsTo(przed), -1);
  EXPECT_LE(przed.secsTo(odczytany), 1);
  EXPECT_LE(odczytany, po);
  EXPECT_TRUE(teraz.CzyPoprawna());
}

}  // namespace
}  // namespace wtrysk
