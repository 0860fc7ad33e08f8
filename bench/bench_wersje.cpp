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

using namespace wtrysk;

namespace {

class TOknoPuste : public TOknoGlowne {
public:
  void UstawPozycje(std::string_view, int) override {}
  void UstawWartosc(std::string_view, double) override {}
  void UstawZaznaczenie(std::string_view, bool) override {}
  void UstawTekst(std::string_view, std::string_view) override {}
  void Wlacz(std::string_view) override {}
  void Wylacz(std::string_view) override {}
  void Pokaz(std::string_view) override {}
  void Ukryj(std::string_view) override {}
  int Pozycja(std::string_view) const override { return -1; }
  double Wartosc(std::string_view) const override { return 0; }
  bool Zaznaczony(std::string_view) const override { return false; }
  std::string KontrolkaZFokusem() const override { return {}; }
  void UstawFokus(std::string_view) override {}
  void WyczyscLinie(std::string_view) override {}
  void DodajLinie(std::string_view, std::string_view) override {}
  int LiczbaLinii(std::string_view) const override { return 0; }
  void PokazSterownikResetowany(std::string_view) override {}
  void PokazAktywneWtryskiwacze(uint8_t) override {}
  void UstawZakresOsiMapy() override {}
  void UstawWezlyMapy(const std::array<uint8_t, 10>&) override {}
  void OdswiezMape() override {}
  void ZapiszPunktTabeli(int, int, uint8_t wartosc) override { benchmark::DoNotOptimize(wartosc); }
  void OdswiezWidok() override {}
  void UstawTekstPaskaStatusu(int, std::string_view) override {}
  void OdswiezPasekStatusu() override {}
  bool OtworzOknoAktualizacji() override { return false; }
};

class TOknoKomunikatowCiche : public TOknoKomunikatow {
public:
  void PokazBlad(const std::string&) override {}
  void PokazInformacje(const std::string&) override {}
  bool ZadajPytanie(const std::string&, const std::string&) override { return false; }
};

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
