#include <gtest/gtest.h>

#include "WersjaFixture.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {
namespace {

// Settings bytes of firmware 15/16 (540) with recognisable values; map cells 100, no
// corrections.
TTablicaByte Nastawy15() {
  TTablicaByte s(540, 0);
  s[0] = 0;                     // never reset
  s[4] = 0x0F;                  // injectors 1..4
  s[5] = 1, s[6] = 3;           // coil, cylinders
  s[7] = 15, s[8] = 62;         // 1500 rpm, 6200 rpm
  s[9] = 204, s[10] = 153, s[11] = 102, s[12] = 51;
  s[13] = 2;
  s[14] = 1, s[15] = 2, s[16] = 1;
  s[17] = 0x0B;                 // old injector bit, 12 V signal, turbo
  s[18] = 35;                   // switch-over temperature
  s[19] = 120;                  // 1.20 bar
  s[20] = 40, s[21] = 110, s[22] = 28;
  s[23] = 70;                   // 0.70 bar
  s[24] = 30, s[25] = 8, s[26] = 20, s[27] = 6;
  for (int j = 0; j < 10; ++j) s[static_cast<std::size_t>(28 + j)] = static_cast<uint8_t>(j);
  s[38] = 10, s[39] = 55, s[40] = 120;  // three nodes, then zeros
  for (int k = 0; k < 246; ++k) s[static_cast<std::size_t>(48 + k)] = 100;
  return s;
}

TEST_F(WersjaTest, Firmware15SettingsGoIntoTheRecordAndTheControls) {
  auto wersja = UtworzWersje(15);
  ASSERT_TRUE(DekodujIdentyfikacje(*wersja, Nastawy15()));
  const TNastawy& n = Model.Nastawy;
  EXPECT_EQ(Model.DaneBiezace.AktywneWtryskiwacze, 0x0F);
  EXPECT_EQ(Okno.AktywneWtryskiwacze, 0x0F);
  EXPECT_EQ(n.IloscCylNaCewke, 1);
  EXPECT_EQ(n.IloscCylindrow, 3);
  EXPECT_EQ(n.MaxObroty, 62);
  EXPECT_EQ(n.ProgiPoziomu, (std::array<uint8_t, 4>{204, 153, 102, 51}));
  EXPECT_EQ(n.CisnienieRobocze, 120);
  EXPECT_EQ(Model.PunktKalibracji, (TPunktKalibracji{40, 110, 120, 28}));
  EXPECT_EQ(n.ZakresMapy2[2], 120);
  EXPECT_EQ(Okno.WezlyMapy[1], 55);
  EXPECT_EQ(Typ.Rodzaj, 1) << "up to 16 the injector kind is Flagi bit 0";

  struct TKontrolka {
    std::string_view Nazwa;
    double Wartosc;
  };
  const TKontrolka wartosci[] = {
      {Kontrolka::ZmianaProguPrzelaczeniaNaGazSpinEdit, 1500},
      {Kontrolka::ZmianaMaksymalnychObrotowNaGazieSpinEdit, 6200},
      {Kontrolka::ZmianaTemperaturyPrzelaczeniaNaGazSpinEdit, 35},
      {Kontrolka::ZmianaCisnieniaRoboczegoRxSpinEdit, 1.2},
      {Kontrolka::ZmianaMinimalnegoCisnieniaRxSpinEdit, 0.7},
      {Kontrolka::ZmianaCzasuBleduCisnieniaRxSpinEdit, 300},
      {Kontrolka::ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit, 4},
      {Kontrolka::ZmianaCzasuPrzelaczeniaKolejnychCylindrowRxSpinEdit, 200},
      {Kontrolka::ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit, 0.6},
  };
  for (const auto& w : wartosci) EXPECT_DOUBLE_EQ(Okno.Wartosc(w.Nazwa), w.Wartosc) << w.Nazwa;
  const std::pair<std::string_view, int> pozycje[] = {
      {Kontrolka::ZmianaIlosciCewekCombo, 1},          {Kontrolka::ZmianaIlosciCylindrowCombo, 3},
      {Kontrolka::ZmianaCzujnikaTemperaturyReduktoraCombo, 1}, {Kontrolka::ZmianaCzujnikaTemperaturyGazuCombo, 2},
      {Kontrolka::ZmianaCzujnikaCisnieniaCombo, 1},    {Kontrolka::RodzajSygnaluObrotowCombo, 1},
      {Kontrolka::TypSilnikaComboBox, 1},
  };
  for (const auto& [nazwa, pozycja] : pozycje) EXPECT_EQ(Okno.Pozycja(nazwa), pozycja) << nazwa;
  EXPECT_EQ(Okno.Stan(Kontrolka::TempGazuKalibWartoscLabel).Tekst, "28");
  EXPECT_TRUE(WDzienniku("UstawZakresOsiMapy"));
  EXPECT_EQ(Okno.Dziennik.back(), "OdswiezMape");
}

TEST_F(WersjaTest, ResetCounterShowsTheNoticeOnlyWhenTheControllerWasReset) {
  const std::pair<uint8_t, const char*> przypadki[] = {
      {0, nullptr}, {1, "Sterownik był 1 raz resetowany"}, {7, "Sterownik był 7 razy resetowany"}};
  for (const auto& [licznik, tekst] : przypadki) {
    Okno.Dziennik.clear();
    auto s = Nastawy15();
    s[0] = licznik;
    ASSERT_TRUE(DekodujIdentyfikacje(*UtworzWersje(15), s));
    EXPECT_EQ(Okno.Stan(Kontrolka::IloscResetowWartoscLabel).Tekst, std::to_string(licznik));
    EXPECT_EQ(WDzienniku(std::string("PokazSterownikResetowany ") + (tekst ? tekst : "")), tekst != nullptr) << int(licznik);
  }
}

TEST_F(WersjaTest, ControllerCorrectionsAreFoldedIntoTheMap) {
  struct TPrzypadek {
    int Wersja;
    uint8_t Komorka;
    uint8_t Korekta;
    uint8_t Wynik;
  };
  const TPrzypadek przypadki[] = {
      {15, 100, 0xFB, 95},   // an absolute amount
      {16, 128, 0xFB, 123},  // -5/128 of 128
      {16, 100, 0xFB, 96},   // Round(-3.90625) = -4
      {16, 250, 0x10, 25},   // wraps modulo 256: 250 + 31
  };
  for (const auto& p : przypadki) {
    auto s = Nastawy15();
    s[48 + 7] = p.Komorka;
    s[294 + 7] = p.Korekta;
    Model.Nastawy.KorektaMapy[7] = 12;
    ASSERT_TRUE(DekodujIdentyfikacje(*UtworzWersje(p.Wersja), s));
    EXPECT_EQ(Model.Nastawy.Mapa[7], p.Wynik) << p.Wersja << " " << int(p.Komorka);
    EXPECT_EQ(Model.Nastawy.KorektaMapy[7], 0) << "folding clears the pending correction";
  }
}

TEST_F(WersjaTest, CorrectionsToSendFollowEachFirmwaresRule) {
  TNastawy n;
  n.Mapa[0] = 100;
  n.KorektaMapy[0] = -10;
  EXPECT_EQ(UtworzWersje(15)->KorektaDoWyslania(10, n), 0xF6);
  EXPECT_EQ(UtworzWersje(16)->KorektaDoWyslania(10, n), 0xF3);  // Round(-12.8) = -13
  n.KorektaMapy[0] = 25;
  EXPECT_EQ(UtworzWersje(24)->KorektaDoWyslania(10, n), 32);
}

// Settings of the newest layout (559 bytes), from which every firmware from 17 reads its head.
TTablicaByte NastawyOd17() {
  TTablicaByte s(559, 0);
  s[6] = 1;
  s[17] = 3;              // manifold sensor
  s[18] = 0xE1;           // old injector bit, continuous signal, map locked, plus
  s[26] = 0x2C;           // switch-over delay, low byte from 23
  s[29] = 0;              // injector kind
  for (int k = 0; k < 246; ++k) s[static_cast<std::size_t>(50 + k)] = 100;
  s[542] = 0x07;          // Flagi2
  s[543] = 5;             // 50 ms
  s[544] = 31;            // 3.1 ms
  s[545] = 0x01;          // switch-over delay high byte
  for (int j = 0; j < 8; ++j) s[static_cast<std::size_t>(546 + j)] = static_cast<uint8_t>(120 + j);
  s[554] = 12;            // 1200 rpm
  s[555] = 0xF6;          // -10 C
  s[556] = 102;           // 40 %
  s[557] = 2;
  s[558] = 51;            // 3 V
  return s;
}

TTablicaByte Dalej(const TWersja15& wersja) { return TTablicaByte(wersja.DlugoscPoNastawach(), 0xFF); }

TEST_F(WersjaTest, NewerSettingsLayoutsAddTheirBytesVersionByVersion) {
  for (int v : {17, 18, 19, 20, 21, 23, 24, 26}) {
    Model = TModelSterownika{};
    Okno = TOknoNagrywajace{};
    auto wersja = UtworzWersje(v);
    auto s = NastawyOd17();
    s.resize(wersja->DlugoscNastaw());
    ASSERT_TRUE(DekodujIdentyfikacje(*wersja, s, Dalej(*wersja))) << v;
    const TNastawy& n = Model.Nastawy;
    EXPECT_EQ(n.CzujnikCisKolektora, 3) << v;
    EXPECT_EQ(Okno.Pozycja(Kontrolka::ZmianaCzujnikaCisKolCombo), 3) << v;
    EXPECT_EQ(n.TypWtryskiwacza, 0) << v << ": the kind stays as the controller keeps it";
    EXPECT_EQ(Typ.Rodzaj, 1) << v << ": old injector bit with kind 0 shows kind 1";
    EXPECT_EQ(Okno.Zaznaczony(Kontrolka::SygnalCiaglyCheckBox), v >= 18) << v;
    EXPECT_EQ(Okno.Zaznaczony(Kontrolka::BlokowanieCheckBox), v >= 18) << v;
    EXPECT_EQ(Okno.Zaznaczony(Kontrolka::WtrBenzSterPlusemCheckBox), v >= 19) << v;
    EXPECT_EQ(n.Flagi2, v >= 20 ? 0x07 : 0) << v;
    EXPECT_EQ(Okno.Zaznaczony(Kontrolka::WylaczDlaPierwszegoBleduCheckBox), v >= 20) << v;
    EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::CzasWylKolWtrGdyBladCisRxSpinEdit), v >= 20 ? 50 : 0) << v;
    EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::CzasRozpOgraniczeniaRxSpinEdit), v >= 21 ? 3.1 : 0) << v;
    EXPECT_EQ(Okno.Pozycja(Kontrolka::RodzajPaliwaRadioGroup), v >= 23 ? 1 : -1) << v;
    EXPECT_EQ(Okno.Pozycja(Kontrolka::TypWtryskuComboBox), v >= 24 ? 1 : -1) << v;
    if (v >= 23) {
      EXPECT_EQ(n.CzasPrzelaczenia16, 300) << v;
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit), 150.0) << v;
    } else {
      EXPECT_EQ(n.CzasPrzelaczenia, 0x2C) << v;
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit), 22.0) << v;
    }
    EXPECT_EQ(n.KorekcjaWtryskiwacza[7], v >= 24 ? 127 : 0) << v;
    if (v >= 24) {
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::KorekcjaWtrRxSpinEdit[0]), -6) << "Round(120 x 100 / 128 - 100)";
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::MinObrotyLPGRxSpinEdit), 1200);
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::MinTempGazuRxSpinEdit), -10);
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::WypelnienieOgraniczeniaRxSpinEdit), 40);
      EXPECT_EQ(Okno.Pozycja(Kontrolka::ZmianaTypuSondyLambdaCombo), 2);
      EXPECT_DOUBLE_EQ(Okno.Wartosc(Kontrolka::ProgDetekcjiObrotowRxSpinEdit), 3.0);
    }
  }
}

