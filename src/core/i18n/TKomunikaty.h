#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/TKodNazwaWartosc.h"

namespace wtrysk {

// The numbered table of every text the program builds in code. Filled with the Polish
// defaults; a language file's "[KString]" section replaces texts by number. Callers fetch a
// text at the moment they show it, so a language switch reaches every later message.
class TKomunikaty {
public:
  static constexpr std::size_t MaksDlugosc = 250;  // characters kept of any text

  TKomunikaty();

  // Text number n; empty for a number outside the table.
  const std::string& PobierzKomunikat(int n) const;

  // Applies the "[KString]" lines in file order: "Nazwa" is the message number, "Wartosc" the
  // text. The line at position 12 is never applied; numbers that are not integers, are -1 or
  // lie outside the table are skipped; the later of two lines for one number wins.
  void ZastosujKString(const TTablicaKodNazwaWartosc& wpisy);

  // Puts the Polish defaults back.
  void WypelnijDomyslne();

  int Liczba() const { return static_cast<int>(Teksty.size()); }

private:
  std::vector<std::string> Teksty;
};

// Fills a message that takes one string argument: every "%s" or "%S" becomes the argument and
// "%%" becomes "%". Anything else after "%" stays as it is, so a translated text with a stray
// placeholder shows that placeholder instead of failing.
std::string FormatujKomunikat(std::string_view wzor, std::string_view argument);

}  // namespace wtrysk
