#include "model/Przeliczenia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace wtrysk {
namespace {

struct TNaBajt {
  double Wejscie;
  int Bajt;
};

TEST(Przeliczenia, PercentToByteRoundsHalvesToEvenAndStaysInAByte) {
  const TNaBajt przypadki[] = {
      {0, 0},     {35, 89},    {40, 102},  {50, 128},  // 127.5 -> 128
      {30, 76},                                        // 76.5 -> 76
      {10, 26},                                        // 25.5 -> 26
      {100, 255}, {101, 255},  {-1, 0},    {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& p : przypadki) EXPECT_EQ(ProcentNaBajt(p.Wejscie), p.Bajt) << p.Wejscie;
}

TEST(Przeliczenia, ByteToPercent) {
  const std::pair<int, int> przypadki[] = {{0, 0}, {89, 35}, {102, 40}, {127, 50}, {128, 50}, {255, 100}};
  for (const auto& [b, p] : przypadki) EXPECT_EQ(BajtNaProcent(static_cast<uint8_t>(b)), p) << b;
}

TEST(Przeliczenia, VoltsToByteRoundsHalvesToEvenAndStaysInAByte) {
  const TNaBajt przypadki[] = {
      {0, 0}, {7.5, 128},  // 127.5 -> 128
      {0.5, 8},            // 8.5 -> 8
      {1.5, 26},           // 25.5 -> 26
      {2.4, 41}, {15, 255}, {16, 255}, {-0.1, 0},
  };
  for (const auto& p : przypadki) EXPECT_EQ(NapiecieNaBajt(p.Wejscie), p.Bajt) << p.Wejscie;
}

TEST(Przeliczenia, ByteToVoltsIsNotRounded) {
  EXPECT_DOUBLE_EQ(BajtNaNapiecie(0), 0.0);
  EXPECT_DOUBLE_EQ(BajtNaNapiecie(41), 41 * 15.0 / 255.0);  // 2.4117...
  EXPECT_DOUBLE_EQ(BajtNaNapiecie(128), 128 * 15.0 / 255.0);
  EXPECT_DOUBLE_EQ(BajtNaNapiecie(255), 15.0);
}

TEST(Przeliczenia, CorrectionToByte) {
  const TNaBajt przypadki[] = {
      {0, 128},  {-25, 96}, {25, 160},
      {1, 129},     // 129.28
      {-1, 127},    // 126.72
      {-90, 13},    // 12.8
      {-100, 0},
      {100, 255},   // 256 would wrap to 0, i.e. -100 %
      {150, 255},   {-150, 0},
  };
  for (const auto& p : przypadki) EXPECT_EQ(KorektaNaBajt(p.Wejscie), p.Bajt) << p.Wejscie;
}

TEST(Przeliczenia, ByteToCorrectionRoundsHalvesToEven) {
  const std::pair<int, int> przypadki[] = {
      {128, 0}, {0, -100}, {255, 99}, {127, -1}, {129, 1}, {96, -25}, {160, 25},
      {112, -12},  // -12.5
      {144, 12},   // 12.5
      {80, -38},   // -37.5
      {176, 38},   // 37.5
  };
  for (const auto& [b, k] : przypadki) EXPECT_EQ(BajtNaKorekte(static_cast<uint8_t>(b)), k) << b;
}

TEST(Przeliczenia, EditorValuesSurviveTheRoundTrip) {
  for (int k = -25; k <= 25; ++k) EXPECT_EQ(BajtNaKorekte(KorektaNaBajt(k)), k) << k;
  for (int p = 0; p <= 100; ++p) EXPECT_EQ(BajtNaProcent(ProcentNaBajt(p)), p) << p;
  for (int dziesiate = 0; dziesiate <= 150; ++dziesiate) {
    const double v = dziesiate / 10.0;
    EXPECT_NEAR(BajtNaNapiecie(NapiecieNaBajt(v)), v, 15.0 / 255.0 / 2 + 1e-9) << v;  // half a step
  }
}

}  // namespace
}  // namespace wtrysk
