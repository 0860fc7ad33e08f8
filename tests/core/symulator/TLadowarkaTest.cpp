#include "symulator/TLadowarka.h"

#include <gtest/gtest.h>

#include <vector>

namespace wtrysk {
namespace {

struct TPotwierdzenie {
  uint32_t PoBajcie;  // 1-based count of image bytes
  uint8_t Suma;
  friend bool operator==(const TPotwierdzenie&, const TPotwierdzenie&) = default;
};

// Feeds bytes 1, 2, 3, ... (modulo 256) and notes every acknowledgement.
std::vector<TPotwierdzenie> Zaladuj(TLadowarka& l, uint32_t ile) {
  std::vector<TPotwierdzenie> wynik;
  for (uint32_t i = 1; i <= ile; ++i) {
    for (uint8_t suma : l.Bajt(static_cast<uint8_t>(i))) wynik.push_back({i, suma});
  }
  return wynik;
}

uint8_t Suma(uint32_t od, uint32_t do_) {
  unsigned s = 0;
  for (uint32_t i = od; i <= do_; ++i) s += i & 0xFF;
  return static_cast<uint8_t>(s);
}

TEST(TLadowarkaTest, AcknowledgesAfterThe31stAndTheLastByteOfEachBlock) {
  TLadowarka l(64, 0);
  const auto potwierdzenia = Zaladuj(l, 100);
  // The second block's 31st byte is byte 95; bytes 96..100 end no block and get nothing.
  EXPECT_EQ(potwierdzenia, (std::vector<TPotwierdzenie>{{31, Suma(1, 31)}, {64, Suma(1, 64)}, {95, Suma(65, 95)}}));
  EXPECT_EQ(l.LiczbaOdebranych(), 100u);
  EXPECT_FALSE(l.Kompletny()) << "without a known length the image is never known to be whole";
}

TEST(TLadowarkaTest, ABlockOf31BytesIsAcknowledgedTwiceAtItsEnd) {
  TLadowarka l(31, 0);
  EXPECT_EQ(Zaladuj(l, 62), (std::vector<TPotwierdzenie>{
                                {31, Suma(1, 31)}, {31, Suma(1, 31)}, {62, Suma(32, 62)}, {62, Suma(32, 62)}}));
}

TEST(TLadowarkaTest, BlocksShorterThan31BytesAreAcknowledgedOnlyAtTheirEnd) {
  TLadowarka l(16, 0);
  EXPECT_EQ(Zaladuj(l, 40), (std::vector<TPotwierdzenie>{{16, Suma(1, 16)}, {32, Suma(17, 32)}}));
}

TEST(TLadowarkaTest, ABlockSizeOfZeroNeverEndsABlock) {
  TLadowarka l(0, 0);
  EXPECT_EQ(Zaladuj(l, 70000), (std::vector<TPotwierdzenie>{{31, Suma(1, 31)}}));
  EXPECT_EQ(l.Obraz().size(), TLadowarka::NajwiekszyObraz) << "what an image cannot hold is counted, not kept";
}

TEST(TLadowarkaTest, AKnownLengthTellsWhenTheImageIsWhole) {
  TLadowarka l(64, 70);
  Zaladuj(l, 69);
  EXPECT_FALSE(l.Kompletny());
  l.Bajt(0);
  EXPECT_TRUE(l.Kompletny());
}

}  // namespace
}  // namespace wtrysk
