#include "historia/TInfoOSterObject.h"

#include <gtest/gtest.h>

#include <vector>

#include "InfoOSterFixture.h"

namespace wtrysk {
namespace {

using O = TObszarHistorii;

TTablicaByte Pozycje1Do254(const O& obszar) {
  const auto dane = obszar.DaneKomendy59();
  return TTablicaByte(dane.begin(), dane.end());
}

TEST_F(InfoOSterTest, OnlyTheReadOnlyCommandsAreInTheSet) {
  for (int kod = 0; kod < 256; ++kod) {
    const bool oczekiwane = kod == 1 || kod == 3 || kod == 12 || kod == 59 || kod == 60;
    EXPECT_EQ(Info.CzyKomendaBezZmian(static_cast<uint8_t>(kod)), oczekiwane) << kod;
  }
  EXPECT_EQ(Info.KomendyBezZmian.count(), 5u);
}

TEST_F(InfoOSterTest, StartsZeroedWithTheTimerOff) {
  EXPECT_EQ(Info.ObszarRoboczy(), O{});
  EXPECT_EQ(Info.ObszarOdczytany(), O{});
  EXPECT_FALSE(Info.TimerWlaczony());
  EXPECT_FALSE(Info.ZmianaZInnegoKomputera());
}

TEST_F(InfoOSterTest, ResetujZeroesAllButTheControllerByteAndForgetsTheAcceptedWarning) {
  auto obszar = *O::ZBajtowLacza(std::vector<uint8_t>(255, 0x11));
  obszar.UstawZdarzenie(O::PozZmiana1, TZdarzenieHistorii::Z(Start, InnyKod));
  Identyfikuj(obszar);
  Otoczenie.Odpowiedzi = {true};
  ASSERT_TRUE(Info.PotwierdzZmianeNastaw());
  ASSERT_TRUE(Info.OstrzezenieZaakceptowane());

  Info.Resetuj();
  O oczekiwany;
  oczekiwany.UstawBajt(0, 0x11);
  EXPECT_EQ(Info.ObszarRoboczy(), oczekiwany);
  EXPECT_EQ(Info.ObszarOdczytany(), oczekiwany);
  EXPECT_FALSE(Info.OstrzezenieZaakceptowane());
}

TEST_F(InfoOSterTest, ConnectionTakesTheAreaAndWritesTheConnectionBackThreeSecondsLater) {
  O obszar;
  obszar.UstawBajt(0, 0x42);
  obszar.Zapisz32(O::PozCzasBenzyny, 5000);
  obszar.Zapisz32(O::PozCzasGazu, 7000);
  obszar.Zapisz32(O::PozBenzynaPolaczenie, 100);
  obszar.Zapisz32(O::PozGazPolaczenie, 200);
  obszar.UstawBajt(30, 0x99);  // uninterpreted bytes travel back as they came
  obszar.UstawBajt(200, 0x98);
  const TBlok16 blok{0x12, 0x34, 0xFF};

  Info.Resetuj();
  Info.WczytajObszarPolaczenia(obszar, blok);

  EXPECT_EQ(Info.ObszarOdczytany(), obszar) << "the dialog shows the area as read";
  EXPECT_EQ(Info.Blok16(), blok);
  EXPECT_EQ(Info.ObszarRoboczy().Czytaj32(O::PozBenzynaPolaczenie), 5000u);
  EXPECT_EQ(Info.ObszarRoboczy().Czytaj32(O::PozGazPolaczenie), 7000u);
  EXPECT_TRUE(Info.PolaczenieOczekuje());
  EXPECT_EQ(Info.CzasPolaczenia(), Start);
  EXPECT_FALSE(Info.ZmianaOczekuje());

  Zegar.Przesun(2999);
  EXPECT_TRUE(Otoczenie.Komendy.empty());
  Zegar.Przesun(1);
  const auto polaczenie = TZdarzenieHistorii::Z(Start, NaszKod);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozPierwszePolaczenie), polaczenie);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozOstatniePolaczenie), polaczenie);
  ASSERT_EQ(Otoczenie.Komendy.size(), 1u);
  EXPECT_EQ(Otoczenie.Komendy[0].Kod, 59);
  EXPECT_EQ(Otoczenie.Komendy[0].Dane, Pozycje1Do254(Info.ObszarRoboczy()));
  EXPECT_EQ(Otoczenie.Komendy[0].Dane[29], 0x99);
  EXPECT_FALSE(Info.PolaczenieOczekuje());
  EXPECT_FALSE(Info.TimerWlaczony());
}

