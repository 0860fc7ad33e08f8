#include <gtest/gtest.h>

#include <array>

#include "InfoOSterFixture.h"

namespace wtrysk {
namespace {

using O = TObszarHistorii;
constexpr int64_t h = 3600;

// Changes 1 to 5 hours apart, the latest at `zmiana1` by `kod`; older entries by another PC.
O Historia(const TDataCzas& zmiana1, uint32_t kod, const TZdarzenieHistorii& nieznana = {}) {
  O obszar;
  obszar.UstawZdarzenie(O::PozZmiany(1), TZdarzenieHistorii::Z(zmiana1, kod));
  for (std::size_t k = 2; k <= O::LiczbaZmian; ++k) {
    const auto kiedy = Przesuniete({2025, 6, 1, 8, 0, 0}, -static_cast<int64_t>(k) * 24 * h);
    obszar.UstawZdarzenie(O::PozZmiany(k), TZdarzenieHistorii::Z(kiedy, InnyKod + static_cast<uint32_t>(k)));
  }
  obszar.UstawZdarzenie(O::PozZmianaNieznana, nieznana);
  obszar.UstawZdarzenie(O::PozPierwszaZmiana, TZdarzenieHistorii::Z({2020, 1, 1, 0, 0, 0}, InnyKod));
  return obszar;
}

std::array<TZdarzenieHistorii, 5> Zmiany(const O& obszar) {
  std::array<TZdarzenieHistorii, 5> wynik;
  for (std::size_t k = 1; k <= 5; ++k) wynik[k - 1] = obszar.Zdarzenie(O::PozZmiany(k));
  return wynik;
}

enum class TSkutek {
  NowyCzas,          // change 1 gets the new time, the rest stay
  Przesuniecie,      // a new entry: the history moves down one
  NieznanaZapisana,  // change 1 kept, the change of unknown origin gets the time
  BezZmian,          // nothing moves
};

TEST_F(InfoOSterTest, RegisteringAChange) {
  const TDataCzas t = Start;
  const TZdarzenieHistorii nieznanaDawna = TZdarzenieHistorii::Z(Przesuniete(t, -30 * 24 * h), NaszKod);
  const TZdarzenieHistorii nieznana2hNaprzod = TZdarzenieHistorii::Z(Przesuniete(t, 2 * h), NaszKod);
  const TZdarzenieHistorii nieznana4hNaprzod = TZdarzenieHistorii::Z(Przesuniete(t, 4 * h), NaszKod);
  struct Przypadek {
    const char* Opis;
    int64_t Zmiana1WzgledemT;  // seconds
    uint32_t KodZmiany1;
    TZdarzenieHistorii Nieznana;
    TSkutek Skutek;
  };
  const Przypadek przypadki[] = {
      {"same PC 2 h later", -2 * h, NaszKod, {}, TSkutek::NowyCzas},
      {"same PC exactly 10 h later", -10 * h, NaszKod, {}, TSkutek::NowyCzas},
      {"same PC 11 h later", -11 * h, NaszKod, {}, TSkutek::Przesuniecie},
      {"another PC a minute later", -60, InnyKod, {}, TSkutek::Przesuniecie},
      {"same PC, same second", 0, NaszKod, {}, TSkutek::BezZmian},
      {"clock 2 h behind this PC's change", 2 * h, NaszKod, {}, TSkutek::BezZmian},
      {"clock 5 h behind, unknown-origin record empty", 5 * h, NaszKod, {}, TSkutek::NieznanaZapisana},
      {"clock 5 h behind, unknown-origin record 4 h ahead", 5 * h, NaszKod, nieznana4hNaprzod,
       TSkutek::NieznanaZapisana},
      {"clock 5 h behind, unknown-origin record 2 h ahead", 5 * h, NaszKod, nieznana2hNaprzod,
       TSkutek::BezZmian},
      {"clock 5 h behind, unknown-origin record in the past", 5 * h, NaszKod, nieznanaDawna,
       TSkutek::BezZmian},
      {"clock a minute behind another PC's change", 60, InnyKod, {}, TSkutek::NieznanaZapisana},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Opis);
    const O przed = Historia(Przesuniete(t, p.Zmiana1WzgledemT), p.KodZmiany1, p.Nieznana);
    Info.WczytajObszarOdpowiedzi(przed);
    Info.RejestrujZmiane(t);
    const O& po = Info.ObszarRoboczy();
    const auto stare = Zmiany(przed);
    const auto nowe = Zmiany(po);
    const auto teraz = TZdarzenieHistorii::Z(t, NaszKod);

    switch (p.Skutek) {
      case TSkutek::NowyCzas:
        EXPECT_EQ(nowe, (std::array{teraz, stare[1], stare[2], stare[3], stare[4]}));
        break;
      case TSkutek::Przesuniecie:
        EXPECT_EQ(nowe, (std::array{teraz, stare[0], stare[1], stare[2], stare[3]}));
        break;
      case TSkutek::NieznanaZapisana:
      case TSkutek::BezZmian:
        EXPECT_EQ(nowe, stare);
        break;
    }
    EXPECT_EQ(po.Zdarzenie(O::PozZmianaNieznana),
              p.Skutek == TSkutek::NieznanaZapisana ? teraz : przed.Zdarzenie(O::PozZmianaNieznana));
    EXPECT_EQ(po.Zdarzenie(O::PozPierwszaZmiana), przed.Zdarzenie(O::PozPierwszaZmiana));
  }
}

TEST_F(InfoOSterTest, LatestChangeThatIsNoDateStartsANewEntry) {
  O przed;
  przed.UstawZdarzenie(O::PozZmiana1, TZdarzenieHistorii{2026, 2, 30, 0, 0, 0, NaszKod});
  Info.WczytajObszarOdpowiedzi(przed);
  Info.RejestrujZmiane(Start);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozZmiany(1)), TZdarzenieHistorii::Z(Start, NaszKod));
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozZmiany(2)), przed.Zdarzenie(O::PozZmiana1));
}

