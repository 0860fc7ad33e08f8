#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "TPortTestowy.h"
#include "czas/TZegarWirtualny.h"
#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "model/TModelSterownika.h"
#include "model/TTypWtryskiwacza.h"
#include "protokol/TObslugaRamek.h"
#include "symulator/KomendySterownika.h"
#include "symulator/TSymulatorSterownika.h"

namespace wtrysk {

// The history object's way to the link: commands go to the port, the firmware is the one the
// dispatcher identified, and the change warning is always accepted.
class TOtoczenieHistoriiLacza : public TOtoczenieHistorii {
public:
  TOtoczenieHistoriiLacza(TPortKomunikacyjny& port, const TObslugaRamek& obsluga) : Port(port), Obsluga(obsluga) {}
  std::optional<int> WersjaFirmware() const override { return Obsluga.NumerWersji(); }
  void WyslijKomende(uint8_t kod, std::span<const uint8_t> dane) override { Port.WyslijKomende(kod, dane); }
  bool PokazOstrzezenieZmianyNastaw() override { return true; }
  void ZamknijProgram() override {}

private:
  TPortKomunikacyjny& Port;
  const TObslugaRamek& Obsluga;
};

// Stands between the link engine and the dispatcher and keeps every frame that passed the
// engine's checksum.
class TRejestratorRamek : public TOtoczenieLacza {
public:
  explicit TRejestratorRamek(TOtoczenieLacza& dalej) : Dalej(dalej) {}
  void ObsluzRamke(std::span<const uint8_t> ramka) override {
    Ramki.emplace_back(ramka.begin(), ramka.end());
    Dalej.ObsluzRamke(ramka);
  }
  void PolaczenieRozpoczete() override { Dalej.PolaczenieRozpoczete(); }
  void LaczeZamkniete() override { Dalej.LaczeZamkniete(); }

  std::vector<TTablicaByte> Ramki;

private:
  TOtoczenieLacza& Dalej;
};

// The program's real link engine and receive dispatcher talking to the simulator over a test
// transport: what the engine writes goes to the simulator, what the simulator sends comes back
// as received bytes. After every decoded live frame the program's readings are put beside
// what the simulator sent.
class SymulatorWLaczuTest : public ::testing::Test {
public:
  struct TProbka {
    TDaneBiezace Program;
    uint8_t MaskaProgramu;
    TDaneWyslane Sterownik;
    std::vector<std::string> PunktyTablic;  // what the frame gave the pressure tables
  };

  SymulatorWLaczuTest() {
    Obsluga.UstawPort(&Port);
    Obsluga.UstawHistorie(&Historia);
    Port.UstawOtoczenie(&Rejestrator);
    Port.UstawHistorie(&Historia);
    Obsluga.Zdarzenia.ProbkaOscyloskopu = [this] {
      TProbka p{Model.DaneBiezace, Model.MaskaWtryskiwaczy, Sym->OstatnieDane(), {}};
      for (; PrzejrzanyDziennik < Okno.Dziennik.size(); ++PrzejrzanyDziennik) {
        const std::string& wpis = Okno.Dziennik[PrzejrzanyDziennik];
        if (wpis.starts_with("ZapiszPunktTabeli")) p.PunktyTablic.push_back(wpis);
      }
      Probki.push_back(std::move(p));
    };
    Port.PoZapisie = [this](const TTablicaByte& b) {
      if (Sym) Sym->Odbierz(b);
    };
  }

  // Starts the simulator and opens the link, which asks for identification.
  void Polacz(const TOpcjeSymulatora& opcje) {
    Sym = std::make_unique<TSymulatorSterownika>(Zegar, opcje, [this](std::span<const uint8_t> b) {
      Port.OdbierzBajty(b.data(), b.size());
    });
    if (NastawyStartowe) Sym->Nastawy() = *NastawyStartowe;
    Port.Otworz();
  }
  void Polacz(int firmware) {
    TOpcjeSymulatora o;
    o.Naglowek.Firmware = static_cast<uint8_t>(firmware);
    Polacz(o);
  }

