#pragma once

// A window, a message box and a transport that do nothing, for fuzz targets and benchmarks
// that drive the core without a user interface or a line.
#include <array>
#include <string>

#include "link/TPortKomunikacyjny.h"
#include "okno/TOknoGlowne.h"
#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

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
  void ZapiszPunktTabeli(int wiersz, int indeks, uint8_t) override {
    // The live frames stream two rows of at most 260 points.
    if (wiersz < 0 || wiersz > 1 || indeks < 0 || indeks > 259) __builtin_trap();
  }
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

// A link whose transport takes every write and never fails.
class TPortBezTransportu : public TPortKomunikacyjny {
public:
  using TPortKomunikacyjny::TPortKomunikacyjny;
  void Otworz() override {
    UstawPolaczony(true);
    TPortKomunikacyjny::Otworz();
  }
  int ZapiszBajty(const uint8_t*, std::size_t liczba) override { return static_cast<int>(liczba); }
};

}  // namespace wtrysk
