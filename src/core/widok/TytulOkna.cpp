#include "widok/TytulOkna.h"

namespace wtrysk {

std::string WersjaProgramuTekst(int major, int minor, int wydanie, int kompilacja) {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(wydanie) + "." +
         std::to_string(kompilacja);
}

std::string TytulOkna(std::string_view tytulAplikacji, std::string_view wersja) {
  std::string t(tytulAplikacji);
  t += "   ";
  t += " ";
  t += wersja;
  t += " ";
  return t;
}

}  // namespace wtrysk
