#include "aplikacja/TSesjaSterownika.h"

#include <gtest/gtest.h>

#include "RamkaIdentyfikacji.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "TPortTestowy.h"
#include "czas/TZegarWirtualny.h"
#include "historia/TObszarHistorii.h"
#include "i18n/TKomunikaty.h"

namespace wtrysk {
namespace {

constexpr uint32_t TenKomputer = 0x11112222;
constexpr uint32_t InnyKomputer = 0x33334444;

// A session wired to a test port, as the window program wires it to a real one.
class SesjaTest : public ::testing::Test {
protected:
  SesjaTest() {
    Sesja.PokazOstrzezenieZmiany = [this] {
      ++Ostrzezenia;
      return Zgoda;
    };
    Sesja.ZamknijAplikacje = [this] { Zamknieta = true; };
    Sesja.PodlaczPort(&Port);
  }

  // Connects and answers identification of firmware 24 whose latest change was made by `kod`.
  void Polacz(uint32_t kod) {
    Port.Otworz();
    Zegar.Przesun(100);
    Port.PobierzZapisy();
    TNaglowekIdentyfikacji naglowek;
    auto dane = DaneIdentyfikacji(naglowek);
    // The history area follows the settings and the 40-byte error log, positions 1..254 first.
    const std::size_t poczatekObszaru = 12 + 559 + 40;
    const std::size_t zmiana1 = poczatekObszaru + TObszarHistorii::PozZmiana1 - 1;
    const uint8_t rekord[] = {0xE9, 0x07, 12, 1, 8, 0, 0};  // 2025-12-01 08:00:00
    for (std::size_t i = 0; i < sizeof rekord; ++i) dane[zmiana1 + i] = rekord[i];
    for (std::size_t i = 0; i < 4; ++i) dane[zmiana1 + 7 + i] = static_cast<uint8_t>(kod >> (8 * i));
    Port.Odbierz(RamkaIdentyfikacji(dane));
  }

  std::vector<int> KodyWyslane() {
    std::vector<int> kody;
    for (const auto& z : Port.PobierzZapisy()) {
      if (z.Bajty[1] != 1) kody.push_back(z.Bajty[1]);
    }
    return kody;
  }

  TZegarWirtualny Zegar{{2026, 12, 11, 10, 0, 0}};
  TKomunikaty Komunikaty;
  TOknoNagrywajace Okno;
  TOknoKomunikatowNagrywajace OknoKomunikatow;
  TSesjaSterownika Sesja{Zegar, Okno, OknoKomunikatow, Komunikaty, TenKomputer};
  TPortTestowy Port{Zegar, Komunikaty, OknoKomunikatow};
  int Ostrzezenia = 0;
  bool Zgoda = true;
  bool Zamknieta = false;
};

TEST_F(SesjaTest, IdentificationChoosesTheHandlerAndWritesTheConnectionBack) {
  Polacz(TenKomputer);
  ASSERT_TRUE(Sesja.Obsluga.Wersja);
  EXPECT_EQ(Sesja.Obsluga.NumerWersji(), 24);
  EXPECT_FALSE(Port.BrakPolaczenia());
  Port.PoZapisie = [this](const TTablicaByte& w) {
    if (w[1] != 1) Port.Odbierz(ZbudujRamkeOdpowiedzi(w[1], {}));
  };
  Zegar.Przesun(3100);
  EXPECT_EQ(KodyWyslane(), (std::vector<int>{59})) << "the connection is recorded three seconds later";
  EXPECT_EQ(Sesja.Historia.ObszarRoboczy().Zdarzenie(TObszarHistorii::PozOstatniePolaczenie).KodKomputera, TenKomputer);
}

TEST_F(SesjaTest, ChangeAfterAnotherPcWarnsOnceAndRefusalClosesTheProgram) {
  struct TPrzypadek {
    const char* Nazwa;
    uint32_t OstatniKomputer;
    bool Zgoda;
    int Ostrzezenia;
    bool Zamknieta;
    std::vector<int> Kody;
  };
  const TPrzypadek przypadki[] = {
      {"same PC: no warning", TenKomputer, true, 0, false, {9, 17}},
      {"other PC, accepted: asked once", InnyKomputer, true, 1, false, {9, 17}},
      {"other PC, refused: identification instead, program closes", InnyKomputer, false, 1, true, {12}},
  };
  for (const auto& p : przypadki) {
    Ostrzezenia = 0;
    Zamknieta = false;
    Zgoda = p.Zgoda;
    Polacz(p.OstatniKomputer);
    Port.PoZapisie = [this](const TTablicaByte& w) {
      if (w[1] != 1) Port.Odbierz(ZbudujRamkeOdpowiedzi(w[1], {}));
    };
    Port.WyslijKomende(9, {15});
    if (!Zamknieta) Port.WyslijKomende(17, {60});
    Zegar.Przesun(500);
    EXPECT_EQ(Ostrzezenia, p.Ostrzezenia) << p.Nazwa;
    EXPECT_EQ(Zamknieta, p.Zamknieta) << p.Nazwa;
    EXPECT_EQ(KodyWyslane(), p.Kody) << p.Nazwa;
    Port.PoZapisie = nullptr;
    Port.Zamknij();
  }
}

}  // namespace
}  // namespace wtrysk
