#pragma once

#include <string>
#include <vector>

namespace wtrysk {

// One parsed line of a language file: "Kod" is the component or code part, "Nazwa" the name
// (a message number in the section "[KString]"), "Wartosc" the translated text (UTF-8).
struct TKodNazwaWartosc {
  std::string Kod;
  std::string Nazwa;
  std::string Wartosc;
};

// One section of a language file, lines in file order.
using TTablicaKodNazwaWartosc = std::vector<TKodNazwaWartosc>;

}  // namespace wtrysk