TEST_F(WersjaTest, ShortIdentificationFramesAreRefusedWhole) {
  for (int v : WszystkieWersje) {
    auto wersja = UtworzWersje(v);
    Model.Nastawy.IloscCylindrow = 5;
    TTablicaByte s(wersja->DlugoscNastaw(), 1);
    TTablicaByte dalej(wersja->DlugoscPoNastawach(), 0);
    if (dalej.empty()) {
      s.pop_back();
    } else {
      dalej.pop_back();
    }
    EXPECT_FALSE(DekodujIdentyfikacje(*wersja, s, dalej)) << v;
    EXPECT_EQ(Model.Nastawy.IloscCylindrow, 5) << v;
  }
}

TEST_F(WersjaTest, RegisteredErrorLogFollowsTheSettingsFrom18) {
  auto wersja = UtworzWersje(18);
  TTablicaByte log(40, 0xFF);
  log[0] = 2;     // voltage error
  log[1] = 0xAA;  // unknown codes add nothing
  Okno.Kontrolki[std::string(Kontrolka::BledyZarejestrowaneMemo)].Linie = {"stara linia"};
  auto s = NastawyOd17();
  s.resize(542);
  ASSERT_TRUE(DekodujIdentyfikacje(*wersja, s, log));
  EXPECT_EQ(Okno.Stan(Kontrolka::BledyZarejestrowaneMemo).Linie, (std::vector<std::string>{"1. " + Komunikaty.PobierzKomunikat(83)}));
}

