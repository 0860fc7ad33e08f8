#include "pliki/FormatPlikuNastaw.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "NastawyWzorcowe.h"

namespace wtrysk {
namespace {

using TBajty = std::vector<uint8_t>;

template <typename T>
void DopiszMlodszyPierwszy(TBajty& b, const T& wartosc) {
  if constexpr (std::is_class_v<T>) {
    for (const auto& w : wartosc) DopiszMlodszyPierwszy(b, w);
  } else {
    const auto u = static_cast<std::make_unsigned_t<T>>(wartosc);
    for (std::size_t i = 0; i < sizeof(T); ++i) b.push_back(static_cast<uint8_t>(u >> (8 * i)));
  }
}

// One field of the settings body: the first firmware whose body has it, how its bytes look
// and how to copy it from one record to another.
struct TPoleTresci {
  std::string Nazwa;
  int OdWersji;
  std::function<void(TBajty&, const TNastawy&)> Dopisz;
  std::function<void(const TNastawy&, TNastawy&)> Kopiuj;
};

template <auto WskaznikPola>
TPoleTresci Pole(std::string nazwa, int odWersji) {
  return {std::move(nazwa), odWersji, [](TBajty& b, const TNastawy& n) { DopiszMlodszyPierwszy(b, n.*WskaznikPola); },
          [](const TNastawy& z, TNastawy& d) { d.*WskaznikPola = z.*WskaznikPola; }};
}

// The settings body, in file order.
const std::vector<TPoleTresci>& PolaTresci() {
  static const std::vector<TPoleTresci> pola{
      Pole<&TNastawy::IloscCylNaCewke>("IloscCylNaCewke", 15),
      Pole<&TNastawy::IloscCylindrow>("IloscCylindrow", 15),
      Pole<&TNastawy::ProgPrzelaczenia>("ProgPrzelaczenia", 15),
      Pole<&TNastawy::MaxObroty>("MaxObroty", 15),
      Pole<&TNastawy::CisnienieRobocze>("CisnienieRobocze", 15),
      Pole<&TNastawy::KalibCzasWtrysku>("KalibCzasWtrysku", 15),
      Pole<&TNastawy::KalibMnoznik>("KalibMnoznik", 15),
      Pole<&TNastawy::KalibTempGazu>("KalibTempGazu", 15),
      Pole<&TNastawy::CisnienieMinimalne>("CisnienieMinimalne", 15),
      Pole<&TNastawy::CzasBleduCisnienia>("CzasBleduCisnienia", 15),
      Pole<&TNastawy::CzasPrzelaczenia>("CzasPrzelaczenia", 15),
      Pole<&TNastawy::CzasPrzelCylindra>("CzasPrzelCylindra", 15),
      Pole<&TNastawy::CzasOtwZamWtr>("CzasOtwZamWtr", 15),
      Pole<&TNastawy::TypWtryskiwacza>("TypWtryskiwacza", 17),
      Pole<&TNastawy::Mapa>("Mapa", 15),
      Pole<&TNastawy::KorektaMapy>("KorektaMapy", 15),
      Pole<&TNastawy::ProgiPoziomu>("ProgiPoziomu", 15),
      Pole<&TNastawy::RodzajCzujnikaPoziomu>("RodzajCzujnikaPoziomu", 15),
      Pole<&TNastawy::CzujnikTempReduktora>("CzujnikTempReduktora", 15),
      Pole<&TNastawy::CzujnikTempGazu>("CzujnikTempGazu", 15),
      Pole<&TNastawy::CzujnikCisnienia>("CzujnikCisnienia", 15),
      Pole<&TNastawy::CzujnikCisKolektora>("CzujnikCisKolektora", 17),
      Pole<&TNastawy::Flagi>("Flagi", 15),
      Pole<&TNastawy::TempPrzelaczenia>("TempPrzelaczenia", 15),
      Pole<&TNastawy::ZakresMapy1>("ZakresMapy1", 15),
      Pole<&TNastawy::ZakresMapy2>("ZakresMapy2", 15),
      Pole<&TNastawy::Flagi2>("Flagi2", 20),
      Pole<&TNastawy::CzasWylaczeniaPrzyBledzie>("CzasWylaczeniaPrzyBledzie", 20),
      Pole<&TNastawy::CzasRozpOgraniczenia>("CzasRozpOgraniczenia", 21),
      Pole<&TNastawy::CzasPrzelaczenia16>("CzasPrzelaczenia16", 23),
      Pole<&TNastawy::KorekcjaWtryskiwacza>("KorekcjaWtryskiwacza", 24),
      Pole<&TNastawy::MinObrotyLPG>("MinObrotyLPG", 24),
      Pole<&TNastawy::MinTempGazu>("MinTempGazu", 24),
      Pole<&TNastawy::WypelnienieOgraniczenia>("WypelnienieOgraniczenia", 24),
      Pole<&TNastawy::TypSondyLambda>("TypSondyLambda", 24),
      Pole<&TNastawy::ProgDetekcjiObrotow>("ProgDetekcjiObrotow", 24),
  };
  return pola;
}

TBajty Tresc(const TNastawy& n, int wersja) {
  TBajty b;
  for (const auto& p : PolaTresci())
    if (p.OdWersji <= wersja) p.Dopisz(b, n);
  return b;
}

TBajty Naglowek(uint8_t wersjaFirmware, uint16_t wymagana) {
  TBajty b{7, 'Z', '4', '1', '0', 'U', 's', 't', 0, 0, 0, wersjaFirmware};
  if (wersjaFirmware >= 19) DopiszMlodszyPierwszy(b, wymagana);
  return b;
}

TIdentyfikacjaSterownika Sterownik(int wersja, uint16_t wymagana) {
  TIdentyfikacjaSterownika id;
  id.WersjaFirmware = static_cast<uint8_t>(wersja);
  id.WymaganaWersjaProgramu = wymagana;
  return id;
}

// Every field each firmware's body carries comes back; the rest keep their defaults.
void SprawdzOdczyt(const TNastawy& odczytane, const TNastawy& zapisane, int wersja) {
  TNastawy oczekiwane;
  NastawyDomyslne(oczekiwane);
  for (const auto& p : PolaTresci()) {
    if (p.OdWersji <= wersja) p.Kopiuj(zapisane, oczekiwane);
  }
  for (const auto& p : PolaTresci()) {
    TBajty jest, ma;
    p.Dopisz(jest, odczytane);
    p.Dopisz(ma, oczekiwane);
    EXPECT_EQ(jest, ma) << p.Nazwa;
  }
}

struct TPrzypadekWersji {
  int Wersja;
  std::size_t DlugoscTresci;
  friend std::ostream& operator<<(std::ostream& o, const TPrzypadekWersji& p) {
    return o << "firmware " << p.Wersja << ", body " << p.DlugoscTresci;
  }
};

class FormatPlikuNastawWersji : public ::testing::TestWithParam<TPrzypadekWersji> {};

TEST_P(FormatPlikuNastawWersji, WritesHeaderAndBodyByteForByteAndReadsThemBack) {
  const auto [v, dlugosc] = GetParam();
  const auto wersja = UtworzWersje(v);
  ASSERT_NE(wersja, nullptr);
  EXPECT_EQ(wersja->DlugoscTresciPliku(), dlugosc);

  const TNastawy zapisane = NastawyWzorcowe();
  const TBajty plik = ZbudujPlikNastaw(Sterownik(v, 0x0A0B), *wersja, zapisane);
  TBajty oczekiwany = Naglowek(static_cast<uint8_t>(v), 0x0A0B);
  const TBajty tresc = Tresc(zapisane, v);
  ASSERT_EQ(tresc.size(), dlugosc);
  oczekiwany.insert(oczekiwany.end(), tresc.begin(), tresc.end());
  EXPECT_EQ(plik, oczekiwany);

  const auto naglowek = CzytajNaglowekPlikuNastaw(plik);
  ASSERT_TRUE(naglowek);
  EXPECT_EQ(naglowek->WersjaFirmware, v);
  EXPECT_EQ(naglowek->PoczatekTresci, v >= 19 ? 14u : 12u);
  if (v >= 19) {
    EXPECT_EQ(naglowek->WymaganaWersjaProgramu, 0x0A0B);
  } else {
    EXPECT_FALSE(naglowek->WymaganaWersjaProgramu);
  }

  const auto wersjaPliku = WersjaDlaPlikuNastaw(v, 14);
  ASSERT_NE(wersjaPliku, nullptr);
  EXPECT_EQ(wersjaPliku->NumerWersji, v);
  TNastawy odczytane;
  NastawyDomyslne(odczytane);
  TCzytnikPliku czytnik(plik, naglowek->PoczatekTresci);
  wersjaPliku->CzytajZPliku(czytnik, odczytane);
  EXPECT_EQ(czytnik.Pozostalo(), 0u);
  SprawdzOdczyt(odczytane, zapisane, v);
}

INSTANTIATE_TEST_SUITE_P(KazdaKlasa, FormatPlikuNastawWersji,
                         ::testing::Values(TPrzypadekWersji{15, 540}, TPrzypadekWersji{16, 540},
                                           TPrzypadekWersji{17, 542}, TPrzypadekWersji{18, 542},
                                           TPrzypadekWersji{19, 542}, TPrzypadekWersji{20, 544},
                                           TPrzypadekWersji{21, 545}, TPrzypadekWersji{23, 547},
                                           TPrzypadekWersji{24, 560}, TPrzypadekWersji{26, 560}),
                         [](const auto& info) { return "v" + std::to_string(info.param.Wersja); });

TEST(FormatPlikuNastaw, FirmwareWithoutItsOwnClassKeepsItsNumberAndWritesTheLowerBody) {
  // Firmware 22 is served by the class for 21.
  const auto wersja = UtworzWersjeDlaFirmware(22);
  const TNastawy zapisane = NastawyWzorcowe();
  const TBajty plik = ZbudujPlikNastaw(Sterownik(22, 14), *wersja, zapisane);
  ASSERT_EQ(plik.size(), 14u + 545u);
  EXPECT_EQ(TBajty(plik.begin(), plik.begin() + 14), Naglowek(22, 14));

  const auto naglowek = CzytajNaglowekPlikuNastaw(plik);
  ASSERT_TRUE(naglowek);
  EXPECT_EQ(naglowek->WersjaFirmware, 22);
  const auto wersjaPliku = WersjaDlaPlikuNastaw(naglowek->WersjaFirmware, *naglowek->WymaganaWersjaProgramu);
  ASSERT_NE(wersjaPliku, nullptr);
  EXPECT_EQ(wersjaPliku->NumerWersji, 21);
  TNastawy odczytane;
  NastawyDomyslne(odczytane);
  TCzytnikPliku czytnik(plik, naglowek->PoczatekTresci);
  wersjaPliku->CzytajZPliku(czytnik, odczytane);
  SprawdzOdczyt(odczytane, zapisane, 21);
}

TEST(FormatPlikuNastaw, HeaderIsRecognisedOnlyWhenWholeAndExact) {
  struct TPrzypadek {
    std::string Opis;
    TBajty Bajty;
    bool Poprawny;
    std::size_t PoczatekTresci;
  };
  auto z = [](TBajty b, std::initializer_list<uint8_t> dalej) {
    b.insert(b.end(), dalej);
    return b;
  };
  const TBajty magia{7, 'Z', '4', '1', '0', 'U', 's', 't'};
  const std::vector<TPrzypadek> przypadki{
      {"version 18 has no required version", z(magia, {0, 0, 0, 18, 0xEE}), true, 12},
      {"version 19 has one", z(magia, {0, 0, 0, 19, 14, 0}), true, 14},
      {"padding is ignored", z(magia, {'a', 'b', 'c', 15}), true, 12},
      {"length byte 8", z({8, 'Z', '4', '1', '0', 'U', 's', 't'}, {0, 0, 0, 18}), false, 0},
      {"length byte 6", z({6, 'Z', '4', '1', '0', 'U', 's', 't'}, {0, 0, 0, 18}), false, 0},
      {"other text", z({7, 'Z', '4', '1', '0', 'O', 's', 'c'}, {0, 0, 0, 18}), false, 0},
      {"ends before the version byte", z(magia, {0, 0, 0}), false, 0},
      {"ends inside the magic text", {7, 'Z', '4'}, false, 0},
      {"empty", {}, false, 0},
      {"ends inside the required version", z(magia, {0, 0, 0, 24, 14}), false, 0},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Opis);
    const auto naglowek = CzytajNaglowekPlikuNastaw(p.Bajty);
    ASSERT_EQ(naglowek.has_value(), p.Poprawny);
    if (naglowek) {
      EXPECT_EQ(naglowek->PoczatekTresci, p.PoczatekTresci);
    }
  }
}

TEST(FormatPlikuNastaw, FileHandlerIsTheNearestClassAtOrBelowUnlessTheProgramIsTooOld) {
  struct TPrzypadek {
    int Wersja;
    int Wymagana;
    int Oczekiwana;  // 0: none
  };
  const std::vector<TPrzypadek> przypadki{
      {15, 14, 15}, {22, 14, 21}, {25, 0, 24}, {26, 14, 26}, {27, 14, 26}, {255, 14, 26},
      {14, 14, 0},  {0, 0, 0},    {24, 15, 0}, {18, 65535, 0},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(std::to_string(p.Wersja) + " needing " + std::to_string(p.Wymagana));
    const auto wersja = WersjaDlaPlikuNastaw(p.Wersja, p.Wymagana);
    EXPECT_EQ(wersja ? wersja->NumerWersji : 0, p.Oczekiwana);
  }
  EXPECT_NE(WersjaDlaPlikuNastaw(24, 15, 15), nullptr) << "a newer program takes it";
}

}  // namespace
}  // namespace wtrysk
