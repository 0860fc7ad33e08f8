#include "link/Ramka.h"

#include <gtest/gtest.h>

namespace wtrysk {
namespace {

TEST(Ramka, CommandFramesCarryTheirChecksum) {
  struct TPrzypadek {
    uint8_t Kod;
    TTablicaByte Dane;
    TTablicaByte Ramka;
  };
  const TPrzypadek przypadki[] = {
      {1, {1}, {0xAA, 0x01, 0x01, 0xAC}},           // the poll
      {12, {1}, {0xAA, 0x0C, 0x01, 0xB7}},          // identification request
      {12, {0}, {0xAA, 0x0C, 0x00, 0xB6}},          // sent instead of a refused change
      {38, {}, {0xAA, 0x26, 0xD0}},                 // factory settings, no payload
      {11, {0xFF, 0xFF}, {0xAA, 0x0B, 0xFF, 0xFF, 0xB3}},  // the sum wraps modulo 256
  };
  for (const auto& p : przypadki) EXPECT_EQ(ZbudujRamkeKomendy(p.Kod, p.Dane), p.Ramka) << int(p.Kod);
  EXPECT_EQ(TTablicaByte(RamkaZapytania.begin(), RamkaZapytania.end()), (TTablicaByte{170, 1, 1, 172}));
}

TEST(Ramka, AnswerFramesCountEveryByteInTheirLength) {
  EXPECT_EQ(ZbudujRamkeOdpowiedzi(1, {}), (TTablicaByte{0xAA, 0x00, 0x05, 0x01, 0xB0}));
  const TTablicaByte dane(300, 0x01);
  const auto dluga = ZbudujRamkeOdpowiedzi(12, dane);
  ASSERT_EQ(dluga.size(), 305u);
  EXPECT_EQ(dluga[1], 0x01);
  EXPECT_EQ(dluga[2], 0x31);
  EXPECT_EQ(dluga.back(), SumaKontrolna(std::span(dluga).first(304)));
}

}  // namespace
}  // namespace wtrysk
