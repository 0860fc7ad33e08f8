#include <gtest/gtest.h>

#include <algorithm>

#include "InfoOSterFixture.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TPortTestowy.h"
#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

// The history object on the send path of a real link engine, with a controller that answers
// every frame with the code it was sent.
class HistoriaWLaczuTest : public InfoOSterTest {
public:
  HistoriaWLaczuTest() {
    Port.UstawHistorie(&Info);
    Port.PoZapisie = [this](const TTablicaByte& bajty) {
      const uint8_t kod = bajty[1];
      Port.Odbierz(ZbudujRamkeOdpowiedzi(kod, {}));
    };
    Port.Otworz();
    Zegar.Przesun(100);
    Identyfikuj(ObszarZeZmiana(Start, InnyKod));
    Port.PobierzZapisy();
  }

  // Sends a command and lets the engine write it; the codes that went out, polls left out.
  std::vector<int> Wyslij(uint8_t kod) {
    Port.WyslijKomende(kod, {0});
    Zegar.Przesun(100);
    std::vector<int> kody;
    for (const auto& zapis : Port.PobierzZapisy()) {
      const bool zapytanie =
          std::equal(zapis.Bajty.begin(), zapis.Bajty.end(), RamkaZapytania.begin(), RamkaZapytania.end());
      if (!zapytanie) kody.push_back(zapis.Bajty[1]);
    }
    return kody;
  }

  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TPortTestowy Port{Zegar, Komunikaty, Okno};
};

TEST_F(HistoriaWLaczuTest, ReadOnlyCommandsNeverWarnNorRecord) {
  // Command 1 last: its answer never frees the line.
  for (const uint8_t kod : {3, 12, 59, 60, 1}) {
    EXPECT_EQ(Wyslij(kod), std::vector<int>{kod}) << int{kod};
    EXPECT_FALSE(Info.ZmianaOczekuje()) << int{kod};
  }
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 0);
}

TEST_F(HistoriaWLaczuTest, WarningComesOncePerIdentification) {
  Otoczenie.Odpowiedzi = {true, true};
  EXPECT_EQ(Wyslij(5), std::vector<int>{5});
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 1);
  EXPECT_TRUE(Info.ZmianaOczekuje());
  EXPECT_EQ(Wyslij(6), std::vector<int>{6});
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 1) << "accepted until the next identification";
  // The change is recorded; the next identification again reads a latest change from another PC.
  Zegar.Przesun(3000);

  Identyfikuj(ObszarZeZmiana(Start, InnyKod));
  EXPECT_EQ(Wyslij(5), std::vector<int>{5});
  EXPECT_EQ(Otoczenie.LiczbaOstrzezen, 2);
}

TEST_F(HistoriaWLaczuTest, RecordedChangeIsWrittenBackWithCommand59) {
  Otoczenie.Odpowiedzi = {true};
  Wyslij(5);
  Zegar.Przesun(3000);
  ASSERT_EQ(Otoczenie.Komendy.size(), 1u);
  EXPECT_EQ(Otoczenie.Komendy[0].Kod, 59);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(TObszarHistorii::PozZmiana1).KodKomputera, NaszKod);
  EXPECT_EQ(Info.ObszarRoboczy().Zdarzenie(TObszarHistorii::PozZmiany(2)).KodKomputera, InnyKod);
}

TEST_F(HistoriaWLaczuTest, RefusedWarningSendsIdentificationInsteadAndCloses) {
  Otoczenie.Odpowiedzi = {false};
  Port.WyslijKomende(5, {7});
  Zegar.Przesun(100);
  const auto zapisy = Port.PobierzZapisy();
  ASSERT_FALSE(zapisy.empty());
  EXPECT_EQ(zapisy[0].Bajty, (TTablicaByte{0xAA, 0x0C, 0x00, 0xB6}));
  EXPECT_EQ(Otoczenie.LiczbaZamkniec, 1);
  EXPECT_FALSE(Info.ZmianaOczekuje());
}

}  // namespace
}  // namespace wtrysk