TEST_F(WersjaTest, Firmware24IdentificationEndsWithHistoryAndSerialBlock) {
  auto wersja = UtworzWersje(24);
  TTablicaByte dalej(40, 0xFF);
  for (int i = 0; i < 254; ++i) dalej.push_back(static_cast<uint8_t>(i + 1));  // positions 1..254
  dalej.push_back(0xC7);                                                     // position 0
  for (int i = 0; i < 16; ++i) dalej.push_back(static_cast<uint8_t>(0xA0 + i));
  ASSERT_TRUE(DekodujIdentyfikacje(*wersja, NastawyOd17(), dalej));
  EXPECT_EQ(Model.DaneBiezace.Blok16[0], 0xA0);
  EXPECT_EQ(Model.DaneBiezace.Blok16[15], 0xAF);

  const auto ramka = ZbudujRamkeOdpowiedzi(60, std::span<const uint8_t>(dalej).subspan(40, 255));
  TCzytnikRamki poz(ramka, 3);
  TObszar255 obszar{};
  ASSERT_TRUE(wersja->DekodujHistorie(poz, obszar));
  EXPECT_EQ(obszar[0], 0xC7);
  EXPECT_EQ(obszar[1], 1);
  EXPECT_EQ(obszar[254], 254);
  TCzytnikRamki krotka(ZbudujRamkeOdpowiedzi(60, TTablicaByte(254, 0)), 3);
  EXPECT_FALSE(wersja->DekodujHistorie(krotka, obszar));
  EXPECT_FALSE(UtworzWersje(23)->DekodujHistorie(poz, obszar)) << "no history area before 24";
}

