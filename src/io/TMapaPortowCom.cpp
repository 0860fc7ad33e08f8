#include "io/TMapaPortowCom.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <QString>
#endif

namespace wtrysk {

namespace fs = std::filesystem;

namespace {

std::string NazwaPortu(int numer) { return "COM" + std::to_string(numer); }

std::string Przytnij(std::string tekst) {
  const auto poczatek = tekst.find_first_not_of(" \t\r\n");
  if (poczatek == std::string::npos) return {};
  const auto koniec = tekst.find_last_not_of(" \t\r\n");
  return tekst.substr(poczatek, koniec - poczatek + 1);
}

#ifndef _WIN32
std::string Kanoniczna(const std::string& sciezka) {
  std::error_code blad;
  const auto wynik = fs::canonical(sciezka, blad);
  return blad ? sciezka : wynik.string();
}
#endif

TWynikRejestracji Blad(TBladRejestracji rodzaj, std::string opis) {
  TWynikRejestracji wynik;
  wynik.Blad = rodzaj;
  wynik.Opis = std::move(opis);
  return wynik;
}

}  // namespace

int NumerZNazwyPortu(const std::string& nazwa) {
  if (nazwa.size() < 4 || nazwa.size() > 5 || nazwa.compare(0, 3, "COM") != 0 || nazwa[3] == '0') return 0;
  int numer = 0;
  const char* koniec = nazwa.data() + nazwa.size();
  const auto [gdzie, blad] = std::from_chars(nazwa.data() + 3, koniec, numer);
  if (blad != std::errc() || gdzie != koniec || numer < 1) return 0;
  return numer;
}

TMapaPortowCom::TMapaPortowCom(std::string folderDanych, TWyliczanieUrzadzen urzadzenia)
    : Folder(std::move(folderDanych)), Urzadzenia(std::move(urzadzenia)) {}

std::string TMapaPortowCom::FolderPortow() const { return (fs::path(Folder) / "porty").string(); }

std::string TMapaPortowCom::PlikNumerow() const { return (fs::path(FolderPortow()) / "numery.txt").string(); }

bool TMapaPortowCom::CzyZapamietany(int numer) const {
  return std::any_of(Przydzial.begin(), Przydzial.end(), [numer](const TPrzydzial& p) { return p.Numer == numer; });
}

std::vector<TPortCom> TMapaPortowCom::PortyWirtualne() const {
  std::vector<TPortCom> porty;
  std::error_code blad;
  for (const auto& wpis : fs::directory_iterator(FolderPortow(), blad)) {
    const int numer = NumerZNazwyPortu(wpis.path().filename().string());
    std::error_code bladWpisu;
    if (numer == 0 || !wpis.is_symlink(bladWpisu)) continue;
    const auto cel = fs::canonical(wpis.path(), bladWpisu);
    if (bladWpisu || fs::is_directory(cel, bladWpisu)) continue;  // broken, or not a device
    porty.push_back({numer, NazwaPortu(numer), cel.string(), true, {}});
  }
  std::sort(porty.begin(), porty.end(), [](const TPortCom& a, const TPortCom& b) { return a.Numer < b.Numer; });
  return porty;
}

void TMapaPortowCom::WczytajNumery() {
  std::ifstream plik(PlikNumerow());
  if (!plik) return;  // no file yet, or unreadable: what this object remembers stands
  std::vector<TPrzydzial> przydzial;
  std::string linia;
  while (std::getline(plik, linia)) {
    linia = Przytnij(std::move(linia));
    if (linia.empty() || linia[0] == '#') continue;
    const auto odstep = linia.find_first_of(" \t");
    if (odstep == std::string::npos) continue;
    int numer = 0;
    const auto [gdzie, blad] = std::from_chars(linia.data(), linia.data() + odstep, numer);
    const std::string tozsamosc = Przytnij(linia.substr(odstep));
    if (blad != std::errc() || gdzie != linia.data() + odstep || numer < 1 || numer > NajwyzszyNumer ||
        tozsamosc.empty()) {
      continue;
    }
    const bool powtorzony = std::any_of(przydzial.begin(), przydzial.end(), [&](const TPrzydzial& p) {
      return p.Numer == numer || p.Tozsamosc == tozsamosc;
    });
    if (!powtorzony) przydzial.push_back({numer, tozsamosc});
  }
  Przydzial = std::move(przydzial);
}

void TMapaPortowCom::ZapiszNumery() const {
  std::error_code blad;
  fs::create_directories(FolderPortow(), blad);
  const std::string tymczasowy = PlikNumerow() + ".tmp";
  {
    std::ofstream plik(tymczasowy, std::ios::trunc);
    if (!plik) return;  // a read-only folder: the numbers hold for this run only
    plik << "# COM numbers of the serial devices seen on this PC: number, tab, device identity.\n"
            "# A number may be changed by hand; virtual ports are the links COM<N> beside this file.\n";
    for (const auto& p : Przydzial) plik << p.Numer << '\t' << p.Tozsamosc << '\n';
    if (!plik.flush()) {
      plik.close();
      fs::remove(tymczasowy, blad);
      return;
    }
  }
  fs::rename(tymczasowy, PlikNumerow(), blad);
  if (blad) fs::remove(tymczasowy, blad);
}

#ifdef _WIN32

std::vector<TPortCom> TMapaPortowCom::Porty() {
  std::vector<TPortCom> porty;
  HKEY klucz = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &klucz) != ERROR_SUCCESS) {
    return porty;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t nazwa[256];
    DWORD dlugoscNazwy = 256;
    wchar_t dane[256] = {};
    DWORD rozmiar = sizeof(dane) - sizeof(wchar_t);
    DWORD typ = 0;
    const LONG wynik =
        RegEnumValueW(klucz, i, nazwa, &dlugoscNazwy, nullptr, &typ, reinterpret_cast<BYTE*>(dane), &rozmiar);
    if (wynik == ERROR_NO_MORE_ITEMS) break;
    if (wynik != ERROR_SUCCESS || typ != REG_SZ) continue;
    const std::string port = QString::fromWCharArray(dane).toStdString();
    porty.push_back({NumerZNazwyPortu(port), port, "\\\\.\\" + port, false, {}});
  }
  RegCloseKey(klucz);
  return porty;
}

