#include "TPortSymulatora.h"

namespace wtrysk {

namespace {
TOpcjeSymulatora ZOpoznieniem(TOpcjeSymulatora opcje) {
  if (opcje.OpoznienieOdpowiedziMs == 0) opcje.OpoznienieOdpowiedziMs = TPortSymulatora::OpoznienieDomyslneMs;
  return opcje;
}
}  // namespace

TPortSymulatora::TPortSymulatora(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno,
                                 TOpcjeSymulatora opcje)
    : TPortKomunikacyjny(czas, komunikaty, okno) {
  Sym = std::make_unique<TSymulatorSterownika>(czas, ZOpoznieniem(opcje), [this](std::span<const uint8_t> bajty) {
    if (Polaczony()) OdbierzBajty(bajty.data(), bajty.size());
  });
}

void TPortSymulatora::Otworz() {
  UstawPolaczony(true);
  TPortKomunikacyjny::Otworz();
}

void TPortSymulatora::Zamknij() { TPortKomunikacyjny::Zamknij(); }

int TPortSymulatora::ZapiszBajty(const uint8_t* bajty, std::size_t liczba) {
  if (!Polaczony()) return 0;
  Zapisy.emplace_back(bajty, bajty + liczba);
  Sym->Odbierz(std::span<const uint8_t>(bajty, liczba));
  return static_cast<int>(liczba);
}

}  // namespace wtrysk
