#include <gtest/gtest.h>

#include "LaczeFixture.h"
#include "link/TParserRamek.h"

namespace wtrysk {
namespace {

struct TStrumien {
  const char* Nazwa;
  TTablicaByte Bajty;
  std::vector<TTablicaByte> Ramki;  // dispatched, in order
};

TTablicaByte Sklej(std::initializer_list<TTablicaByte> czesci) {
  TTablicaByte wynik;
  for (const auto& c : czesci) wynik.insert(wynik.end(), c.begin(), c.end());
  return wynik;
}

std::vector<TStrumien> Strumienie() {
  const auto a = Odpowiedz(1, {0x10, 0x20});
  const auto b = Odpowiedz(12, {0xAA, 0xAA, 0x00});  // start bytes inside a payload are data
  auto zlaSuma = Odpowiedz(7, {1, 2, 3});
  zlaSuma.back() ^= 0xFF;
  return {
      {"garbage before a frame", Bajty({0x00, 0x17, 0xAA, 0x00, 0x05, 0x01, 0xB0}), {Bajty({0xAA, 0x00, 0x05, 0x01, 0xB0})}},
      {"two frames back to back", Sklej({a, b}), {a, b}},
      {"bad checksum dropped, next frame parsed", Sklej({zlaSuma, a}), {a}},
      {"noise between frames", Sklej({a, Bajty({0x55, 0x00, 0xFF}), b}), {a, b}},
      {"length 4: code doubles as checksum", Bajty({0xAA, 0x00, 0x04, 0xAE}), {Bajty({0xAA, 0x00, 0x04, 0xAE})}},
      {"declared length 0 rejected", Sklej({Bajty({0xAA, 0x00, 0x00}), a}), {a}},
      {"declared length 1 rejected", Sklej({Bajty({0xAA, 0x00, 0x01}), a}), {a}},
      {"declared length 2 rejected", Sklej({Bajty({0xAA, 0x00, 0x02}), a}), {a}},
      {"declared length 3 rejected", Sklej({Bajty({0xAA, 0x00, 0x03}), a}), {a}},
      {"a frame cut short swallows what follows", Sklej({Bajty({0xAA, 0x00, 0x20, 0x01}), a}), {}},
  };
}

// Every stream gives the same frames however the transport chops it.
class ParserRamek : public LaczeTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(ParserRamek, DispatchesExactlyTheIntactFramesInOrder) {
  const std::size_t kawalek = GetParam();
  for (const auto& s : Strumienie()) {
    TOtoczenieNagrywajace otoczenie;
    Port.UstawOtoczenie(&otoczenie);
    Port.Otworz();
    for (std::size_t i = 0; i < s.Bajty.size(); i += kawalek) {
      const std::size_t n = std::min(kawalek, s.Bajty.size() - i);
      Port.OdbierzBajty(s.Bajty.data() + i, n);
    }
    EXPECT_EQ(otoczenie.Ramki, s.Ramki) << s.Nazwa << ", chunks of " << kawalek;
    Port.Zamknij();
  }
}

INSTANTIATE_TEST_SUITE_P(Kawalki, ParserRamek, ::testing::Values(1, 2, 3, 7, 1000));

TEST(TParserRamekSam, LongestDeclaredFrameStaysInsideTheBuffer) {
  TParserRamek parser;
  TTablicaByte dane(0xFFFF - 5, 0x5A);
  const auto ramka = ZbudujRamkeOdpowiedzi(60, dane);
  ASSERT_EQ(ramka.size(), 0xFFFFu);
  TParserRamek::TWynik wynik = TParserRamek::TWynik::Niepelna;
  for (uint8_t b : ramka) wynik = parser.PodajBajt(b);
  EXPECT_EQ(wynik, TParserRamek::TWynik::Poprawna);
  EXPECT_EQ(parser.Ramka().size(), 0xFFFFu);
}

}  // namespace
}  // namespace wtrysk