TWynikRejestracji TMapaPortowCom::ZarejestrujPortWirtualny(const std::string&, int) {
  return Blad(TBladRejestracji::NieObslugiwane, "virtual ports are not supported on Windows; use a COM port pair driver");
}

bool TMapaPortowCom::UsunPortWirtualny(int, const std::string&) { return false; }

#else

std::vector<TPortCom> TMapaPortowCom::Porty() {
  std::vector<TPortCom> porty = PortyWirtualne();
  std::set<int> zajete;
  std::set<std::string> celeWirtualne;
  for (const auto& p : porty) {
    zajete.insert(p.Numer);
    celeWirtualne.insert(p.Sciezka);
  }

  std::vector<TUrzadzenieSzeregowe> urzadzenia = Urzadzenia ? Urzadzenia() : std::vector<TUrzadzenieSzeregowe>{};
  std::sort(urzadzenia.begin(), urzadzenia.end(),
            [](const TUrzadzenieSzeregowe& a, const TUrzadzenieSzeregowe& b) { return a.Sciezka < b.Sciezka; });

  WczytajNumery();
  std::set<std::string> obecne;
  std::vector<std::pair<const TUrzadzenieSzeregowe*, std::string>> nowe;
  for (const auto& u : urzadzenia) {
    if (u.Sciezka.empty() || celeWirtualne.count(Kanoniczna(u.Sciezka))) continue;
    std::string tozsamosc = u.Tozsamosc.empty() ? "loc:" + u.Sciezka : u.Tozsamosc;
    // Two devices under one identity (clones sharing a serial number): the second is told
    // apart by its path.
    if (obecne.count(tozsamosc)) tozsamosc = "loc:" + u.Sciezka;
    if (!obecne.insert(tozsamosc).second) continue;
    const auto zapamietany = std::find_if(Przydzial.begin(), Przydzial.end(),
                                          [&](const TPrzydzial& p) { return p.Tozsamosc == tozsamosc; });
    if (zapamietany != Przydzial.end() && !zajete.count(zapamietany->Numer)) {
      zajete.insert(zapamietany->Numer);
      porty.push_back({zapamietany->Numer, NazwaPortu(zapamietany->Numer), u.Sciezka, false, tozsamosc});
    } else {
      nowe.emplace_back(&u, tozsamosc);
    }
  }

  bool zmiana = false;
  for (const auto& [u, tozsamosc] : nowe) {
    int numer = 0;
    for (int n = 1; n <= NajwyzszyNumer && !numer; ++n) {
      if (!zajete.count(n) && !CzyZapamietany(n)) numer = n;
    }
    // All numbers given out: take one back from a device that is not here.
    for (int n = 1; n <= NajwyzszyNumer && !numer; ++n) {
      if (!zajete.count(n)) numer = n;
    }
    if (!numer) continue;
    std::erase_if(Przydzial, [&](const TPrzydzial& p) { return p.Numer == numer || p.Tozsamosc == tozsamosc; });
    Przydzial.push_back({numer, tozsamosc});
    zajete.insert(numer);
    porty.push_back({numer, NazwaPortu(numer), u->Sciezka, false, tozsamosc});
    zmiana = true;
  }
  if (zmiana) ZapiszNumery();

  std::sort(porty.begin(), porty.end(), [](const TPortCom& a, const TPortCom& b) { return a.Numer < b.Numer; });
  return porty;
}

