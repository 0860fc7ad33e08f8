#include "historia/PokazCzas.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(PokazCzas, HalfSecondsAsHoursMinutesSeconds) {
  struct Przypadek {
    uint32_t Polsekundy;
    TTekstyCzasu Teksty;
  };
  const Przypadek przypadki[] = {
      {0, {"", "", ""}},
      {1, {"0", "0", "0"}},  // an odd half-second is dropped
      {7200, {"1", "0", "0"}},
      {7201, {"1", "0", "0"}},
      {7199, {"0", "59", "59"}},
      {2440000, {"338", "53", "20"}},
      {0xFFFFFFFF, {"596523", "14", "7"}},
  };
  for (const auto& p : przypadki) EXPECT_EQ(PokazCzas(p.Polsekundy), p.Teksty) << p.Polsekundy;
}

TEST(PokazCzas, ZeroHasNoParts) {
  EXPECT_FALSE(RozlozCzas(0).has_value());
  EXPECT_EQ(RozlozCzas(2440000), (TGodzinyMinutySekundy{338, 53, 20}));
}

}  // namespace
}  // namespace wtrysk
