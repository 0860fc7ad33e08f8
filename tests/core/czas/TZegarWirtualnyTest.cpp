#include "czas/TZegarWirtualny.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wtrysk {
namespace {

TEST(TZegarWirtualny, FiresTimersInDueOrderAtTheirDueTime) {
  TZegarWirtualny zegar;
  std::vector<std::string> log;
  auto a = zegar.UtworzTimer(300, [&] { log.push_back("a@" + std::to_string(zegar.CzasMs())); });
  auto b = zegar.UtworzTimer(200, [&] { log.push_back("b@" + std::to_string(zegar.CzasMs())); });
  a->Wlacz();
  b->Wlacz();
  zegar.Przesun(650);
  EXPECT_EQ(log, (std::vector<std::string>{"b@200", "a@300", "b@400", "a@600", "b@600"}));
  EXPECT_EQ(zegar.CzasMs(), 650);
}

TEST(TZegarWirtualny, EnablingARunningTimerKeepsItsCountRestartingResetsIt) {
  TZegarWirtualny zegar;
  int odpalenia = 0;
  auto t = zegar.UtworzTimer(1000, [&] { ++odpalenia; });
  t->Wlacz();
  zegar.Przesun(600);
  t->Wlacz();
  zegar.Przesun(400);
  EXPECT_EQ(odpalenia, 1);
  zegar.Przesun(600);
  t->Restartuj();
  zegar.Przesun(999);
  EXPECT_EQ(odpalenia, 1);
  zegar.Przesun(1);
  EXPECT_EQ(odpalenia, 2);
}

TEST(TZegarWirtualny, HandlerMayDisableOrDestroyTimers) {
  TZegarWirtualny zegar;
  int odpaleniaB = 0;
  std::unique_ptr<TTimer> b = zegar.UtworzTimer(100, [&] { ++odpaleniaB; });
  std::unique_ptr<TTimer> a;
  a = zegar.UtworzTimer(100, [&] {
    b.reset();    // another timer due at the same moment
    a->Wylacz();  // and itself
  });
  a->Wlacz();
  b->Wlacz();
  zegar.Przesun(1000);
  EXPECT_EQ(odpaleniaB, 0);
  EXPECT_FALSE(a->Wlaczony());
}

TEST(TZegarWirtualny, WallClockMovesWithTheTimers) {
  TZegarWirtualny zegar({2026, 12, 31, 23, 59, 58});
  zegar.Przesun(2500);
  EXPECT_EQ(zegar.Teraz(), (TDataCzas{2027, 1, 1, 0, 0, 0}));
  zegar.UstawDate({2030, 6, 1, 8, 0, 0});
  zegar.Przesun(1000);
  EXPECT_EQ(zegar.Teraz(), (TDataCzas{2030, 6, 1, 8, 0, 1}));
}

}  // namespace
}  // namespace wtrysk