TEST_F(WersjaTest, FirmwareControlsAreEnabledCumulatively) {
  const std::vector<std::string> od17{"Wlacz ZmianaCzujnikaCisKolCombo"};
  struct TPrzypadek {
    int Wersja;
    const char* Plytka;
    std::vector<std::string> Dziennik;
  };
  const std::vector<std::string> od18{"Wlacz ZmianaCzujnikaCisKolCombo", "Wlacz SygnalCiaglyCheckBox",
                                      "Wlacz KasujMapeBenzynaButton",    "Wlacz KasujMapeGazButton",
                                      "Wlacz ZmianaCisnieniaRoboczegoRxSpinEdit", "Wlacz BlokowanieCheckBox"};
  auto plus = [](std::vector<std::string> a, std::initializer_list<const char*> b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const auto od21 = plus(od18, {"Wlacz WtrBenzSterPlusemCheckBox", "Wlacz WylaczDlaPierwszegoBleduCheckBox",
                                "Wlacz CzasWylKolWtrGdyBladCisRxSpinEdit", "Wlacz CzasRozpOgraniczeniaRxSpinEdit"});
  const auto od24 = plus(od21, {"Wlacz RodzajPaliwaRadioGroup", "Wlacz KorWtrGazGroupBox", "Wlacz MinObrotyLPGRxSpinEdit",
                                "Wlacz MinTempGazuRxSpinEdit"});
  const auto plytka11 = plus(od24, {"Wlacz WypelnienieOgraniczeniaRxSpinEdit", "Wlacz ZmianaTypuSondyLambdaCombo",
                                    "Pokaz ProgDetekcjiObrotowPanel", "Ukryj SygObrPanel", "Wlacz TypWtryskuComboBox"});
  const TPrzypadek przypadki[] = {
      {15, "1.11", {}},
      {16, "1.11", {}},
      {17, "1.11", od17},
      {18, "1.11", od18},
      {21, "1.11", od21},
      {24, "1.10", od24},
      {24, "1.11", plytka11},
      {26, "1.12", plytka11},
      {26, "1.3", od24},
  };
  for (const auto& p : przypadki) {
    TOknoNagrywajace okno;
    TIdentyfikacjaSterownika id{p.Plytka, static_cast<uint8_t>(p.Wersja), std::nullopt, 14};
    UtworzWersje(p.Wersja)->UstawKontrolki(okno, id);
    EXPECT_EQ(okno.Dziennik, p.Dziennik) << p.Wersja << " " << p.Plytka;
  }
}

}  // namespace
}  // namespace wtrysk
