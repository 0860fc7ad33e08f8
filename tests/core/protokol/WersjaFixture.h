#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "i18n/TKomunikaty.h"
#include "link/Ramka.h"
#include "model/TTypWtryskiwacza.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/Wersje.h"

namespace wtrysk {

// One version handler's surroundings over fakes: the records, a recording window, the
// injector kind, the messages and the identity.
class WersjaTest : public ::testing::Test {
protected:
  // Decodes a live frame with this payload; false when the handler refused it.
  bool DekodujLive(TWersja15& wersja, const TTablicaByte& dane) {
    const auto ramka = ZbudujRamkeOdpowiedzi(1, dane);
    TCzytnikRamki poz(ramka, 3);
    return wersja.DekodujDaneBiezace(poz, Kontekst);
  }

  // Decodes an identification frame: 12 identity bytes, then `nastawy` and `dalej`.
  bool DekodujIdentyfikacje(TWersja15& wersja, const TTablicaByte& nastawy, const TTablicaByte& dalej = {}) {
    TTablicaByte dane(12, 0);
    dane.insert(dane.end(), nastawy.begin(), nastawy.end());
    dane.insert(dane.end(), dalej.begin(), dalej.end());
    const auto ramka = ZbudujRamkeOdpowiedzi(12, dane);
    TCzytnikRamki poz(ramka, 15);
    return wersja.DekodujNastawy(poz, Kontekst);
  }

  bool WDzienniku(const std::string& wpis) const {
    return std::find(Okno.Dziennik.begin(), Okno.Dziennik.end(), wpis) != Okno.Dziennik.end();
  }

  TModelSterownika Model;
  TOknoNagrywajace Okno;
  TOknoKomunikatowNagrywajace OknoKomunikatow;
  TKomunikaty Komunikaty;
  TTypWtryskiwacza Typ{Okno, OknoKomunikatow, Komunikaty};
  TIdentyfikacjaSterownika Identyfikacja{"1.11", 24, std::nullopt, 14};
  TKontekstWersji Kontekst{Model, Okno, Typ, Komunikaty, Identyfikacja, nullptr};
};

inline const int WszystkieWersje[] = {15, 16, 17, 18, 19, 20, 21, 23, 24, 26};

}  // namespace wtrysk
