#include "Marka.h"

#include <array>

#include "protokol/TIdentyfikacjaSterownika.h"
#include "widok/TytulOkna.h"

#ifndef WTRYSK_WERSJA_GLOWNA
#error "the build sets the program version"
#endif

namespace wtrysk {

static_assert(WTRYSK_WERSJA_POBOCZNA == WersjaProgramuMinor,
              "the project's minor version is the one the controllers and files are checked against");

namespace {
const std::array<const char*, 13> Tabela{
    "Wtrysk",
    "Wtrysk LPG/CNG",
    "$F2EEE8",
    "Wtrysk LPG/CNG",
    "Program serwisowy sterowników wtrysku gazu",
    "Wtrysk",
    "",
    "",
    "",
    "$404040",
    "",
    "",
    "",
};
}  // namespace

QString TekstMarki(int id) {
  if (id < 0 || id >= static_cast<int>(Tabela.size())) return {};
  return QString::fromUtf8(Tabela[static_cast<std::size_t>(id)]);
}

QString WersjaProgramu() {
  return QString::fromStdString(
      WersjaProgramuTekst(WTRYSK_WERSJA_GLOWNA, WTRYSK_WERSJA_POBOCZNA, WTRYSK_WERSJA_WYDANIE, WTRYSK_WERSJA_KOMPILACJA));
}

}  // namespace wtrysk
