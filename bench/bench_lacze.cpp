// Receive side of the link: bytes of valid frames through the parser and frame completion
// to a dispatcher that only counts, in chunks as a transport delivers them.
#include <benchmark/benchmark.h>

#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "link/TPortKomunikacyjny.h"
#include "ui/TOknoKomunikatow.h"
#include "OknaPuste.h"

using namespace wtrysk;

namespace {

class TLicznikRamek : public TOtoczenieLacza {
public:
  void ObsluzRamke(std::span<const uint8_t> ramka) override {
    ++Ramki;
    benchmark::DoNotOptimize(ramka[3]);
  }
  int64_t Ramki = 0;
};

// A stream of live-data frames of the given payload size.
TTablicaByte Strumien(std::size_t dlugoscDanych, std::size_t ramek) {
  TTablicaByte dane(dlugoscDanych);
  TTablicaByte wynik;
  for (std::size_t i = 0; i < ramek; ++i) {
    for (std::size_t k = 0; k < dane.size(); ++k) dane[k] = static_cast<uint8_t>(i * 31 + k * 7);
    const auto ramka = ZbudujRamkeOdpowiedzi(1, dane);
    wynik.insert(wynik.end(), ramka.begin(), ramka.end());
  }
  return wynik;
}

void OdbiorRamek(benchmark::State& stan) {
  const auto dlugoscDanych = static_cast<std::size_t>(stan.range(0));
  const auto kawalek = static_cast<std::size_t>(stan.range(1));
  const TTablicaByte strumien = Strumien(dlugoscDanych, 4096);
  TZegarWirtualny zegar;
  TKomunikaty komunikaty;
  TOknoKomunikatowCiche okno;
  TLicznikRamek licznik;
  TPortBezTransportu port(zegar, komunikaty, okno);
  port.UstawOtoczenie(&licznik);
  port.Otworz();
  for (auto _ : stan) {
    for (std::size_t i = 0; i < strumien.size(); i += kawalek) {
      port.OdbierzBajty(strumien.data() + i, std::min(kawalek, strumien.size() - i));
    }
  }
  stan.SetBytesProcessed(static_cast<int64_t>(stan.iterations()) * static_cast<int64_t>(strumien.size()));
  stan.counters["ramki/s"] = benchmark::Counter(static_cast<double>(licznik.Ramki), benchmark::Counter::kIsRate);
}

}  // namespace

// Payload of a live frame (about 40 bytes) and of an identification frame (about 800), in
// USB-sized (64), serial-sized (16) and large chunks.
BENCHMARK(OdbiorRamek)->Args({40, 16})->Args({40, 64})->Args({40, 4096})->Args({800, 4096});

BENCHMARK_MAIN();
