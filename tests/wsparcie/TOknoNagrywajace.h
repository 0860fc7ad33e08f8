#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "okno/TOknoGlowne.h"

namespace wtrysk {

// What one control of the fake window holds now. A control the test never touched is enabled
// and visible with nothing selected; tests preset design states (a disabled combo, a hidden
// panel) through Kontrolki before the code under test runs.
struct TStanKontrolki {
  int Pozycja = -1;
  double Wartosc = 0.0;
  bool Zaznaczony = false;
  std::string Tekst;
  bool Wlaczona = true;
  bool Widoczna = true;
  std::vector<std::string> Linie;
};

// A main window that writes every call, in order, into Dziennik ("UstawWartosc X 0.6",
// "Wylacz X", "OdswiezMape") and keeps the current state of each control by name, so tests can
// check both what was done and where the window ended up.
class TOknoNagrywajace : public TOknoGlowne {
public:
  void UstawPozycje(std::string_view nazwa, int pozycja) override;
  void UstawWartosc(std::string_view nazwa, double wartosc) override;
  void UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) override;
  void UstawTekst(std::string_view nazwa, std::string_view tekst) override;
  void Wlacz(std::string_view nazwa) override;
  void Wylacz(std::string_view nazwa) override;
  void Pokaz(std::string_view nazwa) override;
  void Ukryj(std::string_view nazwa) override;
  int Pozycja(std::string_view nazwa) const override { return Stan(nazwa).Pozycja; }
  double Wartosc(std::string_view nazwa) const override { return Stan(nazwa).Wartosc; }
  bool Zaznaczony(std::string_view nazwa) const override { return Stan(nazwa).Zaznaczony; }
  std::string KontrolkaZFokusem() const override { return Fokus; }
  void UstawFokus(std::string_view nazwa) override;
  void WyczyscLinie(std::string_view nazwa) override;
  void DodajLinie(std::string_view nazwa, std::string_view tekst) override;
  int LiczbaLinii(std::string_view nazwa) const override {
    return static_cast<int>(Stan(nazwa).Linie.size());
  }
  void PokazSterownikResetowany(std::string_view tekst) override;
  void PokazAktywneWtryskiwacze(uint8_t maska) override;
  void UstawZakresOsiMapy() override;
  void UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) override;
  void OdswiezMape() override;
  void ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) override;
  void OdswiezWidok() override;
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override;
  void OdswiezPasekStatusu() override;
  bool OtworzOknoAktualizacji() override;

  // The state of one control (a fresh default for a name never touched).
  const TStanKontrolki& Stan(std::string_view nazwa) const;

  std::map<std::string, TStanKontrolki, std::less<>> Kontrolki;
  std::vector<std::string> Dziennik;
  std::string Fokus;
  uint8_t AktywneWtryskiwacze = 0;           // the last mask of the injector frames
  std::array<uint8_t, 10> WezlyMapy{};        // the last node list of the map frame
  bool OknoAktualizacjiOtwarte = false;
  // Runs after a spin edit's value or a check box's state has really changed, like the GUI's
  // change event; tests of the editors hook their handlers here.
  std::function<void(const std::string& nazwa)> PoZmianie;

private:
  TStanKontrolki& Zmien(std::string_view nazwa) { return Kontrolki[std::string(nazwa)]; }
  void Zapisz(std::string wpis) { Dziennik.push_back(std::move(wpis)); }
};

}  // namespace wtrysk
