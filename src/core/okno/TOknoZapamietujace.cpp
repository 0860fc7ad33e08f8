#include "okno/TOknoZapamietujace.h"

#include <algorithm>
#include <string>
#include <vector>

namespace wtrysk {

namespace {

// Removes the name if the list has it; true when it did.
bool Usun(std::vector<std::string>& lista, std::string_view nazwa) {
  const auto it = std::find(lista.begin(), lista.end(), nazwa);
  if (it == lista.end()) return false;
  lista.erase(it);
  return true;
}

void Dodaj(std::vector<std::string>& lista, std::string_view nazwa) {
  if (std::find(lista.begin(), lista.end(), nazwa) == lista.end()) lista.emplace_back(nazwa);
}

}  // namespace

void TOknoZapamietujace::Wlacz(std::string_view nazwa) {
  Okno.Wlacz(nazwa);
  Dodaj(Zmiany.KontrolkiWlaczone, nazwa);
}

void TOknoZapamietujace::Wylacz(std::string_view nazwa) {
  Okno.Wylacz(nazwa);
  Usun(Zmiany.KontrolkiWlaczone, nazwa);
}

void TOknoZapamietujace::Pokaz(std::string_view nazwa) {
  Okno.Pokaz(nazwa);
  if (!Usun(Zmiany.KontrolkiUkryte, nazwa)) Dodaj(Zmiany.KontrolkiPokazane, nazwa);
}

void TOknoZapamietujace::Ukryj(std::string_view nazwa) {
  Okno.Ukryj(nazwa);
  if (!Usun(Zmiany.KontrolkiPokazane, nazwa)) Dodaj(Zmiany.KontrolkiUkryte, nazwa);
}

void TOknoZapamietujace::CofnijZmiany() {
  for (const std::string& nazwa : Zmiany.KontrolkiPokazane) Okno.Ukryj(nazwa);
  for (const std::string& nazwa : Zmiany.KontrolkiWlaczone) Okno.Wylacz(nazwa);
  for (const std::string& nazwa : Zmiany.KontrolkiUkryte) Okno.Pokaz(nazwa);
  Zmiany = {};
}

}  // namespace wtrysk
