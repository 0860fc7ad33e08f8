#include "TOknoNagrywajace.h"

#include <sstream>

namespace wtrysk {

namespace {

// Shortest plain text of a number: 0.6, 1500, -30.
std::string Liczba(double x) {
  std::ostringstream s;
  s << x;
  return s.str();
}

std::string Razem(std::string_view a, std::string_view b) { return std::string(a) + " " + std::string(b); }

}  // namespace

const TStanKontrolki& TOknoNagrywajace::Stan(std::string_view nazwa) const {
  static const TStanKontrolki Domyslny;
  const auto it = Kontrolki.find(nazwa);
  return it == Kontrolki.end() ? Domyslny : it->second;
}

void TOknoNagrywajace::UstawPozycje(std::string_view nazwa, int pozycja) {
  Zapisz(Razem("UstawPozycje", nazwa) + " " + std::to_string(pozycja));
  Zmien(nazwa).Pozycja = pozycja;
}

void TOknoNagrywajace::UstawWartosc(std::string_view nazwa, double wartosc) {
  Zapisz(Razem("UstawWartosc", nazwa) + " " + Liczba(wartosc));
  TStanKontrolki& k = Zmien(nazwa);
  const bool zmiana = k.Wartosc != wartosc;
  k.Wartosc = wartosc;
  if (zmiana && PoZmianie) PoZmianie(std::string(nazwa));
}

void TOknoNagrywajace::UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) {
  Zapisz(Razem("UstawZaznaczenie", nazwa) + (zaznaczony ? " 1" : " 0"));
  TStanKontrolki& k = Zmien(nazwa);
  const bool zmiana = k.Zaznaczony != zaznaczony;
  k.Zaznaczony = zaznaczony;
  if (zmiana && PoZmianie) PoZmianie(std::string(nazwa));
}

void TOknoNagrywajace::UstawTekst(std::string_view nazwa, std::string_view tekst) {
  Zapisz(Razem("UstawTekst", nazwa) + " " + std::string(tekst));
  Zmien(nazwa).Tekst = tekst;
}

void TOknoNagrywajace::Wlacz(std::string_view nazwa) {
  Zapisz(Razem("Wlacz", nazwa));
  Zmien(nazwa).Wlaczona = true;
}

void TOknoNagrywajace::Wylacz(std::string_view nazwa) {
  Zapisz(Razem("Wylacz", nazwa));
  Zmien(nazwa).Wlaczona = false;
}

void TOknoNagrywajace::Pokaz(std::string_view nazwa) {
  Zapisz(Razem("Pokaz", nazwa));
  Zmien(nazwa).Widoczna = true;
}

void TOknoNagrywajace::Ukryj(std::string_view nazwa) {
  Zapisz(Razem("Ukryj", nazwa));
  Zmien(nazwa).Widoczna = false;
}

void TOknoNagrywajace::UstawFokus(std::string_view nazwa) {
  Zapisz(Razem("UstawFokus", nazwa));
  if (!nazwa.empty()) Fokus = nazwa;
}

void TOknoNagrywajace::WyczyscLinie(std::string_view nazwa) {
  Zapisz(Razem("WyczyscLinie", nazwa));
  Zmien(nazwa).Linie.clear();
}

void TOknoNagrywajace::DodajLinie(std::string_view nazwa, std::string_view tekst) {
  Zapisz(Razem("DodajLinie", nazwa) + " " + std::string(tekst));
  Zmien(nazwa).Linie.emplace_back(tekst);
}

void TOknoNagrywajace::PokazSterownikResetowany(std::string_view tekst) {
  Zapisz(Razem("PokazSterownikResetowany", tekst));
}

void TOknoNagrywajace::PokazAktywneWtryskiwacze(uint8_t maska) {
  Zapisz("PokazAktywneWtryskiwacze " + std::to_string(maska));
  AktywneWtryskiwacze = maska;
}

void TOknoNagrywajace::UstawZakresOsiMapy() { Zapisz("UstawZakresOsiMapy"); }

void TOknoNagrywajace::UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) {
  std::string wpis = "UstawWezlyMapy";
  for (uint8_t w : wezly) wpis += " " + std::to_string(w);
  Zapisz(std::move(wpis));
  WezlyMapy = wezly;
}

void TOknoNagrywajace::OdswiezMape() { Zapisz("OdswiezMape"); }

void TOknoNagrywajace::ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) {
  Zapisz("ZapiszPunktTabeli " + std::to_string(wiersz) + " " + std::to_string(indeks) + " " +
         std::to_string(wartosc));
}

void TOknoNagrywajace::OdswiezWidok() { Zapisz("OdswiezWidok"); }

void TOknoNagrywajace::UstawTekstPaskaStatusu(int panel, std::string_view tekst) {
  Zapisz("UstawTekstPaskaStatusu " + std::to_string(panel) + " " + std::string(tekst));
}

void TOknoNagrywajace::OdswiezPasekStatusu() { Zapisz("OdswiezPasekStatusu"); }

bool TOknoNagrywajace::OtworzOknoAktualizacji() {
  Zapisz("OtworzOknoAktualizacji");
  if (OknoAktualizacjiOtwarte) return false;
  OknoAktualizacjiOtwarte = true;
  return true;
}

}  // namespace wtrysk
