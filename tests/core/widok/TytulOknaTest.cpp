#include "widok/TytulOkna.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(TytulOkna, TitleFourBlanksVersionAndABlank) {
  EXPECT_EQ(WersjaProgramuTekst(1, 14, 2, 0), "1.14.2.0");
  EXPECT_EQ(TytulOkna("Wtrysk", "1.14.2.0"), "Wtrysk    1.14.2.0 ");
}

}  // namespace
}  // namespace wtrysk
