#include "historia/LiczbaResetow.h"

#include "i18n/TKomunikaty.h"

namespace wtrysk {

std::optional<std::string> TekstLiczbyResetow(uint8_t liczba, const TKomunikaty& komunikaty) {
  if (liczba == 0) return std::nullopt;
  if (liczba == 1) return komunikaty.PobierzKomunikat(56);
  return FormatujKomunikat(komunikaty.PobierzKomunikat(57), std::to_string(liczba));
}

}  // namespace wtrysk
