// Arbitrary bytes as live-data, identification and history frames for every version handler,
// and as settings-file bodies: nothing may read outside the frame or crash.
#include <fuzzer/FuzzedDataProvider.h>

#include "i18n/TKomunikaty.h"
#include "link/Ramka.h"
#include "model/TTypWtryskiwacza.h"
#include "okno/TOknoGlowne.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/Wersje.h"
#include "ui/TOknoKomunikatow.h"
#include "OknaPuste.h"

using namespace wtrysk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar) {
  FuzzedDataProvider wejscie(dane, rozmiar);
  TModelSterownika model;
  TOknoPuste okno;
  TOknoKomunikatowCiche oknoKomunikatow;
  TKomunikaty komunikaty;
  TTypWtryskiwacza typ(okno, oknoKomunikatow, komunikaty);
  TIdentyfikacjaSterownika id{"1.11", 24, std::nullopt, 14};
  TKontekstWersji kontekst{model, okno, typ, komunikaty, id, nullptr};

  auto wersja = UtworzWersjeDlaFirmware(wejscie.ConsumeIntegralInRange<int>(15, 30));
  const int rodzaj = wejscie.ConsumeIntegralInRange<int>(0, 3);
  const auto tresc = wejscie.ConsumeRemainingBytes<uint8_t>();
  const auto ramka = ZbudujRamkeOdpowiedzi(static_cast<uint8_t>(rodzaj == 0 ? 1 : 12), tresc);
  switch (rodzaj) {
    case 0: {
      TCzytnikRamki poz(ramka, 3);
      wersja->DekodujDaneBiezace(poz, kontekst);
      break;
    }
    case 1: {
      TCzytnikRamki poz(ramka, 15);
      wersja->UstawKontrolki(okno, id);
      wersja->DekodujNastawy(poz, kontekst);
      break;
    }
    case 2: {
      TCzytnikRamki poz(ramka, 3);
      TObszar255 obszar{};
      wersja->DekodujHistorie(poz, obszar);
      break;
    }
    default: {
      TNastawy n;
      NastawyDomyslne(n);
      TCzytnikPliku plik(tresc);
      wersja->CzytajZPliku(plik, n);
      wersja->PoprawNastawy(n, typ);
      const auto obraz = wersja->ObrazNastaw(n);
      if (obraz.size() < 535) __builtin_trap();
    }
  }
  return 0;
}
