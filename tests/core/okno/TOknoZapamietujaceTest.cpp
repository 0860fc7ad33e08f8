#include "okno/TOknoZapamietujace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TOknoNagrywajace.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {
namespace {

using Lista = std::vector<std::string>;

const std::string TypWtrysku(Kontrolka::TypWtryskuComboBox);
const std::string MinObroty(Kontrolka::MinObrotyLPGRxSpinEdit);
const std::string PanelProgu(Kontrolka::ProgDetekcjiObrotowPanel);
const std::string PanelSygnalu(Kontrolka::SygObrPanel);

// The window as designed: the newer firmware's controls disabled, the threshold panel hidden,
// the rpm-signal panel visible.
class TOknoZapamietujaceTest : public ::testing::Test {
protected:
  TOknoZapamietujaceTest() {
    Okno.Kontrolki[TypWtrysku].Wlaczona = false;
    Okno.Kontrolki[MinObroty].Wlaczona = false;
    Okno.Kontrolki[PanelProgu].Widoczna = false;
  }

  // What a newest-firmware handler does to the window.
  void DostosujDlaNowegoSterownika() {
    Zapamietujace.Wlacz(MinObroty);
    Zapamietujace.Wlacz(TypWtrysku);
    Zapamietujace.Pokaz(PanelProgu);
    Zapamietujace.Ukryj(PanelSygnalu);
  }

  void SprawdzStanProjektowy() {
    EXPECT_FALSE(Okno.Stan(TypWtrysku).Wlaczona);
    EXPECT_FALSE(Okno.Stan(MinObroty).Wlaczona);
    EXPECT_FALSE(Okno.Stan(PanelProgu).Widoczna);
    EXPECT_TRUE(Okno.Stan(PanelSygnalu).Widoczna);
  }

