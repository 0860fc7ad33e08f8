#include "model/TNastawy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "model/TModelSterownika.h"

namespace wtrysk {
namespace {

template <typename A, typename B>
constexpr bool Ten = std::is_same_v<A, B>;

// The settings files write each field with its width in the record, in record order; a field
// that changed type or place would change the files.
TEST(TNastawy, FieldsKeepTheirWidthsAndOrder) {
  TNastawy n;
  [[maybe_unused]] auto& [IloscCylNaCewke, IloscCylindrow, ProgPrzelaczenia, MaxObroty, CisnienieRobocze,
                          KalibCzasWtrysku, KalibMnoznik, KalibTempGazu, CisnienieMinimalne,
                          CzasBleduCisnienia, CzasWylaczeniaPrzyBledzie, CzasPrzelaczenia,
                          CzasPrzelCylindra, CzasOtwZamWtr, CzasRozpOgraniczenia, TypWtryskiwacza, Mapa,
                          KorektaMapy, ProgiPoziomu, RodzajCzujnikaPoziomu, CzujnikTempReduktora,
                          CzujnikTempGazu, CzujnikCisnienia, CzujnikCisKolektora, Flagi, Flagi2,
                          TempPrzelaczenia, NastawyOdebrane, ZakresMapy1, ZakresMapy2, CzasPrzelaczenia16,
                          KorekcjaWtryskiwacza, MinObrotyLPG, MinTempGazu, WypelnienieOgraniczenia,
                          TypSondyLambda, ProgDetekcjiObrotow] = n;
  static_assert(Ten<decltype(IloscCylNaCewke), uint8_t> && Ten<decltype(IloscCylindrow), uint8_t> &&
                Ten<decltype(ProgPrzelaczenia), uint8_t> && Ten<decltype(MaxObroty), uint16_t> &&
                Ten<decltype(CisnienieRobocze), uint16_t> && Ten<decltype(KalibCzasWtrysku), uint16_t> &&
                Ten<decltype(KalibMnoznik), uint16_t> && Ten<decltype(KalibTempGazu), uint8_t> &&
                Ten<decltype(CisnienieMinimalne), uint16_t> && Ten<decltype(CzasBleduCisnienia), uint8_t> &&
                Ten<decltype(CzasWylaczeniaPrzyBledzie), uint8_t> && Ten<decltype(CzasPrzelaczenia), uint8_t> &&
                Ten<decltype(CzasPrzelCylindra), uint8_t> && Ten<decltype(CzasOtwZamWtr), uint8_t> &&
                Ten<decltype(CzasRozpOgraniczenia), uint8_t> && Ten<decltype(TypWtryskiwacza), uint8_t>);
  static_assert(Ten<decltype(Mapa), std::array<uint8_t, 246>> &&
                Ten<decltype(KorektaMapy), std::array<int8_t, 246>> &&
                Ten<decltype(ProgiPoziomu), std::array<uint8_t, 4>>);
  static_assert(Ten<decltype(RodzajCzujnikaPoziomu), uint8_t> && Ten<decltype(CzujnikTempReduktora), uint8_t> &&
                Ten<decltype(CzujnikTempGazu), uint8_t> && Ten<decltype(CzujnikCisnienia), uint8_t> &&
                Ten<decltype(CzujnikCisKolektora), uint8_t> && Ten<decltype(Flagi), uint8_t> &&
                Ten<decltype(Flagi2), uint8_t> && Ten<decltype(TempPrzelaczenia), uint8_t> &&
                Ten<decltype(NastawyOdebrane), bool>);
  static_assert(Ten<decltype(ZakresMapy1), std::array<uint8_t, 10>> &&
                Ten<decltype(ZakresMapy2), std::array<uint8_t, 10>> &&
                Ten<decltype(CzasPrzelaczenia16), uint16_t> &&
                Ten<decltype(KorekcjaWtryskiwacza), std::array<uint8_t, 8>> &&
                Ten<decltype(MinObrotyLPG), uint8_t> && Ten<decltype(MinTempGazu), int8_t> &&
                Ten<decltype(WypelnienieOgraniczenia), uint8_t> && Ten<decltype(TypSondyLambda), uint8_t> &&
                Ten<decltype(ProgDetekcjiObrotow), uint8_t>);
  SUCCEED();
}

TEST(TDaneBiezace, FieldsKeepTheirWidthsAndOrder) {
  TDaneBiezace d;
  [[maybe_unused]] auto& [Stacyjka, NaGazie, MiganieLed, MiganieSzybkie, ZmianaStanu, CzasWtryskuBenzyny,
                          CzasWtryskuGazu, Obroty, NapiecieLambda1, NapiecieLambda2, CisnienieGazu,
                          CisnienieKolektora, AktywneWtryskiwacze, AktualnyMnoznik, NapiecieZasilania,
                          CzujnikPoziomu, PoziomGazuLed, TempReduktora, TempGazu, BledyBiezace,
                          PunktOdchylki1, PunktOdchylki2, Blok16] = d;
  static_assert(Ten<decltype(Stacyjka), bool> && Ten<decltype(NaGazie), bool> &&
                Ten<decltype(MiganieLed), bool> && Ten<decltype(MiganieSzybkie), bool> &&
                Ten<decltype(ZmianaStanu), bool> &&
                Ten<decltype(CzasWtryskuBenzyny), std::array<uint16_t, 8>> &&
                Ten<decltype(CzasWtryskuGazu), uint32_t> && Ten<decltype(Obroty), uint8_t> &&
                Ten<decltype(NapiecieLambda1), uint16_t> && Ten<decltype(NapiecieLambda2), uint16_t> &&
                Ten<decltype(CisnienieGazu), uint16_t> && Ten<decltype(CisnienieKolektora), uint16_t> &&
                Ten<decltype(AktywneWtryskiwacze), uint8_t> && Ten<decltype(AktualnyMnoznik), uint8_t> &&
                Ten<decltype(NapiecieZasilania), uint16_t> && Ten<decltype(CzujnikPoziomu), uint8_t> &&
                Ten<decltype(PoziomGazuLed), uint8_t> && Ten<decltype(TempReduktora), int8_t> &&
                Ten<decltype(TempGazu), int8_t> && Ten<decltype(BledyBiezace), std::array<uint8_t, 4>> &&
                Ten<decltype(PunktOdchylki1), bool> && Ten<decltype(PunktOdchylki2), bool> &&
                Ten<decltype(Blok16), std::array<uint8_t, 16>>);
  SUCCEED();
}

TEST(TModelSterownika, StartsZeroedWithEveryInjectorAllowed) {
  const TModelSterownika m;
  EXPECT_EQ(m.MaskaWtryskiwaczy, 0xFF);
  EXPECT_EQ(m.PunktKalibracji, (TPunktKalibracji{0, 0, 0, 0}));
  EXPECT_FALSE(m.DaneBiezace.Stacyjka);
  EXPECT_EQ(m.DaneBiezace.CzasWtryskuGazu, 0u);
  EXPECT_EQ(m.DaneBiezace.BledyBiezace, (std::array<uint8_t, 4>{}));
  EXPECT_FALSE(m.Nastawy.NastawyOdebrane);
  EXPECT_EQ(m.Nastawy.IloscCylindrow, 0);
  EXPECT_EQ(m.Nastawy.Mapa, TMapa{});
}

TEST(TModelSterownika, CalibrationPointTakesTheLowBytes) {
  TNastawy n;
  n.KalibCzasWtrysku = 0x012C;
  n.KalibMnoznik = 120;
  n.CisnienieRobocze = 0x0196;
  n.KalibTempGazu = 30;
  EXPECT_EQ(PunktKalibracjiZNastaw(n), (TPunktKalibracji{0x2C, 120, 0x96, 30}));
}

// Starts from a record filled with junk so that a field the defaults forget shows up.
TEST(NastawyDomyslne, SetsEveryField) {
  static_assert(std::is_trivially_copyable_v<TNastawy>);
  TNastawy n;
  std::memset(static_cast<void*>(&n), 0x5A, sizeof n);
  NastawyDomyslne(n);

  EXPECT_EQ(n.IloscCylNaCewke, 0);
  EXPECT_EQ(n.IloscCylindrow, 1);
  EXPECT_EQ(n.ProgPrzelaczenia, 6);
  EXPECT_EQ(n.MaxObroty, 60);
  EXPECT_EQ(n.CisnienieRobocze, 100);
  EXPECT_EQ(n.KalibCzasWtrysku, 30);
  EXPECT_EQ(n.KalibMnoznik, 100);
  EXPECT_EQ(n.KalibTempGazu, 30);
  EXPECT_EQ(n.CisnienieMinimalne, 60);
  EXPECT_EQ(n.CzasBleduCisnienia, 3);
  EXPECT_EQ(n.CzasWylaczeniaPrzyBledzie, 2);
  EXPECT_EQ(n.CzasPrzelaczenia, 6);
  EXPECT_EQ(n.CzasPrzelCylindra, 20);
  EXPECT_EQ(n.CzasOtwZamWtr, 6);
  EXPECT_EQ(n.CzasRozpOgraniczenia, 30);
  EXPECT_EQ(n.TypWtryskiwacza, 1);
  for (int k = 0; k < LiczbaKomorekMapy; ++k) {
    EXPECT_EQ(n.Mapa[k], 100) << k;
    EXPECT_EQ(n.KorektaMapy[k], 0) << k;
  }
  EXPECT_EQ(n.ProgiPoziomu, (std::array<uint8_t, 4>{204, 153, 102, 51}));
  EXPECT_EQ(n.RodzajCzujnikaPoziomu, 3);
  EXPECT_EQ(n.CzujnikTempReduktora, 1);
  EXPECT_EQ(n.CzujnikTempGazu, 1);
  EXPECT_EQ(n.CzujnikCisnienia, 4);
  EXPECT_EQ(n.CzujnikCisKolektora, 0);
  EXPECT_EQ(n.Flagi, 4);
  EXPECT_EQ(n.Flagi2, 1);
  EXPECT_EQ(n.TempPrzelaczenia, 30);
  EXPECT_TRUE(n.NastawyOdebrane);
  const std::array<uint8_t, 10> zakres{10, 255, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(n.ZakresMapy1, zakres);
  EXPECT_EQ(n.ZakresMapy2, zakres);
  EXPECT_EQ(n.CzasPrzelaczenia16, 6);
  EXPECT_EQ(n.KorekcjaWtryskiwacza, (std::array<uint8_t, 8>{128, 128, 128, 128, 128, 128, 128, 128}));
  EXPECT_EQ(n.MinObrotyLPG, 0);
  EXPECT_EQ(n.MinTempGazu, 0);
  EXPECT_EQ(n.WypelnienieOgraniczenia, 102);
  EXPECT_EQ(n.TypSondyLambda, 0);
  EXPECT_EQ(n.ProgDetekcjiObrotow, 41);
}

}  // namespace
}  // namespace wtrysk
