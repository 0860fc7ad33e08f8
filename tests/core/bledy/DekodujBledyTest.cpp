#include "bledy/DekodujBledy.h"

#include <gtest/gtest.h>

#include <vector>

#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

// A log area: the given bytes, then 0xFF up to 40 bytes (or more, for bytes past the area).
std::vector<uint8_t> Obszar(std::vector<uint8_t> poczatek, std::size_t dlugosc = DlugoscObszaruBledow) {
  poczatek.resize(dlugosc, 0xFF);
  return poczatek;
}

class DekodujBledyTest : public ::testing::Test {
public:
  std::string Tekst(int n) const { return Komunikaty.PobierzKomunikat(n); }
  TKomunikaty Komunikaty;
};

TEST_F(DekodujBledyTest, InjectorMaskDependsOnTheFirmware) {
  const auto obszar = Obszar({0x02, 0x00, 0xFA, 0xFF, 0x09});
  const std::string wtryskiwacze13 = "2. " + Tekst(81) + ":  1   3   ";
  const std::string wtryskiwacz1 = "2. " + Tekst(81) + ":  1   ";
  struct Przypadek {
    int Wersja;
    std::string Linia2;
  };
  const Przypadek przypadki[] = {
      {18, wtryskiwacz1}, {19, wtryskiwacz1}, {20, wtryskiwacz1},
      {21, wtryskiwacze13}, {24, wtryskiwacze13}, {26, wtryskiwacze13},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(DekodujBledy(obszar, p.Wersja, Komunikaty),
              (TLinieBledow{"1. Błąd napięcia", p.Linia2, "3. Napięcie zasilania za niskie dla LPG !"}))
        << p.Wersja;
  }
}

TEST_F(DekodujBledyTest, OldFirmwareReportsSixInjectorsInTheHighBits) {
  // 0x00 becomes 0xC0: injectors 1 to 6, never 7 and 8.
  EXPECT_EQ(DekodujBledy(Obszar({0x00, 0x00, 0xFF}), 20, Komunikaty),
            (TLinieBledow{"1. " + Tekst(81) + ":  1   2   3   4   5   6   "}));
  EXPECT_EQ(DekodujBledy(Obszar({0x00, 0xFC, 0xFF}), 20, Komunikaty), TLinieBledow{})
      << "bits 0 and 1 of an old mask fall off";
}

TEST_F(DekodujBledyTest, EveryCodeAddsItsMessageInOrder) {
  const auto lista = DekodujBledy(Obszar({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 255, 0x80}), 21, Komunikaty);
  const int komunikaty[] = {82, 83, 84, 85, 86, 87, 88, 100};
  ASSERT_EQ(lista.size(), std::size(komunikaty));
  for (std::size_t i = 0; i < lista.size(); ++i) {
    EXPECT_EQ(lista[i], std::to_string(i + 1) + ". " + Tekst(komunikaty[i]));
  }
}

TEST_F(DekodujBledyTest, UnknownCodesAreSkippedOneByteAtATime) {
  EXPECT_EQ(DekodujBledy(Obszar({0x08, 0x02, 0xC8, 0x00, 0xFE, 0xFF}), 21, Komunikaty),
            (TLinieBledow{"1. " + Tekst(83), "2. " + Tekst(81) + ":  1   "}));
}

TEST_F(DekodujBledyTest, InjectorEntryCutOffByTheEndOfTheAreaAddsNothing) {
  struct Przypadek {
    const char* Opis;
    std::size_t PozycjaZera;
  };
  for (const auto& p : {Przypadek{"code 0 in the 40th byte", 39}, Przypadek{"code 0 in the 39th byte", 38}}) {
    // Bytes past the area would name injector 1 if they were read.
    auto obszar = Obszar({}, DlugoscObszaruBledow + 3);
    obszar[p.PozycjaZera] = 0x00;
    for (std::size_t i = p.PozycjaZera + 1; i < obszar.size(); ++i) obszar[i] = 0xFE;
    EXPECT_EQ(DekodujBledy(obszar, 21, Komunikaty), TLinieBledow{}) << p.Opis;
  }
  auto ostatnie = Obszar({}, DlugoscObszaruBledow + 1);
  ostatnie[37] = 0x00;
  ostatnie[38] = 0xFE;
  ostatnie[39] = 0xFF;
  ostatnie[40] = 0x02;
  EXPECT_EQ(DekodujBledy(ostatnie, 21, Komunikaty), (TLinieBledow{"1. " + Tekst(81) + ":  1   "}))
      << "an entry that ends on the 40th byte counts, the 41st is not read";
}

TEST_F(DekodujBledyTest, ShortOrEmptyInputDecodesWhatIsThere) {
  const std::vector<uint8_t> krotki{0x01, 0x00, 0xFE};
  EXPECT_EQ(DekodujBledy(krotki, 21, Komunikaty), (TLinieBledow{"1. " + Tekst(82)}));
  EXPECT_EQ(DekodujBledy({}, 21, Komunikaty), TLinieBledow{});
  EXPECT_EQ(DekodujBledy(Obszar({}), 21, Komunikaty), TLinieBledow{}) << "an all-0xFF log is empty";
}

}  // namespace
}  // namespace wtrysk
