#include "widok/UkladWtryskiwaczy.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(UkladWtryskiwaczy, FramesAndCorrectionEditsPerCylinderCount) {
  struct Przypadek {
    int Pozycja;
    int RamekWlaczonych;  // frames 1..n enabled, the rest disabled
  };
  const Przypadek przypadki[] = {{-1, 3}, {0, 3}, {1, 4}, {2, 5}, {3, 6}, {4, 7}, {5, 8}, {6, 8}, {7, 8}, {8, 8}};
  for (const auto& p : przypadki) {
    const TUkladWtryskiwaczy u = UkladWtryskiwaczy(p.Pozycja);
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(u.Ramki[static_cast<std::size_t>(k)], k < p.RamekWlaczonych) << "item " << p.Pozycja << " frame " << k + 1;
      if (k >= 3) {
        EXPECT_EQ(u.Korekcje[static_cast<std::size_t>(k)], k < p.RamekWlaczonych)
            << "item " << p.Pozycja << " correction " << k + 1;
      }
    }
  }
}

TEST(UkladWtryskiwaczy, FiveCylindersEnableCorrectionsFourAndFiveOnly) {
  const TUkladWtryskiwaczy u = UkladWtryskiwaczy(2);
  EXPECT_EQ(u.Ramki, (std::array<bool, 8>{true, true, true, true, true, false, false, false}));
  EXPECT_EQ(u.Korekcje, (std::array<bool, 8>{false, false, false, true, true, false, false, false}));
}

}  // namespace
}  // namespace wtrysk
