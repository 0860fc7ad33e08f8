#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "okno/TOknoGlowne.h"
#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

// The window of a program without one: controls keep what is written into them (so a decode
// can report it), hooks do nothing.
class TOknoCli : public TOknoGlowne {
public:
  void UstawPozycje(std::string_view nazwa, int pozycja) override { Pozycje[std::string(nazwa)] = pozycja; }
  void UstawWartosc(std::string_view nazwa, double wartosc) override { Wartosci[std::string(nazwa)] = wartosc; }
  void UstawZaznaczenie(std::string_view nazwa, bool z) override { Zaznaczenia[std::string(nazwa)] = z; }
  void UstawTekst(std::string_view nazwa, std::string_view tekst) override { Teksty[std::string(nazwa)] = std::string(tekst); }
  void Wlacz(std::string_view) override {}
  void Wylacz(std::string_view) override {}
  void Pokaz(std::string_view) override {}
  void Ukryj(std::string_view) override {}
  int Pozycja(std::string_view nazwa) const override {
    const auto it = Pozycje.find(std::string(nazwa));
    return it == Pozycje.end() ? -1 : it->second;
  }
  double Wartosc(std::string_view nazwa) const override {
    const auto it = Wartosci.find(std::string(nazwa));
    return it == Wartosci.end() ? 0.0 : it->second;
  }
  bool Zaznaczony(std::string_view nazwa) const override {
    const auto it = Zaznaczenia.find(std::string(nazwa));
    return it != Zaznaczenia.end() && it->second;
  }
  std::string KontrolkaZFokusem() const override { return {}; }
  void UstawFokus(std::string_view) override {}
  void WyczyscLinie(std::string_view nazwa) override { Linie[std::string(nazwa)].clear(); }
  void DodajLinie(std::string_view nazwa, std::string_view tekst) override { Linie[std::string(nazwa)].emplace_back(tekst); }
  int LiczbaLinii(std::string_view nazwa) const override {
    const auto it = Linie.find(std::string(nazwa));
    return it == Linie.end() ? 0 : static_cast<int>(it->second.size());
  }
  void PokazSterownikResetowany(std::string_view tekst) override { Resety = std::string(tekst); }
  void PokazAktywneWtryskiwacze(uint8_t) override {}
  void UstawZakresOsiMapy() override {}
  void UstawWezlyMapy(const std::array<uint8_t, 10>&) override {}
  void OdswiezMape() override {}
  void ZapiszPunktTabeli(int, int, uint8_t) override {}
  void OdswiezWidok() override {
    if (PoOdswiezeniu) PoOdswiezeniu();
  }
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override { PasekStatusu[panel] = std::string(tekst); }
  void OdswiezPasekStatusu() override {}
  bool OtworzOknoAktualizacji() override { return false; }

  std::map<std::string, int> Pozycje;
  std::map<std::string, double> Wartosci;
  std::map<std::string, bool> Zaznaczenia;
  std::map<std::string, std::string> Teksty;
  std::map<std::string, std::vector<std::string>> Linie;
  std::map<int, std::string> PasekStatusu;
  std::string Resety;
  // Runs after each live-data frame has been decoded.
  std::function<void()> PoOdswiezeniu;
};

// Message boxes as lines on stderr; a question is answered No. The last error is kept so the
// command can choose its exit code.
class TOknoKomunikatowCli : public TOknoKomunikatow {
public:
  void PokazBlad(const std::string& tekst) override;
  void PokazInformacje(const std::string& tekst) override;
  bool ZadajPytanie(const std::string& tytul, const std::string& tekst) override;

  std::vector<std::string> Bledy;
  // Runs after each error box, e.g. to end the command with the matching exit code.
  std::function<void(const std::string&)> PoBledzie;
};

}  // namespace wtrysk