  // Sends a command through the engine and lets the clock run until it is answered.
  // Lets the clock run until `ile` more live frames have been decoded; their samples.
  std::vector<TProbka> KolejneRamki(std::size_t ile) {
    const std::size_t poczatek = Probki.size();
    for (int ms = 0; Probki.size() < poczatek + ile && ms < 1000 + static_cast<int>(ile) * 200; ms += 10) Zegar.Przesun(10);
    EXPECT_GE(Probki.size(), poczatek + ile) << "live frames stopped coming";
    return std::vector<TProbka>(Probki.begin() + static_cast<std::ptrdiff_t>(std::min(poczatek, Probki.size())), Probki.end());
  }

  bool WyslijIZaczekaj(uint8_t kod, const TTablicaByte& dane, int najwyzejMs = 3000) {
    std::optional<bool> wynik;
    Port.WyslijKomende(kod, dane, [&wynik](bool odpowiedziano) { wynik = odpowiedziano; });
    for (int ms = 0; !wynik && ms < najwyzejMs; ms += 10) Zegar.Przesun(10);
    return wynik.value_or(false);
  }

  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Skrzynka;
  TOknoNagrywajace Okno;
  TModelSterownika Model;
  TTypWtryskiwacza Typ{Okno, Skrzynka, Komunikaty};
  TPortTestowy Port{Zegar, Komunikaty, Skrzynka};
  TObslugaRamek Obsluga{Model, Okno, Typ, Komunikaty, Skrzynka};
  TOtoczenieHistoriiLacza OtoczenieHistorii{Port, Obsluga};
  TInfoOSterObject Historia{Zegar, OtoczenieHistorii, 0x1234ABCD};
  TRejestratorRamek Rejestrator{Obsluga};
  std::vector<TProbka> Probki;
  std::size_t PrzejrzanyDziennik = 0;
  std::optional<TNastawy> NastawyStartowe;
  std::unique_ptr<TSymulatorSterownika> Sym;
};

// Settings in which no two fields share a value, so a field read from the wrong place shows.
inline TNastawy NastawyRozne() {
  TNastawy n;
  NastawyDomyslne(n);
  n.IloscCylNaCewke = 2;
  n.IloscCylindrow = 3;
  n.ProgPrzelaczenia = 7;
  n.MaxObroty = 65;
  n.CisnienieRobocze = 117;
  n.KalibCzasWtrysku = 33;
  n.KalibMnoznik = 141;
  n.KalibTempGazu = 27;
  n.CisnienieMinimalne = 71;
  n.CzasBleduCisnienia = 13;
  n.CzasWylaczeniaPrzyBledzie = 5;
  n.CzasPrzelaczenia = 9;
  n.CzasPrzelCylindra = 23;
  n.CzasOtwZamWtr = 8;
  n.CzasRozpOgraniczenia = 37;
  n.TypWtryskiwacza = 2;
  for (std::size_t k = 0; k < n.Mapa.size(); ++k) n.Mapa[k] = static_cast<uint8_t>(60 + (k * 7) % 150);
  n.ProgiPoziomu = {201, 150, 99, 48};
  n.RodzajCzujnikaPoziomu = 2;
  n.CzujnikTempReduktora = 3;
  n.CzujnikTempGazu = 0;
  n.CzujnikCisnienia = 1;
  n.CzujnikCisKolektora = 4;
  n.Flagi = 0x6A;
  n.Flagi2 = 0x06;
  n.TempPrzelaczenia = 41;
  n.ZakresMapy1 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  n.ZakresMapy2 = {10, 25, 40, 55, 70, 85, 100, 130, 200, 255};
  n.CzasPrzelaczenia16 = 301;
  n.KorekcjaWtryskiwacza = {120, 121, 122, 123, 124, 125, 126, 127};
  n.MinObrotyLPG = 12;
  n.MinTempGazu = -7;
  n.WypelnienieOgraniczenia = 140;
  n.TypSondyLambda = 2;
  n.ProgDetekcjiObrotow = 57;
  return n;
}

// The settings an identification of that layout carries, field by field.
inline void PorownajNastawy(const TNastawy& program, const TNastawy& sterownik, int uklad) {
  SCOPED_TRACE("layout " + std::to_string(uklad));
#define WTRYSK_POLE(pole) EXPECT_EQ(program.pole, sterownik.pole) << #pole
  WTRYSK_POLE(IloscCylNaCewke);
  WTRYSK_POLE(IloscCylindrow);
  WTRYSK_POLE(ProgPrzelaczenia);
  WTRYSK_POLE(MaxObroty);
  WTRYSK_POLE(CisnienieRobocze);
  WTRYSK_POLE(KalibCzasWtrysku);
  WTRYSK_POLE(KalibMnoznik);
  WTRYSK_POLE(KalibTempGazu);
  WTRYSK_POLE(CisnienieMinimalne);
  WTRYSK_POLE(CzasBleduCisnienia);
  WTRYSK_POLE(CzasPrzelCylindra);
  WTRYSK_POLE(CzasOtwZamWtr);
  WTRYSK_POLE(Mapa);
  WTRYSK_POLE(ProgiPoziomu);
  WTRYSK_POLE(RodzajCzujnikaPoziomu);
  WTRYSK_POLE(CzujnikTempReduktora);
  WTRYSK_POLE(CzujnikTempGazu);
  WTRYSK_POLE(CzujnikCisnienia);
  WTRYSK_POLE(Flagi);
  WTRYSK_POLE(TempPrzelaczenia);
  WTRYSK_POLE(ZakresMapy1);
  WTRYSK_POLE(ZakresMapy2);
  if (uklad >= 23) {
    WTRYSK_POLE(CzasPrzelaczenia16);
  } else {
    WTRYSK_POLE(CzasPrzelaczenia);
  }
  if (uklad >= 17) {
    WTRYSK_POLE(CzujnikCisKolektora);
    WTRYSK_POLE(TypWtryskiwacza);
  }
  if (uklad >= 20) {
    WTRYSK_POLE(Flagi2);
    WTRYSK_POLE(CzasWylaczeniaPrzyBledzie);
  }
  if (uklad >= 21) {
    WTRYSK_POLE(CzasRozpOgraniczenia);
  }
  if (uklad >= 24) {
    WTRYSK_POLE(KorekcjaWtryskiwacza);
    WTRYSK_POLE(MinObrotyLPG);
    WTRYSK_POLE(MinTempGazu);
    WTRYSK_POLE(WypelnienieOgraniczenia);
    WTRYSK_POLE(TypSondyLambda);
    WTRYSK_POLE(ProgDetekcjiObrotow);
  }
#undef WTRYSK_POLE
}

// The readings a live frame of that layout carries, as the program decoded them and as the
// simulator sent them.
inline void PorownajDane(const SymulatorWLaczuTest::TProbka& p, int uklad) {
  const TPolaDanychBiezacych pola = PolaDanychBiezacych(uklad);
  const TDaneBiezace& a = p.Program;
  const TDaneBiezace& b = p.Sterownik.Dane;
  SCOPED_TRACE("layout " + std::to_string(uklad) + ", frame " + std::to_string(p.Sterownik.Numer));
#define WTRYSK_POLE(pole) EXPECT_EQ(a.pole, b.pole) << #pole
  WTRYSK_POLE(Stacyjka);
  WTRYSK_POLE(NaGazie);
  WTRYSK_POLE(MiganieLed);
  WTRYSK_POLE(MiganieSzybkie);
  for (std::size_t j = 0; j < static_cast<std::size_t>(pola.Cylindry); ++j) WTRYSK_POLE(CzasWtryskuBenzyny[j]);
  WTRYSK_POLE(CzasWtryskuGazu);
  WTRYSK_POLE(Obroty);
  WTRYSK_POLE(NapiecieLambda1);
  WTRYSK_POLE(CisnienieGazu);
  WTRYSK_POLE(CisnienieKolektora);
  WTRYSK_POLE(AktualnyMnoznik);
  WTRYSK_POLE(NapiecieZasilania);
  WTRYSK_POLE(CzujnikPoziomu);
  WTRYSK_POLE(PoziomGazuLed);
  WTRYSK_POLE(TempReduktora);
  WTRYSK_POLE(TempGazu);
  WTRYSK_POLE(BledyBiezace);
  if (pola.AktywneWtryskiwacze) {
    WTRYSK_POLE(AktywneWtryskiwacze);
  }
  if (pola.Odchylki) {
    WTRYSK_POLE(PunktOdchylki1);
    WTRYSK_POLE(PunktOdchylki2);
  }
  if (pola.Lambda2) {
    WTRYSK_POLE(NapiecieLambda2);
  }
#undef WTRYSK_POLE
  if (pola.Maska) {
    EXPECT_EQ(p.MaskaProgramu, p.Sterownik.MaskaWtryskiwaczy) << "MaskaWtryskiwaczy";
  }
}

}  // namespace wtrysk
