#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "czas/TZegarWirtualny.h"
#include "link/TPortKomunikacyjny.h"

namespace wtrysk {

// A transport that writes into a list: each write with the virtual time it happened at.
class TPortTestowy : public TPortKomunikacyjny {
public:
  struct TZapis {
    int64_t CzasMs;
    TTablicaByte Bajty;
  };

  TPortTestowy(TZegarWirtualny& zegar, const TKomunikaty& komunikaty, TOknoKomunikatow& okno)
      : TPortKomunikacyjny(zegar, komunikaty, okno), Zegar(zegar) {}

  void Otworz() override;
  void Zamknij() override;
  int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) override;

  void Odbierz(const TTablicaByte& bajty) { OdbierzBajty(bajty.data(), bajty.size()); }
  // The writes since the last call, and forgets them.
  std::vector<TZapis> PobierzZapisy();

  bool ZapisZawodzi = false;
  int LiczbaZamkniec = 0;
  std::vector<TZapis> Zapisy;
  // Called after each successful write, e.g. to answer like a controller would.
  std::function<void(const TTablicaByte&)> PoZapisie;

private:
  TZegarWirtualny& Zegar;
};

}  // namespace wtrysk