TWynikRejestracji TMapaPortowCom::ZarejestrujPortWirtualny(const std::string& sciezkaUrzadzenia, int numer) {
  std::error_code blad;
  if (sciezkaUrzadzenia.empty() || !fs::exists(sciezkaUrzadzenia, blad)) {
    return Blad(TBladRejestracji::ZlaSciezka, "no device " + sciezkaUrzadzenia);
  }
  if (numer != 0 && (numer < 1 || numer > NajwyzszyNumer)) {
    return Blad(TBladRejestracji::NumerPozaZakresem,
                "COM" + std::to_string(numer) + " cannot be opened; choose 1 to " + std::to_string(NajwyzszyNumer));
  }
  fs::create_directories(FolderPortow(), blad);
  if (blad) return Blad(TBladRejestracji::BladSystemu, "cannot create " + FolderPortow() + ": " + blad.message());

  std::set<int> zajete;
  for (const auto& p : Porty()) zajete.insert(p.Numer);

  std::vector<int> kandydaci;
  if (numer != 0) {
    if (zajete.count(numer)) return Blad(TBladRejestracji::NumerZajety, NazwaPortu(numer) + " is already in use");
    kandydaci.push_back(numer);
  } else {
    for (int n = 1; n <= NajwyzszyNumer; ++n) {
      if (!zajete.count(n) && !CzyZapamietany(n)) kandydaci.push_back(n);
    }
    for (int n = 1; n <= NajwyzszyNumer; ++n) {
      if (!zajete.count(n) && CzyZapamietany(n)) kandydaci.push_back(n);
    }
  }

  const fs::path cel = fs::absolute(sciezkaUrzadzenia, blad);
  for (const int n : kandydaci) {
    const fs::path lacze = fs::path(FolderPortow()) / NazwaPortu(n);
    const auto stan = fs::symlink_status(lacze, blad);
    if (fs::is_symlink(stan) && !fs::exists(lacze, blad)) {
      fs::remove(lacze, blad);  // left by a program that died: its target is gone
    } else if (fs::exists(stan)) {
      // A link made by another program a moment ago, or something that is not ours.
      if (numer != 0) return Blad(TBladRejestracji::NumerZajety, lacze.string() + " already exists");
      continue;
    }
    fs::create_symlink(cel, lacze, blad);
    if (!blad) {
      TWynikRejestracji wynik;
      wynik.Numer = n;
      return wynik;
    }
    // Another program took the number a moment ago: try the next.
    if (blad == std::errc::file_exists && numer == 0) continue;
    if (blad == std::errc::file_exists) return Blad(TBladRejestracji::NumerZajety, NazwaPortu(n) + " is already in use");
    return Blad(TBladRejestracji::BladSystemu, "cannot create " + lacze.string() + ": " + blad.message());
  }
  return Blad(TBladRejestracji::BrakWolnegoNumeru,
              "all COM numbers from 1 to " + std::to_string(NajwyzszyNumer) + " are in use");
}

bool TMapaPortowCom::UsunPortWirtualny(int numer, const std::string& sciezkaUrzadzenia) {
  if (numer < 1 || numer > NajwyzszyNumerNazwy) return false;
  const fs::path lacze = fs::path(FolderPortow()) / NazwaPortu(numer);
  std::error_code blad;
  if (!fs::is_symlink(fs::symlink_status(lacze, blad))) return false;
  if (!sciezkaUrzadzenia.empty()) {
    const fs::path cel = fs::read_symlink(lacze, blad);
    const fs::path oczekiwany = fs::absolute(sciezkaUrzadzenia, blad);
    if (cel.lexically_normal() != oczekiwany.lexically_normal()) return false;
  }
  return fs::remove(lacze, blad);
}

#endif

std::optional<std::string> TMapaPortowCom::SciezkaPortu(int numer) {
  for (const auto& port : Porty()) {
    if (port.Numer == numer) return port.Sciezka;
  }
  return std::nullopt;
}

}  // namespace wtrysk
