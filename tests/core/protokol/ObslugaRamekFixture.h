#pragma once

#include <gtest/gtest.h>

#include <string>

#include "RamkaIdentyfikacji.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "TOtoczenieHistoriiNagrywajace.h"
#include "TPortTestowy.h"
#include "czas/TZegarWirtualny.h"
#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "model/TModelSterownika.h"
#include "model/TTypWtryskiwacza.h"
#include "protokol/TObslugaRamek.h"

namespace wtrysk {

// The dispatcher behind an open test link, with the window, message boxes and history object
// recorded. Every hook writes into the window's log, so one list shows the order of window
// calls and hooks alike.
class ObslugaRamekTest : public ::testing::Test {
public:
  ObslugaRamekTest() {
    Obsluga.UstawPort(&Port);
    Obsluga.UstawHistorie(&Historia);
    TZdarzeniaObslugi& z = Obsluga.Zdarzenia;
    z.TimerOdchylki = [this](bool w) { Zapisz(w ? "TimerOdchylki 1" : "TimerOdchylki 0"); };
    z.ZerujOdchylki = [this] { Zapisz("ZerujOdchylki"); };
    z.NowePolaczenie = [this] { Zapisz("NowePolaczenie"); };
    z.ZerujPanelPrzelacznikow = [this] { Zapisz("ZerujPanelPrzelacznikow"); };
    z.ProbkaOscyloskopu = [this] { Zapisz("ProbkaOscyloskopu"); };
    z.SprawdzKrokKalibracji = [this] { Zapisz("SprawdzKrokKalibracji"); };
    z.UlozRamkiCylindrow = [this](int pozycja) { Zapisz("UlozRamkiCylindrow " + std::to_string(pozycja)); };
    z.OdswiezProgiLed = [this] { Zapisz("OdswiezProgiLed"); };
    Port.Otworz();
    Okno.Dziennik.clear();
  }

  void Zapisz(std::string wpis) { Okno.Dziennik.push_back(std::move(wpis)); }

  void Odbierz(uint8_t kod, const TTablicaByte& dane = {}) { Port.Odbierz(ZbudujRamkeOdpowiedzi(kod, dane)); }

  // A successful identification; the logs start empty after it.
  void Identyfikuj(const TNaglowekIdentyfikacji& n) {
    Port.Odbierz(RamkaIdentyfikacji(n));
    ASSERT_NE(Obsluga.Wersja, nullptr) << "firmware " << int(n.Firmware);
    Okno.Dziennik.clear();
    Skrzynka.Bledy.clear();
  }
  void Identyfikuj(uint8_t firmware) {
    TNaglowekIdentyfikacji n;
    n.Firmware = firmware;
    Identyfikuj(n);
  }

  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Skrzynka;
  TOknoNagrywajace Okno;
  TModelSterownika Model;
  TTypWtryskiwacza Typ{Okno, Skrzynka, Komunikaty};
  TOtoczenieHistoriiNagrywajace OtoczenieHistorii;
  TInfoOSterObject Historia{Zegar, OtoczenieHistorii, 0x1234ABCD};
  TPortTestowy Port{Zegar, Komunikaty, Skrzynka};
  TObslugaRamek Obsluga{Model, Okno, Typ, Komunikaty, Skrzynka};
};

}  // namespace wtrysk