TEST_F(InfoOSterTest, TimerRunsFromTheFirstPendingEventAndIsNotRestartedByTheNext) {
  Identyfikuj(O{});
  const TDataCzas pierwsza = Zegar.Teraz();
  Info.ZapiszZmiane(pierwsza);
  Zegar.Przesun(2000);
  const TDataCzas druga = Zegar.Teraz();
  Info.ZapiszZmiane(druga);
  EXPECT_EQ(Info.CzasZmiany(), druga) << "the later event overwrites the time";

  Zegar.Przesun(999);
  EXPECT_TRUE(Otoczenie.Komendy.empty());
  Zegar.Przesun(1);
  ASSERT_EQ(Otoczenie.Komendy.size(), 1u) << "3000 ms after the first event";
  EXPECT_EQ(Otoczenie.Komendy[0].Kod, 59);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(O::PozZmiana1), TZdarzenieHistorii::Z(druga, NaszKod));
  EXPECT_EQ(Otoczenie.Komendy[0].Dane, Pozycje1Do254(Info.ObszarRoboczy()));
  EXPECT_FALSE(Info.ZmianaOczekuje());

  Zegar.Przesun(10000);
  EXPECT_EQ(Otoczenie.Komendy.size(), 1u) << "the timer stops after writing back";
}

TEST_F(InfoOSterTest, ChangeAndConnectionPendingTogetherAreRecordedInOneWrite) {
  Info.ZapiszPolaczenie(Start);
  Zegar.Przesun(1000);
  Info.ZapiszZmiane(Zegar.Teraz());
  Zegar.Przesun(2000);
  ASSERT_EQ(Otoczenie.Komendy.size(), 1u);
  const auto& obszar = Info.ObszarRoboczy();
  EXPECT_EQ(obszar.Zdarzenie(O::PozOstatniePolaczenie), TZdarzenieHistorii::Z(Start, NaszKod));
  EXPECT_EQ(obszar.Zdarzenie(O::PozZmiana1), TZdarzenieHistorii::Z(Przesuniete(Start, 1), NaszKod));
  EXPECT_EQ(obszar.Zdarzenie(O::PozPierwszaZmiana), TZdarzenieHistorii::Z(Przesuniete(Start, 1), NaszKod));
}

TEST_F(InfoOSterTest, AreaIsWrittenBackOnlyToFirmwareThatKeepsAHistory) {
  struct Przypadek {
    std::optional<int> Wersja;
    bool Wysyla;
  };
  for (const auto& p : {Przypadek{std::nullopt, false}, Przypadek{15, false}, Przypadek{23, false},
                        Przypadek{24, true}, Przypadek{26, true}}) {
    Otoczenie.Wersja = p.Wersja;
    Otoczenie.Komendy.clear();
    Info.WyslijObszar();
    EXPECT_EQ(Info.HistoriaDostepna(), p.Wysyla) << p.Wersja.value_or(-1);
    EXPECT_EQ(Otoczenie.Komendy.size(), p.Wysyla ? 1u : 0u) << p.Wersja.value_or(-1);
    if (p.Wysyla) {
      EXPECT_EQ(Otoczenie.Komendy[0].Kod, 59);
      EXPECT_EQ(Otoczenie.Komendy[0].Dane.size(), 254u);
    }
  }
}

TEST_F(InfoOSterTest, AnswerReplacesOnlyTheWorkingArea) {
  O przeczytany;
  przeczytany.Zapisz32(O::PozCzasGazu, 10);
  Identyfikuj(przeczytany);
  EXPECT_EQ(Otoczenie.LiczbaOdswiezen, 1) << "the area read at identification is shown too";
  O odpowiedz;
  odpowiedz.Zapisz32(O::PozCzasGazu, 99);
  Info.WczytajObszarOdpowiedzi(odpowiedz);
  EXPECT_EQ(Info.ObszarRoboczy(), odpowiedz);
  EXPECT_EQ(Info.ObszarOdczytany(), przeczytany);
  EXPECT_EQ(Otoczenie.LiczbaOdswiezen, 2);
  EXPECT_TRUE(Otoczenie.Komendy.empty());
}

