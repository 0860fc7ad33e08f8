#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "PlikNastawFixture.h"

namespace wtrysk {
namespace {

using ZapisPlikuNastawTest = PlikNastawTest;

TEST_F(ZapisPlikuNastawTest, AsksForFreshSettingsAndWritesThemOnceDecoded) {
  Polacz(24, 14);
  Model.Nastawy.NastawyOdebrane = true;
  NastawySterownika = NastawyWzorcowe();
  const std::string plik = Folder.Plik("a.ust");

  Zapisz(plik);
  EXPECT_FALSE(Model.Nastawy.NastawyOdebrane) << "cleared before the request";
  EXPECT_FALSE(WynikZapisu);

  // The request goes out on the next tick; nothing is written before its answer is decoded.
  Zegar.Przesun(TPortKomunikacyjny::OkresNadawaniaMs);
  const auto zapisy = Port.PobierzZapisy();
  ASSERT_EQ(zapisy.size(), 1u);
  EXPECT_EQ(zapisy[0].Bajty, ZbudujRamkeKomendy(12, std::vector<uint8_t>{0}));
  EXPECT_FALSE(WynikZapisu);
  EXPECT_FALSE(std::filesystem::exists(plik));

  Port.Odbierz(ZbudujRamkeOdpowiedzi(12, {}));
  ASSERT_EQ(WynikZapisu, true);
  EXPECT_EQ(TFolderTymczasowy::Czytaj(plik), ZbudujPlikNastaw(Identyfikacja, *Wersja, NastawyWzorcowe()));
  EXPECT_EQ(TFolderTymczasowy::Czytaj(plik).size(), 14u + 560u);
  EXPECT_TRUE(Okno.Bledy.empty());
}

TEST_F(ZapisPlikuNastawTest, WritesWithTheHandlerTheAnswersIdentificationMade) {
  Polacz(21);
  // The controller was updated meanwhile: it now identifies as firmware 22 needing 14.
  Identyfikuj = [this] {
    Identyfikacja.WersjaFirmware = 22;
    Wersja = UtworzWersjeDlaFirmware(22);
    Model.Nastawy = NastawyWzorcowe();
    Model.Nastawy.NastawyOdebrane = true;
  };
  const std::string plik = Folder.Plik("a.ust");
  Zapisz(plik);
  ObsluzKomendy();

  ASSERT_EQ(WynikZapisu, true);
  const auto bajty = TFolderTymczasowy::Czytaj(plik);
  ASSERT_EQ(bajty.size(), 14u + 545u);
  EXPECT_EQ(bajty[11], 22);
  EXPECT_EQ(bajty[12], 14);
  EXPECT_EQ(bajty[13], 0);
}

TEST_F(ZapisPlikuNastawTest, ReportsNoControllerWhenFreshSettingsNeverArrive) {
  struct TPrzypadek {
    const char* Opis;
    std::function<void(TStanowiskoPlikuNastaw&)> Przygotuj;  // before the save starts
    std::function<void(TStanowiskoPlikuNastaw&)> Przebieg;   // while it waits
  };
  const std::vector<TPrzypadek> przypadki{
      {"no port", [](auto& t) { t.PortWlasny.reset(); }, [](auto&) {}},
      {"link closed", [](auto& t) { t.Port.Zamknij(); }, [](auto&) {}},
      {"link closes while waiting", [](auto&) {}, [](auto& t) { t.Port.Zamknij(); }},
      {"the answer brings no settings", [](auto& t) { t.Identyfikuj = nullptr; },
       [](auto& t) { t.ObsluzKomendy(); }},
      {"the answer leaves no handler",
       [](auto& t) {
         t.Identyfikuj = [&t] {
           t.Wersja.reset();
           t.Model.Nastawy.NastawyOdebrane = true;
         };
       },
       [](auto& t) { t.ObsluzKomendy(); }},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.Opis);
    TStanowiskoPlikuNastaw t;
    t.Polacz(20);
    p.Przygotuj(t);
    const std::string plik = t.Folder.Plik("a.ust");
    t.Zapisz(plik);
    p.Przebieg(t);
    EXPECT_EQ(t.WynikZapisu, false);
    EXPECT_EQ(t.Okno.Bledy, std::vector<std::string>{t.Tekst(18)});
    EXPECT_FALSE(std::filesystem::exists(plik));
  }
}

TEST_F(ZapisPlikuNastawTest, ASilentControllerEndsTheWaitWhenTheLinkGivesUp) {
  Polacz(24);
  Zapisz(Folder.Plik("a.ust"));
  Zegar.Przesun(TPortKomunikacyjny::CzasBrakuOdpowiedziMs + TPortKomunikacyjny::OkresNadawaniaMs);
  EXPECT_FALSE(Port.Polaczony());
  EXPECT_EQ(WynikZapisu, false);
  EXPECT_FALSE(std::filesystem::exists(Folder.Plik("a.ust")));
}

TEST_F(ZapisPlikuNastawTest, WithoutANameRefreshesThenWritesNothingAndSaysNothing) {
  Polacz(24);
  Zapisz("");
  const auto komendy = ObsluzKomendy();
  EXPECT_EQ(komendy, std::vector<TTablicaByte>{TTablicaByte({12, 0})});
  EXPECT_EQ(WynikZapisu, false);
  EXPECT_TRUE(Okno.Bledy.empty());
  EXPECT_TRUE(std::filesystem::is_empty(Folder.Sciezka));
}

TEST_F(ZapisPlikuNastawTest, TheNameCanBeChosenAfterTheSettingsArrived) {
  Polacz(19, 12);
  NastawySterownika = NastawyWzorcowe();
  std::optional<bool> gotowe;
  OdswiezNastawyDoZapisu(K, [&](bool g) { gotowe = g; });
  ObsluzKomendy();
  ASSERT_EQ(gotowe, true);

  const std::string plik = Folder.Plik("wybrany.ust");
  EXPECT_TRUE(ZapiszNastawyDoPliku(K, plik));
  const auto bajty = TFolderTymczasowy::Czytaj(plik);
  ASSERT_EQ(bajty.size(), 14u + 542u);
  EXPECT_EQ(bajty[12], 12) << "required program version, low byte first";
  EXPECT_EQ(bajty[14], NastawyWzorcowe().IloscCylNaCewke);
}

TEST_F(ZapisPlikuNastawTest, AFailedWriteKeepsTheEarlierFileAndNamesTheFile) {
  Polacz(18);
  const std::string plik = Folder.Plik("a.ust");
  ASSERT_TRUE(ZapiszNastawyDoPliku(K, plik));
  const auto wczesniej = TFolderTymczasowy::Czytaj(plik);
  ASSERT_EQ(wczesniej.size(), 12u + 542u);

  // The temporary file the new content goes to first cannot be created: its name is taken by
  // a folder.
  std::filesystem::create_directory(plik + ".tmp~");
  NastawySterownika = NastawyWzorcowe();
  Zapisz(plik);
  ObsluzKomendy();
  EXPECT_EQ(WynikZapisu, false);
  EXPECT_EQ(Okno.Bledy, std::vector<std::string>{Tekst(78, plik)});
  EXPECT_EQ(TFolderTymczasowy::Czytaj(plik), wczesniej);

  const std::string wBrakujacymFolderze = Folder.Plik("brak/b.ust");
  Okno.Bledy.clear();
  EXPECT_FALSE(ZapiszNastawyDoPliku(K, wBrakujacymFolderze));
  EXPECT_EQ(Okno.Bledy, std::vector<std::string>{Tekst(78, wBrakujacymFolderze)});
}

}  // namespace
}  // namespace wtrysk
