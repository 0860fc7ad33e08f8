#include "wspolne/Zaokraglanie.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(Zaokraglij, NearestWithHalvesToEven) {
  const std::pair<double, int64_t> przypadki[] = {
      {127.5, 128}, {126.72, 127}, {12.8, 13}, {-12.8, -13}, {32.5, 32}, {33.5, 34},
      {-12.5, -12}, {0.5, 0}, {1.5, 2}, {-0.4, 0}, {2439999.6, 2440000},
  };
  for (const auto& [x, wynik] : przypadki) EXPECT_EQ(Zaokraglij(x), wynik) << x;
}

}  // namespace
}  // namespace wtrysk
