#include "model/TTypWtryskiwacza.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "i18n/TKomunikaty.h"
#include "model/MapyWzorcowe.h"
#include "model/Przeliczenia.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {
namespace {

const std::string Combo(Kontrolka::ZmianaRodzajuWtryskiwaczaGazowegoCombo);
const std::string OtwZam(Kontrolka::ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit);
const std::string Rozp(Kontrolka::CzasRozpOgraniczeniaRxSpinEdit);
const std::string Wypeln(Kontrolka::WypelnienieOgraniczeniaRxSpinEdit);

std::string Komunikat101(const char* wersja) {
  return std::string("Typ wtryskiwacza dostępny od ") + wersja +
         " wersji oprogramowania w sterowniku, Ustawiono wtryskiwacz Matrix !";
}

class TTypWtryskiwaczaTest : public ::testing::Test {
protected:
  // Picks a kind in the combo; what the combo's sender would send is kept in Wyslane.
  void Wybierz(int pozycja, std::optional<int> wersja) {
    Typ.ZmianaRodzaju(pozycja, wersja, [&](uint8_t rodzaj) {
      Wyslane.push_back(rodzaj);
      Okno.Dziennik.push_back("wyslij " + std::to_string(rodzaj));
    });
  }
  bool Dotknieta(const std::string& nazwa) const {
    return std::any_of(Okno.Dziennik.begin(), Okno.Dziennik.end(),
                       [&](const std::string& w) { return w.find(nazwa) != std::string::npos; });
  }

