#include "historia/TekstyInformacji.h"

#include <gtest/gtest.h>

#include "historia/KodKomputera.h"
#include "historia/NumerSeryjny.h"

namespace wtrysk {
namespace {

using O = TObszarHistorii;

TEST(TekstyInformacji, DateTimeAndPcCodeTexts) {
  const TZdarzenieHistorii z{2026, 1, 5, 8, 5, 9, 0x0BADF00D};
  EXPECT_EQ(TekstDaty(z), "2026-01-05");
  EXPECT_EQ(TekstGodziny(z), "08-05-09");
  EXPECT_EQ(TekstDaty(TZdarzenieHistorii{999, 12, 31, 23, 59, 59, 0}), "999-12-31");
  EXPECT_EQ(TekstGodziny(TZdarzenieHistorii{2026, 12, 31, 23, 59, 59, 0}), "23-59-59");
  EXPECT_EQ(KodKomputeraTekst(0x0BADF00D), "0BAD-F00D");
  EXPECT_EQ(KodKomputeraTekst(0), "0000-0000");
  EXPECT_EQ(KodKomputeraTekst(0xFFFFFFFF), "FFFF-FFFF");
  EXPECT_EQ(KodKomputeraTekst(0x000A00B0), "000A-00B0");
}

TEST(TekstyInformacji, GridRowsFollowTheEventKinds) {
  O obszar;
  obszar.UstawZdarzenie(O::PozPierwszePolaczenie, {2024, 2, 29, 7, 0, 1, 0x00010002});
  obszar.UstawZdarzenie(O::PozZmiany(1), {2026, 3, 10, 12, 30, 0, 0xABCD1234});
  obszar.UstawZdarzenie(O::PozZmianaNieznana, {2027, 1, 1, 0, 0, 0, 0xABCD1234});
  const auto wiersze = WierszeZdarzen(obszar);

  EXPECT_EQ(wiersze[1], (TWierszZdarzenia{true, "2024-02-29", "07-00-01", "0001-0002"}));
  EXPECT_EQ(wiersze[4], (TWierszZdarzenia{true, "2026-03-10", "12-30-00", "ABCD-1234"}));
  EXPECT_EQ(wiersze[9], (TWierszZdarzenia{true, "2027-01-01", "00-00-00", "ABCD-1234"}));
  for (const int pusty : {0, 2, 3, 5, 6, 7, 8}) EXPECT_EQ(wiersze[pusty], TWierszZdarzenia{}) << pusty;
}

TEST(TekstyInformacji, EveryEventKindHasItsOwnRowAndMessage) {
  const int komunikatWiersza[] = {0, 122, 123, 121, 125, 126, 127, 128, 129, 124};
  O obszar;
  for (std::size_t i = 0; i < ZdarzeniaHistorii.size(); ++i) {
    const auto& opis = ZdarzeniaHistorii[i];
    EXPECT_EQ(opis.Komunikat, komunikatWiersza[opis.Wiersz]) << opis.Wiersz;
    obszar.UstawZdarzenie(opis.Pozycja, {2026, 1, 1, 0, 0, 0, static_cast<uint32_t>(opis.Wiersz)});
  }
  const auto wiersze = WierszeZdarzen(obszar);
  for (int w = 1; w < LiczbaWierszySiatki; ++w) EXPECT_EQ(wiersze[w].Kod, KodKomputeraTekst(w)) << w;
}

TEST(TekstyInformacji, UnknownBeginningShowsQuestionMarks) {
  O obszar;
  obszar.UstawZdarzenie(O::PozPierwszePolaczenie, {2024, 2, 29, 7, 0, 1, 5});
  obszar.UstawZdarzenie(O::PozOstatniePolaczenie, {2025, 2, 28, 7, 0, 1, 5});
  obszar.UstawBajt(O::PozFlagi, O::FlagaPoczatekNieznany);
  const auto wiersze = WierszeZdarzen(obszar);
  const TWierszZdarzenia nieznany{true, "???", "???", "???"};
  EXPECT_EQ(wiersze[1], nieznany);
  EXPECT_EQ(wiersze[2], nieznany) << "shown even when the controller left the record empty";
  EXPECT_EQ(wiersze[3].Data, "2025-02-28");

  obszar.UstawBajt(O::PozFlagi, O::FlagaPrzegladu);
  EXPECT_EQ(WierszeZdarzen(obszar)[1].Data, "2024-02-29") << "bit 0 is not the unknown-beginning flag";
}

TEST(TekstyInformacji, SerialNumberStopsAtTheFirstFF) {
  struct Przypadek {
    TBlok16 Blok;
    std::string Tekst;
  };
  TBlok16 pelny;
  for (std::size_t i = 0; i < pelny.size(); ++i) pelny[i] = static_cast<uint8_t>(0xA0 + i);
  TBlok16 same0xFF;
  same0xFF.fill(0xFF);
  const Przypadek przypadki[] = {
      {{0x01, 0x23, 0xAB, 0xFF, 0x55}, "0123AB"},
      {same0xFF, ""},
      {pelny, "A0A1A2A3A4A5A6A7A8A9AAABACADAEAF"},
      {{}, "00000000000000000000000000000000"},
  };
  for (const auto& p : przypadki) EXPECT_EQ(NumerSeryjnyTekst(p.Blok), p.Tekst);
}

TEST(TekstyInformacji, TimesSinceLastConnectionWrapAt32Bits) {
  O obszar;
  obszar.Zapisz32(O::PozCzasBenzyny, 1000);
  obszar.Zapisz32(O::PozBenzynaPolaczenie, 400);
  obszar.Zapisz32(O::PozCzasGazu, 5);
  obszar.Zapisz32(O::PozGazPolaczenie, 10);
  EXPECT_EQ(CzasyOdOstatniegoPolaczenia(obszar), (TCzasyOdPolaczenia{600, 0xFFFFFFFB}));
}

}  // namespace
}  // namespace wtrysk
