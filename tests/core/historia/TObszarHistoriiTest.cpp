#include "historia/TObszarHistorii.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace wtrysk {
namespace {

using O = TObszarHistorii;

TEST(TObszarHistorii, FourByteValuesAreLittleEndian) {
  O obszar;
  for (const auto poz : {O::PozCzasBenzyny, O::PozCzasGazu, O::PozBenzynaPolaczenie, O::PozGazPolaczenie,
                         O::PozPunktPrzegladu}) {
    obszar.Zapisz32(poz, 0x12345678);
    EXPECT_EQ(obszar.Bajt(poz), 0x78) << poz;
    EXPECT_EQ(obszar.Bajt(poz + 1), 0x56) << poz;
    EXPECT_EQ(obszar.Bajt(poz + 2), 0x34) << poz;
    EXPECT_EQ(obszar.Bajt(poz + 3), 0x12) << poz;
    EXPECT_EQ(obszar.Czytaj32(poz), 0x12345678u) << poz;
  }
  obszar.UstawBajt(O::PozCzasGazu, 0x40);
  obszar.UstawBajt(O::PozCzasGazu + 1, 0x42);
  obszar.UstawBajt(O::PozCzasGazu + 2, 0x0F);
  obszar.UstawBajt(O::PozCzasGazu + 3, 0x00);
  EXPECT_EQ(obszar.CzasGazu(), 1000000u);
}

TEST(TObszarHistorii, EventRecordIsElevenLittleEndianBytesAtItsPosition) {
  const TZdarzenieHistorii zdarzenie{2026, 1, 5, 8, 5, 9, 0xA1B2C3D4};
  const std::vector<uint8_t> oczekiwane{0xEA, 0x07, 1, 5, 8, 5, 9, 0xD4, 0xC3, 0xB2, 0xA1};
  const auto bajty = zdarzenie.Bajty();
  EXPECT_EQ(std::vector<uint8_t>(bajty.begin(), bajty.end()), oczekiwane);

  O obszar;
  obszar.UstawZdarzenie(O::PozZmiany(3), zdarzenie);
  for (std::size_t i = 0; i < oczekiwane.size(); ++i) EXPECT_EQ(obszar.Bajt(109 + i), oczekiwane[i]) << i;
  EXPECT_EQ(obszar.Zdarzenie(109), zdarzenie);
  EXPECT_TRUE(obszar.Zdarzenie(O::PozZmiany(2)).CzyPusty());
  EXPECT_EQ(obszar.Bajt(120), 0) << "the next record is untouched";
}

TEST(TObszarHistorii, AccessOutsideTheAreaReadsZeroAndWritesNothing) {
  O obszar;
  obszar.UstawBajt(254, 0x77);
  const O przed = obszar;
  obszar.Zapisz32(252, 0xFFFFFFFF);
  obszar.UstawZdarzenie(245, TZdarzenieHistorii{2026, 1, 1, 0, 0, 0, 1});
  obszar.UstawBajt(255, 1);
  EXPECT_EQ(obszar, przed);
  EXPECT_EQ(obszar.Czytaj32(252), 0u);
  EXPECT_TRUE(obszar.Zdarzenie(245).CzyPusty());
  EXPECT_EQ(obszar.Bajt(255), 0);
  EXPECT_EQ(obszar.Czytaj32(251), 0x77000000u) << "the last whole value still reads";
}

TEST(TObszarHistorii, WireCarriesPositions1To254ThenPosition0) {
  std::vector<uint8_t> lacze(255);
  std::iota(lacze.begin(), lacze.end() - 1, uint8_t{1});  // position k travels as byte k-1
  lacze.back() = 0xEE;

  const auto obszar = O::ZBajtowLacza(lacze);
  ASSERT_TRUE(obszar.has_value());
  EXPECT_EQ(obszar->Bajt(0), 0xEE);
  for (std::size_t poz = 1; poz < O::Rozmiar; ++poz) EXPECT_EQ(obszar->Bajt(poz), poz) << poz;

  const auto zwrot = obszar->BajtyLacza();
  EXPECT_EQ(std::vector<uint8_t>(zwrot.begin(), zwrot.end()), lacze);

  const auto komenda59 = obszar->DaneKomendy59();
  EXPECT_EQ(std::vector<uint8_t>(komenda59.begin(), komenda59.end()),
            std::vector<uint8_t>(lacze.begin(), lacze.end() - 1))
      << "command 59 carries positions 1..254 only";
}

TEST(TObszarHistorii, ShortWireInputIsNoArea) {
  EXPECT_FALSE(O::ZBajtowLacza(std::vector<uint8_t>(254, 1)).has_value());
  EXPECT_FALSE(O::ZBajtowLacza({}).has_value());
  const std::vector<uint8_t> dluzsze(300, 3);
  EXPECT_TRUE(O::ZBajtowLacza(dluzsze).has_value()) << "what follows the area is not its business";
}

TEST(TObszarHistorii, ZerujKeepsTheControllerByte) {
  auto obszar = *O::ZBajtowLacza(std::vector<uint8_t>(255, 0x5A));
  obszar.Zeruj();
  EXPECT_EQ(obszar.Bajt(0), 0x5A);
  for (std::size_t poz = 1; poz < O::Rozmiar; ++poz) ASSERT_EQ(obszar.Bajt(poz), 0) << poz;
}

TEST(TObszarHistorii, InspectionPointSetsOrClearsOnlyItsFlag) {
  O obszar;
  obszar.UstawBajt(O::PozFlagi, 0x02);
  obszar.UstawPunktPrzegladu(2440000);
  EXPECT_EQ(obszar.PunktPrzegladu(), 2440000u);
  EXPECT_EQ(obszar.Flagi(), 0x03);
  obszar.UstawPunktPrzegladu(0);
  EXPECT_EQ(obszar.PunktPrzegladu(), 0u);
  EXPECT_EQ(obszar.Flagi(), 0x02);
}

}  // namespace
}  // namespace wtrysk