  TOknoNagrywajace Okno;
  TOknoZapamietujace Zapamietujace{Okno};
};

TEST_F(TOknoZapamietujaceTest, RecordsWhatTheFirmwareChangedAndPassesItOn) {
  DostosujDlaNowegoSterownika();
  EXPECT_TRUE(Okno.Stan(TypWtrysku).Wlaczona);
  EXPECT_TRUE(Okno.Stan(PanelProgu).Widoczna);
  EXPECT_FALSE(Okno.Stan(PanelSygnalu).Widoczna);
  const TZmienioneKontrolki& z = Zapamietujace.ZmienioneKontrolki();
  EXPECT_EQ(z.KontrolkiWlaczone, (Lista{MinObroty, TypWtrysku}));
  EXPECT_EQ(z.KontrolkiPokazane, Lista{PanelProgu});
  EXPECT_EQ(z.KontrolkiUkryte, Lista{PanelSygnalu});
}

TEST_F(TOknoZapamietujaceTest, UndoRestoresTheDesignInOrderAndEmptiesTheLists) {
  DostosujDlaNowegoSterownika();
  Okno.Dziennik.clear();
  Zapamietujace.CofnijZmiany();
  EXPECT_EQ(Okno.Dziennik, (Lista{"Ukryj " + PanelProgu, "Wylacz " + MinObroty, "Wylacz " + TypWtrysku,
                                  "Pokaz " + PanelSygnalu}));
  SprawdzStanProjektowy();
  EXPECT_TRUE(Zapamietujace.ZmienioneKontrolki().Puste());

  Okno.Dziennik.clear();
  Zapamietujace.CofnijZmiany();
  EXPECT_TRUE(Okno.Dziennik.empty()) << "a second undo has nothing left to do";
}

// A factory reset or a settings load identifies the controller again within one connection,
// so the handler adjusts the window a second time before any undo.
TEST_F(TOknoZapamietujaceTest, RepeatedAdjustmentsAreRecordedOnce) {
  DostosujDlaNowegoSterownika();
  DostosujDlaNowegoSterownika();
  const TZmienioneKontrolki& z = Zapamietujace.ZmienioneKontrolki();
  EXPECT_EQ(z.KontrolkiWlaczone, (Lista{MinObroty, TypWtrysku}));
  EXPECT_EQ(z.KontrolkiPokazane, Lista{PanelProgu});
  EXPECT_EQ(z.KontrolkiUkryte, Lista{PanelSygnalu});
  Zapamietujace.CofnijZmiany();
  SprawdzStanProjektowy();
}

// Taking a change back returns the control to its design state, so the undo must leave it
// alone: a hidden panel that was shown and hidden again must not come back at the next
// connection.
TEST_F(TOknoZapamietujaceTest, AChangeTakenBackIsForgotten) {
  Zapamietujace.Pokaz(PanelProgu);
  Zapamietujace.Ukryj(PanelProgu);
  Zapamietujace.Ukryj(PanelSygnalu);
  Zapamietujace.Pokaz(PanelSygnalu);
  Zapamietujace.Wlacz(TypWtrysku);
  Zapamietujace.Wylacz(TypWtrysku);
  EXPECT_TRUE(Zapamietujace.ZmienioneKontrolki().Puste());
  Okno.Dziennik.clear();
  Zapamietujace.CofnijZmiany();
  EXPECT_TRUE(Okno.Dziennik.empty());
  SprawdzStanProjektowy();
}

TEST_F(TOknoZapamietujaceTest, EverythingElsePassesStraightThroughUnrecorded) {
  TOknoGlowne& okno = Zapamietujace;
  okno.UstawPozycje(Kontrolka::ZmianaIlosciCylindrowCombo, 3);
  okno.UstawWartosc(Kontrolka::ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit, 0.6);
  okno.UstawZaznaczenie(Kontrolka::SygnalCiaglyCheckBox, true);
  okno.UstawTekst(Kontrolka::TempGazuKalibWartoscLabel, "30");
  okno.UstawFokus(Kontrolka::ZmianaIlosciCylindrowCombo);
  okno.WyczyscLinie(Kontrolka::BledyZarejestrowaneMemo);
  okno.DodajLinie(Kontrolka::BledyZarejestrowaneMemo, "1. Błąd napięcia");
  okno.PokazSterownikResetowany("Sterownik był 1 raz resetowany");
  okno.PokazAktywneWtryskiwacze(0x0F);
  okno.UstawZakresOsiMapy();
  okno.UstawWezlyMapy({10, 255});
  okno.OdswiezMape();
  okno.ZapiszPunktTabeli(1, 256, 40);
  okno.OdswiezWidok();
  okno.UstawTekstPaskaStatusu(1, "ver. 1.3.21");
  okno.OdswiezPasekStatusu();
  EXPECT_TRUE(okno.OtworzOknoAktualizacji());
  EXPECT_FALSE(okno.OtworzOknoAktualizacji());

  EXPECT_EQ(Okno.Dziennik.size(), 18u);
  EXPECT_EQ(Okno.Dziennik[12], "ZapiszPunktTabeli 1 256 40");
  EXPECT_EQ(okno.Pozycja(Kontrolka::ZmianaIlosciCylindrowCombo), 3);
  EXPECT_DOUBLE_EQ(okno.Wartosc(Kontrolka::ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit), 0.6);
  EXPECT_TRUE(okno.Zaznaczony(Kontrolka::SygnalCiaglyCheckBox));
  EXPECT_EQ(okno.KontrolkaZFokusem(), Kontrolka::ZmianaIlosciCylindrowCombo);
  EXPECT_EQ(okno.LiczbaLinii(Kontrolka::BledyZarejestrowaneMemo), 1);
  EXPECT_EQ(Okno.AktywneWtryskiwacze, 0x0F);
  EXPECT_TRUE(Zapamietujace.ZmienioneKontrolki().Puste());
}

}  // namespace
}  // namespace wtrysk