TEST_F(InfoOSterTest, FirstChangeAndFirstConnectionAreWrittenOnceOnly) {
  Info.RejestrujZmiane(Start);
  Info.RejestrujPolaczenie(Start);
  const auto pierwsze = TZdarzenieHistorii::Z(Start, NaszKod);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszaZmiana), pierwsze);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszePolaczenie), pierwsze);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozZmiana1), pierwsze);

  const TDataCzas pozniej = Przesuniete(Start, 20 * h);
  Info.RejestrujZmiane(pozniej);
  Info.RejestrujPolaczenie(pozniej);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszaZmiana), pierwsze);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszePolaczenie), pierwsze);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozOstatniePolaczenie), TZdarzenieHistorii::Z(pozniej, NaszKod));
}

TEST_F(InfoOSterTest, LastConnectionOnlyMovesForward) {
  struct Przypadek {
    const char* Opis;
    int64_t PolaczenieWzgledemT;
    bool Zapisane;
  };
  const Przypadek przypadki[] = {
      {"a second later", -1, true},
      {"a year later, another PC's record", -365 * 24 * h, true},
      {"same second", 0, false},
      {"clock behind the record", 3 * h, false},
  };
  for (const auto& p : przypadki) {
    O przed;
    przed.UstawZdarzenie(O::PozPierwszePolaczenie, TZdarzenieHistorii::Z({2020, 1, 1, 0, 0, 0}, InnyKod));
    przed.UstawZdarzenie(O::PozOstatniePolaczenie,
                         TZdarzenieHistorii::Z(Przesuniete(Start, p.PolaczenieWzgledemT), InnyKod));
    Info.WczytajObszarOdpowiedzi(przed);
    Info.RejestrujPolaczenie(Start);
    EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozOstatniePolaczenie),
              p.Zapisane ? TZdarzenieHistorii::Z(Start, NaszKod) : przed.Zdarzenie(O::PozOstatniePolaczenie))
        << p.Opis;
    EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszePolaczenie), przed.Zdarzenie(O::PozPierwszePolaczenie))
        << p.Opis;
  }
}

}  // namespace
}  // namespace wtrysk