  TOknoNagrywajace Okno;
  TOknoKomunikatowNagrywajace Pudelka;
  TKomunikaty Komunikaty;
  TTypWtryskiwacza Typ{Okno, Pudelka, Komunikaty};
  std::vector<uint8_t> Wyslane;
};

TEST(RodzajeWtryskiwaczy, TableOfKinds) {
  struct TWiersz {
    const char* Nazwa;
    const TMapa* Mapa;
    int CzasOtwZam, CzasRozp, Procent, Bajt, Wersja;
  };
  const TWiersz oczekiwane[] = {
      {"> 15 [Ohm]", nullptr, 0, 0, 100, 255, 0},
      {"MATRIX", &MapaWzorcowaB, 6, 30, 40, 102, 0},
      {"KOLTEC", &MapaWzorcowaA, 10, 0, 100, 255, 0},
      {"VALTEK / RAIL / VO 3 Ohm", &MapaWzorcowaB, 9, 45, 50, 128, 19},
      {"REG", &MapaWzorcowaB, 6, 45, 50, 128, 19},
      {"ZAVOLI", &MapaWzorcowaB, 6, 50, 50, 128, 19},
      {"BRC", &MapaWzorcowaB, 6, 30, 40, 102, 21},
      {"KEIHIN", &MapaWzorcowaB, 6, 30, 40, 102, 21},
      {"VALTEK / RAIL / VO 1 Ohm", &MapaWzorcowaB, 6, 30, 35, 89, 21},
      {"VALTEK / RAIL / VO 2 Ohm", &MapaWzorcowaB, 6, 35, 40, 102, 21},
  };
  for (int r = 0; r < LiczbaRodzajowWtryskiwaczy; ++r) {
    const TRodzajWtryskiwacza& w = RodzajeWtryskiwaczy[r];
    const TWiersz& o = oczekiwane[r];
    EXPECT_EQ(w.Nazwa, o.Nazwa) << r;
    EXPECT_EQ(w.MapaWzorcowa, o.Mapa) << r;
    EXPECT_EQ(w.CzasOtwZam, o.CzasOtwZam) << r;
    EXPECT_EQ(w.CzasRozp, o.CzasRozp) << r;
    EXPECT_EQ(w.ProcentWypelnienia, o.Procent) << r;
    EXPECT_EQ(w.Wypelnienie, o.Bajt) << r;
    EXPECT_EQ(w.Wypelnienie, ProcentNaBajt(w.ProcentWypelnienia)) << r;
    EXPECT_EQ(w.WymaganaWersja, o.Wersja) << r;
  }
}

TEST_F(TTypWtryskiwaczaTest, StartsAtKindZeroAndTakesEachKindsRow) {
  EXPECT_EQ(Typ.Rodzaj, 0);
  EXPECT_EQ(Typ.MapaWzorcowa, nullptr);
  EXPECT_EQ(Typ.Wypelnienie, 255);
  for (int r = 0; r < LiczbaRodzajowWtryskiwaczy; ++r) {
    Typ.UstawRodzaj(static_cast<uint8_t>(r));
    const TRodzajWtryskiwacza& w = RodzajeWtryskiwaczy[r];
    EXPECT_EQ(Typ.Rodzaj, r);
    EXPECT_EQ(Typ.CzasOtwZam, w.CzasOtwZam) << r;
    EXPECT_EQ(Typ.CzasRozp, w.CzasRozp) << r;
    EXPECT_EQ(Typ.Wypelnienie, w.Wypelnienie) << r;
    EXPECT_EQ(Typ.MapaWzorcowa, w.MapaWzorcowa) << r;
  }
  EXPECT_TRUE(Okno.Dziennik.empty()) << "setting a kind shows nothing by itself";
}

TEST_F(TTypWtryskiwaczaTest, AKindAboveNineSetsOnlyTheKind) {
  Typ.UstawRodzaj(2);
  Typ.UstawRodzaj(12);
  EXPECT_EQ(Typ.Rodzaj, 12);
  EXPECT_EQ(Typ.CzasOtwZam, 10);
  EXPECT_EQ(Typ.CzasRozp, 0);
  EXPECT_EQ(Typ.Wypelnienie, 255);
  EXPECT_EQ(Typ.MapaWzorcowa, &MapaWzorcowaA);
}

TEST_F(TTypWtryskiwaczaTest, CheckAgainstFirmware) {
  struct TPrzypadek {
    int Rodzaj;
    std::optional<int> Wersja;
    bool Wynik;
    const char* WersjaWKomunikacie;  // nullptr: no message
  };
  const TPrzypadek przypadki[] = {
      {0, 15, true, nullptr},  {2, 15, true, nullptr},  {3, 18, false, "20"}, {3, 19, true, nullptr},
      {5, 18, false, "20"},    {5, 19, true, nullptr},  {6, 18, false, "20"}, {6, 20, false, "21"},
      {6, 21, true, nullptr},  {9, 20, false, "21"},    {9, 26, true, nullptr},
      {9, std::nullopt, true, nullptr},  // no controller: nothing is checked
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE("kind " + std::to_string(p.Rodzaj) + ", firmware " + (p.Wersja ? std::to_string(*p.Wersja) : "none"));
    Pudelka.Bledy.clear();
    Typ.UstawRodzaj(static_cast<uint8_t>(p.Rodzaj));
    EXPECT_EQ(Typ.SprawdzRodzaj(p.Wersja), p.Wynik);
    if (p.WersjaWKomunikacie == nullptr) {
      EXPECT_TRUE(Pudelka.Bledy.empty());
      EXPECT_EQ(Typ.Rodzaj, p.Rodzaj);
    } else {
      EXPECT_EQ(Pudelka.Bledy, std::vector<std::string>{Komunikat101(p.WersjaWKomunikacie)});
      EXPECT_EQ(Typ.Rodzaj, 1);
      EXPECT_EQ(Typ.CzasOtwZam, 6) << "the replacement brings MATRIX's parameters";
      EXPECT_EQ(Typ.CzasRozp, 30);
    }
  }
}

TEST_F(TTypWtryskiwaczaTest, EveryKindIsAcceptedFromItsFirmwareOn) {
  for (int r = 0; r < LiczbaRodzajowWtryskiwaczy; ++r) {
    for (int wersja = 15; wersja <= 26; ++wersja) {
      Typ.UstawRodzaj(static_cast<uint8_t>(r));
      EXPECT_EQ(Typ.SprawdzRodzaj(wersja), wersja >= RodzajeWtryskiwaczy[r].WymaganaWersja)
          << "kind " << r << ", firmware " << wersja;
    }
  }
}

TEST_F(TTypWtryskiwaczaTest, BrcOnFirmware20FallsBackToMatrix) {
  Wybierz(6, 20);
  EXPECT_EQ(Pudelka.Bledy, std::vector<std::string>{Komunikat101("21")});
  EXPECT_EQ(Okno.Pozycja(Combo), 1);
  EXPECT_EQ(Wyslane, std::vector<uint8_t>{1});
  EXPECT_DOUBLE_EQ(Okno.Wartosc(OtwZam), 0.6);
  EXPECT_FALSE(Dotknieta(Rozp)) << "firmware 20 has no limit start time";
  EXPECT_FALSE(Dotknieta(Wypeln));
}

TEST_F(TTypWtryskiwaczaTest, RegNeedsFirmware19) {
  Wybierz(4, 18);
  EXPECT_EQ(Pudelka.Bledy, std::vector<std::string>{Komunikat101("20")});
  EXPECT_EQ(Wyslane, std::vector<uint8_t>{1});

  Pudelka.Bledy.clear();
  Wyslane.clear();
  Wybierz(4, 19);
  EXPECT_TRUE(Pudelka.Bledy.empty());
  EXPECT_EQ(Wyslane, std::vector<uint8_t>{4});
  EXPECT_EQ(Okno.Pozycja(Combo), 4);
}

TEST_F(TTypWtryskiwaczaTest, ZavoliOnFirmware24FillsAllThreeEditorsAfterSendingTheKind) {
  Wybierz(5, 24);
  EXPECT_EQ(Okno.Dziennik, (std::vector<std::string>{
                               "UstawPozycje " + Combo + " 5",
                               "wyslij 5",
                               "UstawWartosc " + OtwZam + " 0.6",
                               "UstawFokus ",
                               "UstawWartosc " + Rozp + " 5",
                               "UstawFokus ",
                               "UstawWartosc " + Wypeln + " 50",
                               "UstawFokus ",
                           }));
}

TEST_F(TTypWtryskiwaczaTest, WithoutAControllerTheKindIsTakenAsChosen) {
  Wybierz(9, std::nullopt);
  EXPECT_TRUE(Pudelka.Bledy.empty());
  EXPECT_EQ(Wyslane, std::vector<uint8_t>{9});
  EXPECT_DOUBLE_EQ(Okno.Wartosc(OtwZam), 0.6);
  EXPECT_FALSE(Dotknieta(Rozp));
}

TEST_F(TTypWtryskiwaczaTest, EditorsGiveTheFocusBack) {
  // The editors' senders take the focus to the editor they send from, as the GUI does.
  Okno.Fokus = Combo;
  Okno.PoZmianie = [&](const std::string& nazwa) { Okno.Fokus = nazwa; };
  Wybierz(3, 26);
  EXPECT_EQ(Okno.Fokus, Combo);
  EXPECT_DOUBLE_EQ(Okno.Wartosc(OtwZam), 0.9);
  EXPECT_DOUBLE_EQ(Okno.Wartosc(Rozp), 4.5);
  EXPECT_DOUBLE_EQ(Okno.Wartosc(Wypeln), 50);
}

TEST_F(TTypWtryskiwaczaTest, APositionOutsideTheListDoesNothing) {
  for (int pozycja : {-1, 10, 255}) {
    Wybierz(pozycja, 26);
    EXPECT_TRUE(Wyslane.empty()) << pozycja;
    EXPECT_TRUE(Okno.Dziennik.empty()) << pozycja;
    EXPECT_EQ(Typ.Rodzaj, 0) << pozycja;
  }
}

TEST_F(TTypWtryskiwaczaTest, GeneratedMapFromADefaultMapShiftsEveryCell) {
  TMapa mapa{};
  Typ.UstawRodzaj(2);
  EXPECT_EQ(Typ.GenerujMape(mapa, 29, 170), 0);
  for (int k = 0; k < LiczbaKomorekMapy; ++k) EXPECT_EQ(mapa[k], MapaWzorcowaA[k] + 8) << k + 10;
  EXPECT_EQ(mapa[0], 170);
  EXPECT_EQ(mapa[19], 170);

  // An index below the map counts as its first cell.
  TMapa odZera{};
  EXPECT_EQ(Typ.GenerujMape(odZera, 0, 170), 0);
  EXPECT_EQ(odZera, mapa);
}

TEST_F(TTypWtryskiwaczaTest, GeneratedMapLimitsCellsAndReportsTheLastOutlier) {
  Typ.UstawRodzaj(1);
  TMapa mapa{};
  // +152 on map B: the 104..106 cells pass 255; the last of them is a 104 (256).
  EXPECT_EQ(Typ.GenerujMape(mapa, 10, 255), 256);
  EXPECT_EQ(*std::max_element(mapa.begin(), mapa.end()), 255);
  EXPECT_EQ(mapa[0], 255);
  EXPECT_EQ(mapa[245], 77 + 152);

  // -103: every cell below 103 goes under 0; the last cell, 77, gives -26.
  EXPECT_EQ(Typ.GenerujMape(mapa, 10, 0), -26);
  EXPECT_EQ(mapa[0], 0);
  EXPECT_EQ(mapa[25], 1);  // a 104
  EXPECT_EQ(mapa[245], 0);
}

TEST_F(TTypWtryskiwaczaTest, GeneratedMapForKindZeroIsAFallingLine) {
  TMapa mapa;
  mapa.fill(200);
  EXPECT_EQ(Typ.GenerujMape(mapa, 10, 10), -12);  // the value at index 255
  EXPECT_EQ(mapa[0], 10);
  EXPECT_EQ(mapa[117 - 10], 1);  // 0.5305
  EXPECT_EQ(mapa[118 - 10], 0);  // 0.442
  EXPECT_EQ(mapa[128 - 10], 0);  // -0.443 rounds to 0
  for (int i = 129; i <= 255; ++i) EXPECT_EQ(mapa[i - 10], 0) << i;

  // Through (100, 200): 10 steps left of the point the line is 0.885 higher.
  EXPECT_EQ(Typ.GenerujMape(mapa, 100, 200), 0);
  EXPECT_EQ(mapa[100 - 10], 200);
  EXPECT_EQ(mapa[90 - 10], 201);
  EXPECT_EQ(mapa[0], 208);  // 207.965
}

}  // namespace
}  // namespace wtrysk
