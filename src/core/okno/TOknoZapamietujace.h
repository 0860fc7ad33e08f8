#pragma once

#include "model/TZmienioneKontrolki.h"
#include "okno/TOknoGlowne.h"

namespace wtrysk {

// The window as a version handler's UstawKontrolki sees it: every call goes on to the real
// window, and every enable, show and hide is remembered in ZmienioneKontrolki so that
// CofnijZmiany can put the window back as it was designed when the next connection starts.
// The lists hold the net change: a name appears once, and hiding a control that was shown
// (showing one that was hidden, disabling one that was enabled) drops it from its list again.
//
// Give it only to code that adjusts the window for a firmware. Editors disable and enable
// their control around every send; through this wrapper that would be taken for a firmware's
// adjustment and undone at the next connection.
class TOknoZapamietujace : public TOknoGlowne {
public:
  explicit TOknoZapamietujace(TOknoGlowne& okno) : Okno(okno) {}

  const TZmienioneKontrolki& ZmienioneKontrolki() const { return Zmiany; }

  // Hides what was shown, disables what was enabled, shows what was hidden, then empties the
  // three lists. Run at each connection start.
  void CofnijZmiany();

  void Wlacz(std::string_view nazwa) override;
  void Wylacz(std::string_view nazwa) override;
  void Pokaz(std::string_view nazwa) override;
  void Ukryj(std::string_view nazwa) override;

  // Everything else passes straight through.
  void UstawPozycje(std::string_view nazwa, int pozycja) override { Okno.UstawPozycje(nazwa, pozycja); }
  void UstawWartosc(std::string_view nazwa, double wartosc) override { Okno.UstawWartosc(nazwa, wartosc); }
  void UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) override {
    Okno.UstawZaznaczenie(nazwa, zaznaczony);
  }
  void UstawTekst(std::string_view nazwa, std::string_view tekst) override { Okno.UstawTekst(nazwa, tekst); }
  int Pozycja(std::string_view nazwa) const override { return Okno.Pozycja(nazwa); }
  double Wartosc(std::string_view nazwa) const override { return Okno.Wartosc(nazwa); }
  bool Zaznaczony(std::string_view nazwa) const override { return Okno.Zaznaczony(nazwa); }
  std::string KontrolkaZFokusem() const override { return Okno.KontrolkaZFokusem(); }
  void UstawFokus(std::string_view nazwa) override { Okno.UstawFokus(nazwa); }
  void WyczyscLinie(std::string_view nazwa) override { Okno.WyczyscLinie(nazwa); }
  void DodajLinie(std::string_view nazwa, std::string_view tekst) override { Okno.DodajLinie(nazwa, tekst); }
  int LiczbaLinii(std::string_view nazwa) const override { return Okno.LiczbaLinii(nazwa); }
  void PokazSterownikResetowany(std::string_view tekst) override { Okno.PokazSterownikResetowany(tekst); }
  void PokazAktywneWtryskiwacze(uint8_t maska) override { Okno.PokazAktywneWtryskiwacze(maska); }
  void UstawZakresOsiMapy() override { Okno.UstawZakresOsiMapy(); }
  void UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) override { Okno.UstawWezlyMapy(wezly); }
  void OdswiezMape() override { Okno.OdswiezMape(); }
  void ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) override {
    Okno.ZapiszPunktTabeli(wiersz, indeks, wartosc);
  }
  void OdswiezWidok() override { Okno.OdswiezWidok(); }
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override {
    Okno.UstawTekstPaskaStatusu(panel, tekst);
  }
  void OdswiezPasekStatusu() override { Okno.OdswiezPasekStatusu(); }
  bool OtworzOknoAktualizacji() override { return Okno.OtworzOknoAktualizacji(); }

private:
  TOknoGlowne& Okno;
  TZmienioneKontrolki Zmiany;
};

}  // namespace wtrysk
