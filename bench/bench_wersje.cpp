// Decoding cost of the version handlers: a live frame of the newest layout, and a whole
// firmware 24 identification frame (settings, error log, history area, serial block) into
// the records and a window that does nothing.
#include <benchmark/benchmark.h>

#include "i18n/TKomunikaty.h"
#include "link/Ramka.h"
#include "model/TTypWtryskiwacza.h"
#include "okno/TOknoGlowne.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/Wersje.h"
#include "ui/TOknoKomunikatow.h"
#include "OknaPuste.h"

using namespace wtrysk;

namespace {

struct TSrodowisko {
  TModelSterownika Model;
  TOknoPuste Okno;
  TOknoKomunikatowCiche OknoKomunikatow;
  TKomunikaty Komunikaty;
  TTypWtryskiwacza Typ{Okno, OknoKomunikatow, Komunikaty};
  TIdentyfikacjaSterownika Identyfikacja{"1.11", 26, std::nullopt, 14};
  TKontekstWersji Kontekst{Model, Okno, Typ, Komunikaty, Identyfikacja, nullptr};
};

void DekodowanieDanychBiezacych(benchmark::State& stan) {
  TSrodowisko s;
  auto wersja = UtworzWersje(26);
  TTablicaByte dane(wersja->DlugoscDanychBiezacych());
  for (std::size_t i = 0; i < dane.size(); ++i) dane[i] = static_cast<uint8_t>(i * 37);
  const auto ramka = ZbudujRamkeOdpowiedzi(1, dane);
  for (auto _ : stan) {
    TCzytnikRamki poz(ramka, 3);
    benchmark::DoNotOptimize(wersja->DekodujDaneBiezace(poz, s.Kontekst));
  }
  stan.SetItemsProcessed(static_cast<int64_t>(stan.iterations()));
}

void DekodowanieIdentyfikacji(benchmark::State& stan) {
  TSrodowisko s;
  auto wersja = UtworzWersje(24);
  TTablicaByte dane(12 + wersja->DlugoscNastaw() + wersja->DlugoscPoNastawach(), 0);
  for (std::size_t i = 12; i < dane.size(); ++i) dane[i] = static_cast<uint8_t>(i);
  const auto ramka = ZbudujRamkeOdpowiedzi(12, dane);
  for (auto _ : stan) {
    TCzytnikRamki poz(ramka, 15);
    wersja->UstawKontrolki(s.Okno, s.Identyfikacja);
    benchmark::DoNotOptimize(wersja->DekodujNastawy(poz, s.Kontekst));
  }
  stan.SetItemsProcessed(static_cast<int64_t>(stan.iterations()));
}

}  // namespace

BENCHMARK(DekodowanieDanychBiezacych);
BENCHMARK(DekodowanieIdentyfikacji);

BENCHMARK_MAIN();