TEST_F(InfoOSterTest, WarningIsAskedOnlyForTheLatestChangeFromAnotherPc) {
  struct Przypadek {
    const char* Opis;
    uint32_t KodZmiany1;
    bool Ostrzega;
  };
  const Przypadek przypadki[] = {
      {"no change recorded", 0, false},
      {"latest change from this PC", NaszKod, false},
      {"latest change from another PC", InnyKod, true},
  };
  for (const auto& p : przypadki) {
    Identyfikuj(ObszarZeZmiana(Start, p.KodZmiany1));
    Otoczenie.LiczbaOstrzezen = 0;
    Otoczenie.Odpowiedzi = {true};
    EXPECT_EQ(Info.ZmianaZInnegoKomputera(), p.Ostrzega) << p.Opis;
    EXPECT_TRUE(Info.PotwierdzZmianeNastaw()) << p.Opis;
    EXPECT_EQ(Otoczenie.LiczbaOstrzezen, p.Ostrzega ? 1 : 0) << p.Opis;
  }
}

TEST_F(InfoOSterTest, AcceptedWarningHoldsUntilTheNextIdentification) {
  const auto obszar = ObszarZeZmiana(Start, InnyKod);
  Identyfikuj(obszar);
  Otoczenie.Odpowiedzi = {true};
  EXPECT_TRUE(Info.PotwierdzZmianeNastaw());
  EXPECT_TRUE(Info.OstrzezenieZaakceptowane());
  EXPECT_TRUE(Info.PotwierdzZmianeNastaw());
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 1);

  Identyfikuj(obszar);
  Otoczenie.Odpowiedzi = {true};
  EXPECT_TRUE(Info.PotwierdzZmianeNastaw());
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 2);
  EXPECT_EQ(Otoczenie.LiczbaZamkniec, 0);
}

TEST_F(InfoOSterTest, RefusedWarningClosesTheProgram) {
  Identyfikuj(ObszarZeZmiana(Start, InnyKod));
  Otoczenie.Odpowiedzi = {false};
  EXPECT_FALSE(Info.PotwierdzZmianeNastaw());
  EXPECT_FALSE(Info.OstrzezenieZaakceptowane());
  EXPECT_EQ(Otoczenie.LiczbaZamkniec, 1);
}

TEST_F(InfoOSterTest, SettingTheInspectionWritesBothAreasAndRecordsAChange) {
  O obszar;
  obszar.Zapisz32(O::PozCzasGazu, 1000000);
  obszar.UstawBajt(O::PozFlagi, 0x02);
  Identyfikuj(obszar);

  ASSERT_TRUE(Info.UstawPunktPrzegladu(2440000));
  EXPECT_EQ(Info.ObszarRoboczy().PunktPrzegladu(), 2440000u);
  EXPECT_EQ(Info.ObszarRoboczy().Flagi(), 0x03);
  EXPECT_EQ(Info.ObszarOdczytany().PunktPrzegladu(), 2440000u);
  EXPECT_TRUE(Info.ZmianaOczekuje());
  Zegar.Przesun(3000);
  ASSERT_EQ(Otoczenie.Komendy.size(), 1u);
  EXPECT_EQ(Otoczenie.Komendy[0].Dane, Pozycje1Do254(Info.ObszarRoboczy()));
  EXPECT_EQ(Otoczenie.Komendy[0].Dane[16], 0x40) << "position 17, low byte of 2440000 = 0x253B40";

  ASSERT_TRUE(Info.UstawPunktPrzegladu(0));
  EXPECT_EQ(Info.ObszarRoboczy().PunktPrzegladu(), 0u);
  EXPECT_EQ(Info.ObszarRoboczy().Flagi(), 0x02);
  EXPECT_EQ(Info.ObszarOdczytany().PunktPrzegladu(), 0u);
}

TEST_F(InfoOSterTest, RefusedInspectionChangeRecordsNothing) {
  Identyfikuj(ObszarZeZmiana(Start, InnyKod));
  Otoczenie.Odpowiedzi = {false};
  EXPECT_FALSE(Info.UstawPunktPrzegladu(7200));
  EXPECT_FALSE(Info.ZmianaOczekuje());
  EXPECT_EQ(Otoczenie.LiczbaZamkniec, 1);
  Zegar.Przesun(10000);
  EXPECT_TRUE(Otoczenie.Komendy.empty());
}

}  // namespace
}  // namespace wtrysk
