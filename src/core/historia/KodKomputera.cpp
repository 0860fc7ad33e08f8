#include "historia/KodKomputera.h"

#include <array>
#include <cstdio>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace wtrysk {

namespace {
std::string_view BezBialychZnakow(std::string_view tekst) {
  constexpr std::string_view biale = " \t\r\n\v\f";
  const auto poczatek = tekst.find_first_not_of(biale);
  if (poczatek == std::string_view::npos) return {};
  const auto koniec = tekst.find_last_not_of(biale);
  return tekst.substr(poczatek, koniec - poczatek + 1);
}
}  // namespace

uint32_t KodZIdentyfikatora(std::string_view identyfikator) {
  uint32_t hash = 2166136261u;
  for (const char znak : BezBialychZnakow(identyfikator)) {
    hash ^= static_cast<uint8_t>(znak);
    hash *= 16777619u;
  }
  return hash != 0 ? hash : KodKomputeraZastepczy;
}

uint32_t KodZPlikow(std::span<const std::string> sciezki) {
  for (const auto& sciezka : sciezki) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik) continue;
    // An identity is one short line; a huge or endless file is not one.
    std::string tresc(4096, '\0');
    plik.read(tresc.data(), static_cast<std::streamsize>(tresc.size()));
    tresc.resize(static_cast<std::size_t>(plik.gcount()));
    if (BezBialychZnakow(tresc).empty()) continue;
    return KodZIdentyfikatora(tresc);
  }
  return KodKomputeraZastepczy;
}

uint32_t KodTegoKomputera() {
#ifdef _WIN32
  char katalog[MAX_PATH] = {};
  const UINT dlugosc = GetSystemDirectoryA(katalog, MAX_PATH);
  if (dlugosc < 2 || dlugosc >= MAX_PATH || katalog[1] != ':') return KodKomputeraZastepczy;
  const char dysk[] = {katalog[0], ':', '\\', '\0'};
  DWORD numer = 0;
  if (!GetVolumeInformationA(dysk, nullptr, 0, &numer, nullptr, nullptr, nullptr, 0))
    return KodKomputeraZastepczy;
  return static_cast<uint32_t>(numer);
#else
  static const std::array<std::string, 2> sciezki{"/etc/machine-id", "/var/lib/dbus/machine-id"};
  return KodZPlikow(sciezki);
#endif
}

std::string KodKomputeraTekst(uint32_t kod) {
  std::array<char, 10> bufor{};
  std::snprintf(bufor.data(), bufor.size(), "%04X-%04X", static_cast<unsigned>(kod >> 16),
                static_cast<unsigned>(kod & 0xFFFF));
  return bufor.data();
}

}  // namespace wtrysk
