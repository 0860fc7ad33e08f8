#include <gtest/gtest.h>

#include <filesystem>

#include "PlikNastawFixture.h"

namespace wtrysk {
namespace {

using OdczytPlikuNastawTest = PlikNastawTest;

TTablicaByte Komenda(uint8_t kod, const TTablicaByte& dane) {
  TTablicaByte k;
  k.reserve(dane.size() + 1);
  k.push_back(kod);
  k.insert(k.end(), dane.begin(), dane.end());
  return k;
}

const TTablicaByte ZapytanieONastawy{12, 0};

// The image a firmware 17 to 21 controller takes for NastawyWzorcowe(), with the given
// switch-over delay and injector kind; later firmware appends to it.
TTablicaByte ObrazWzorcowy(uint8_t czasPrzelaczenia, uint8_t typWtryskiwacza = 2) {
  const TNastawy n = NastawyWzorcowe();
  TTablicaByte obraz{2,  3,  15,  55, 200, 150, 100, 50, 2, 2, 3,
                     1,  2,  0x0A, 40, 120, 40,  110, 35, 70, 5, czasPrzelaczenia,
                     25, 9,  typWtryskiwacza};
  obraz.insert(obraz.end(), {10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
  obraz.insert(obraz.end(), {15, 25, 35, 45, 55, 0, 0, 0, 0, 0});
  obraz.insert(obraz.end(), n.Mapa.begin(), n.Mapa.end());
  // Pending corrections travel in 1/128 of the cell: -10 % is -13, 25 % is 32, and -128 % is
  // -164, of which the low eight bits go.
  TTablicaByte korekty(246, 0);
  korekty[0] = 0xF3;
  korekty[1] = 32;
  korekty[245] = 0x5C;
  obraz.insert(obraz.end(), korekty.begin(), korekty.end());
  return obraz;
}

TEST_F(OdczytPlikuNastawTest, PutsTheFileIntoTheModelSendsItsImageAndAsksForTheSettings) {
  Polacz(24);
  TObszarHistorii obszar;
  obszar.UstawBajt(5, 0x77);
  Info.WczytajObszarOdpowiedzi(obszar);
  const std::string plik = PlikZ(24, NastawyWzorcowe());

  ASSERT_TRUE(WczytajPlikNastaw(K, plik));
  EXPECT_TRUE(Okno.Bledy.empty());
  EXPECT_FALSE(Model.Nastawy.NastawyOdebrane);
  EXPECT_EQ(ZbudujPlikNastaw(Identyfikacja, *Wersja, Model.Nastawy), TFolderTymczasowy::Czytaj(plik));
  EXPECT_EQ(Info.ObszarRoboczy(), TObszarHistorii{}) << "history reset as at an identification";

  const auto komendy = ObsluzKomendy();
  ASSERT_EQ(komendy.size(), 2u);
  EXPECT_EQ(komendy[0], Komenda(26, Wersja->ObrazNastaw(NastawyWzorcowe())));
  EXPECT_EQ(komendy[1], ZapytanieONastawy);
  EXPECT_EQ(HistoriaLacza.LiczbaOstrzezen, 1) << "the image passes the change warning";
}

TEST_F(OdczytPlikuNastawTest, AnOldFileGivesANewControllerDefaultsForWhatItLacks) {
  Polacz(24);
  ASSERT_TRUE(WczytajPlikNastaw(K, PlikZ(17, NastawyWzorcowe())));

  // The file's one-byte switch-over delay (8) goes out as the 16-bit delay, not the default 6.
  TTablicaByte obraz = ObrazWzorcowy(8);
  obraz.insert(obraz.end(), {1, 2, 30, 0});                               // Flagi2 .. delay, high byte
  obraz.insert(obraz.end(), {128, 128, 128, 128, 128, 128, 128, 128});    // injector corrections
  obraz.insert(obraz.end(), {0, 0, 102, 0, 41});                          // the five engine settings
  ASSERT_EQ(obraz.size(), 554u);
  EXPECT_EQ(ObsluzKomendy(), (std::vector<TTablicaByte>{Komenda(26, obraz), ZapytanieONastawy}));
}

TEST_F(OdczytPlikuNastawTest, ANewFileIntoAnOldControllerIsReadWholeAndSentInTheOldImage) {
  Polacz(17);
  ASSERT_TRUE(WczytajPlikNastaw(K, PlikZ(24, NastawyWzorcowe())));
  EXPECT_EQ(Model.Nastawy.ProgDetekcjiObrotow, NastawyWzorcowe().ProgDetekcjiObrotow) << "last body byte";
  const TTablicaByte obraz = ObrazWzorcowy(8);
  ASSERT_EQ(obraz.size(), 537u);
  EXPECT_EQ(ObsluzKomendy(), (std::vector<TTablicaByte>{Komenda(26, obraz), ZapytanieONastawy}));
}

TEST_F(OdczytPlikuNastawTest, AFirmwareWithoutItsOwnClassIsReadWithTheNearestLowerOne) {
  Polacz(24);
  ASSERT_TRUE(WczytajPlikNastaw(K, PlikZ(22, NastawyWzorcowe())));
  EXPECT_EQ(Model.Nastawy.CzasRozpOgraniczenia, NastawyWzorcowe().CzasRozpOgraniczenia) << "a firmware 21 field";
  EXPECT_EQ(Model.Nastawy.MinObrotyLPG, 0) << "a firmware 24 field keeps its default";
}

TEST_F(OdczytPlikuNastawTest, TheSwitchOverDelayFollowsTheFieldTheFilesFirmwareUses) {
  struct TPrzypadek {
    int WersjaPliku;
    uint8_t CzasPrzelaczenia;
    uint16_t CzasPrzelaczenia16;
    int WersjaSterownika;
    TTablicaByte Oczekiwane;  // the low byte, and from firmware 23 the high byte
  };
  const std::vector<TPrzypadek> przypadki{
      {21, 40, 6, 24, {40, 0}},
      {15, 100, 6, 23, {100, 0}},
      {21, 40, 6, 21, {40}},
      {24, 6, 50, 21, {50}},    // a stale one-byte field in a newer file
      {23, 6, 300, 17, {120}},  // beyond one byte, then the old firmware's limit
      {24, 6, 300, 24, {0x2C, 1}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(std::to_string(p.WersjaPliku) + " into " + std::to_string(p.WersjaSterownika));
    TStanowiskoPlikuNastaw t;
    t.Polacz(p.WersjaSterownika);
    TNastawy n = NastawyWzorcowe();
    n.CzasPrzelaczenia = p.CzasPrzelaczenia;
    n.CzasPrzelaczenia16 = p.CzasPrzelaczenia16;
    ASSERT_TRUE(WczytajPlikNastaw(t.K, t.PlikZ(p.WersjaPliku, n)));
    const auto komendy = t.ObsluzKomendy();
    ASSERT_EQ(komendy.size(), 2u);
    const TTablicaByte& obraz = komendy[0];
    TTablicaByte jest{obraz[1 + 21]};
    if (p.WersjaSterownika >= 23) jest.push_back(obraz[1 + 540]);
    EXPECT_EQ(jest, p.Oczekiwane);
  }
}

TEST_F(OdczytPlikuNastawTest, TheOldInjectorBitWithKindZeroSendsKindOne) {
  struct TPrzypadek {
    uint8_t Flagi;
    uint8_t Typ;
    uint8_t Wyslany;
  };
  for (const auto& p : {TPrzypadek{0x01, 0, 1}, TPrzypadek{0x00, 0, 0}, TPrzypadek{0x01, 3, 3}}) {
    SCOPED_TRACE(std::to_string(p.Flagi) + "/" + std::to_string(p.Typ));
    TStanowiskoPlikuNastaw t;
    t.Polacz(24);
    TNastawy n = NastawyWzorcowe();
    n.Flagi = p.Flagi;
    n.TypWtryskiwacza = p.Typ;
    ASSERT_TRUE(WczytajPlikNastaw(t.K, t.PlikZ(24, n)));
    const auto komendy = t.ObsluzKomendy();
    ASSERT_EQ(komendy.size(), 2u);
    EXPECT_EQ(komendy[0][1 + 24], p.Wyslany);
    EXPECT_EQ(komendy[0][1 + 13], p.Flagi) << "Flagi themselves are sent as they were";
  }
}

TEST_F(OdczytPlikuNastawTest, RefusesWhatItCannotLoadAndChangesNothing) {
  struct TPrzypadek {
    const char* Opis;
    std::function<std::string(TStanowiskoPlikuNastaw&)> Przygotuj;  // gives the file name
    int Komunikat;                                                   // 0: none
    bool ZNazwa;
  };
  auto bajty = [](TStanowiskoPlikuNastaw& t, TTablicaByte b) {
    const std::string plik = t.Folder.Plik("x.ust");
    TFolderTymczasowy::Zapisz(plik, b);
    return plik;
  };
  auto smieci = [] {
    TTablicaByte b(600);
    uint32_t x = 12345;
    for (auto& c : b) c = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    b[0] = 0x5A;
    return b;
  };
  const std::vector<TPrzypadek> przypadki{
      {"no port", [](auto& t) { t.PortWlasny.reset(); return t.PlikZ(24, NastawyWzorcowe()); }, 18, false},
      {"link closed", [](auto& t) { t.Port.Zamknij(); return t.PlikZ(24, NastawyWzorcowe()); }, 18, false},
      {"no handler", [](auto& t) { t.Wersja.reset(); return t.PlikZ(24, NastawyWzorcowe()); }, 18, false},
      {"no name", [](auto&) { return std::string(); }, 0, false},
      {"missing file", [](auto& t) { return t.Folder.Plik("brak.ust"); }, 38, true},
      {"a folder", [](auto& t) { return t.Folder.Sciezka.string(); }, 38, true},
      {"length byte 8",
       [&](auto& t) { return bajty(t, {8, 'Z', '4', '1', '0', 'U', 's', 't', 0, 0, 0, 18, 0, 0}); }, 35, false},
      {"garbage", [&](auto& t) { return bajty(t, smieci()); }, 35, false},
      {"five bytes", [&](auto& t) { return bajty(t, {7, 'Z', '4', '1', '0'}); }, 35, false},
      {"empty file", [&](auto& t) { return bajty(t, {}); }, 35, false},
      {"version 14", [&](auto& t) { return bajty(t, {7, 'Z', '4', '1', '0', 'U', 's', 't', 0, 0, 0, 14, 1, 2}); },
       34, false},
      {"needs program 15", [](auto& t) { return t.PlikZ(24, NastawyWzorcowe(), 15); }, 34, false},
      {"controller needs program 15 for a file that does not say",
       [](auto& t) {
         t.Identyfikacja.WymaganaWersjaProgramu = 15;
         return t.PlikZ(18, NastawyWzorcowe());
       },
       34, false},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Opis);
    TStanowiskoPlikuNastaw t;
    t.Polacz(24);
    TObszarHistorii obszar;
    obszar.UstawBajt(5, 0x77);
    t.Info.WczytajObszarOdpowiedzi(obszar);
    const std::string plik = p.Przygotuj(t);
    const auto przed = ZbudujPlikNastaw(t.Identyfikacja, *UtworzWersje(24), t.Model.Nastawy);

    EXPECT_FALSE(WczytajPlikNastaw(t.K, plik));
    std::vector<std::string> bledy;
    if (p.Komunikat) bledy.push_back(t.Tekst(p.Komunikat, p.ZNazwa ? plik : ""));
    EXPECT_EQ(t.Okno.Bledy, bledy);
    EXPECT_EQ(ZbudujPlikNastaw(t.Identyfikacja, *UtworzWersje(24), t.Model.Nastawy), przed);
    EXPECT_TRUE(t.Model.Nastawy.NastawyOdebrane);
    EXPECT_EQ(t.Info.ObszarRoboczy().Bajt(5), 0x77) << "history not reset";
    if (t.PortWlasny) {
      EXPECT_TRUE(t.ObsluzKomendy().empty());
    }
  }
}

TEST_F(OdczytPlikuNastawTest, AShortFileFillsWhatItHoldsAndLoadsWithoutAMessage) {
  Polacz(24);
  auto plikSkrocony = [this](std::size_t dlugoscTresci) {
    auto bajty = TFolderTymczasowy::Czytaj(PlikZ(24, NastawyWzorcowe()));
    bajty.resize(14 + dlugoscTresci);
    const std::string plik = Folder.Plik("krotki.ust");
    TFolderTymczasowy::Zapisz(plik, bajty);
    return plik;
  };
  const TNastawy wzor = NastawyWzorcowe();
  TNastawy domyslne;
  NastawyDomyslne(domyslne);

  // Cut inside MaxObroty: the three bytes before it are read, the half field is not.
  ASSERT_TRUE(WczytajPlikNastaw(K, plikSkrocony(4)));
  EXPECT_EQ(Model.Nastawy.IloscCylNaCewke, wzor.IloscCylNaCewke);
  EXPECT_EQ(Model.Nastawy.ProgPrzelaczenia, wzor.ProgPrzelaczenia);
  EXPECT_EQ(Model.Nastawy.MaxObroty, domyslne.MaxObroty);
  EXPECT_EQ(Model.Nastawy.Mapa, domyslne.Mapa);
  EXPECT_EQ(ObsluzKomendy().size(), 2u);

  // Cut inside the map: 19 bytes precede it, so its first 81 cells are read.
  ASSERT_TRUE(WczytajPlikNastaw(K, plikSkrocony(100)));
  EXPECT_EQ(Model.Nastawy.Mapa[80], wzor.Mapa[80]);
  EXPECT_EQ(Model.Nastawy.Mapa[81], domyslne.Mapa[81]);
  EXPECT_EQ(Model.Nastawy.ProgiPoziomu, domyslne.ProgiPoziomu);

  // The header alone: every field keeps its default.
  ASSERT_TRUE(WczytajPlikNastaw(K, plikSkrocony(0)));
  EXPECT_EQ(ZbudujPlikNastaw(Identyfikacja, *Wersja, Model.Nastawy),
            ZbudujPlikNastaw(Identyfikacja, *Wersja, domyslne));
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST_F(OdczytPlikuNastawTest, AGarbageBodyIsBroughtIntoTheConnectedControllersRanges) {
  Polacz(17);
  TTablicaByte bajty{7, 'Z', '4', '1', '0', 'U', 's', 't', 0, 0, 0, 24, 14, 0};
  bajty.resize(14 + 560, 0xFF);
  const std::string plik = Folder.Plik("x.ust");
  TFolderTymczasowy::Zapisz(plik, bajty);

  ASSERT_TRUE(WczytajPlikNastaw(K, plik));
  const TNastawy& n = Model.Nastawy;
  EXPECT_EQ(n.IloscCylNaCewke, 0);
  EXPECT_EQ(n.IloscCylindrow, 1);
  EXPECT_EQ(n.MaxObroty, 60) << "firmware 17's rule, not the file's firmware 24";
  EXPECT_EQ(n.Flagi, 0x1F);
  EXPECT_EQ(n.TypWtryskiwacza, 1);
  EXPECT_EQ(n.CzasOtwZamWtr, 6);
  EXPECT_EQ(n.CzasPrzelaczenia, 120);
  EXPECT_EQ(TypWtryskiwacza.Rodzaj, 1);
  const auto komendy = ObsluzKomendy();
  ASSERT_EQ(komendy.size(), 2u);
  EXPECT_EQ(komendy[0].size(), 1u + 537u);
}

}  // namespace
}  // namespace wtrysk
