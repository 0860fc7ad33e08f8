#include "bledy/LinieBledow.h"

#include "i18n/TKomunikaty.h"

namespace wtrysk {

void DodajLinieBledu(TLinieBledow& lista, std::string_view tekst) {
  lista.push_back(std::to_string(lista.size() + 1) + ". " + std::string(tekst));
}

void DodajLinieWtryskiwaczy(TLinieBledow& lista, uint8_t maska, uint8_t drugi,
                            const TKomunikaty& komunikaty) {
  if (maska == 0xFF && drugi == 0xFF) return;
  std::string tekst = komunikaty.PobierzKomunikat(KomunikatBladWtryskiwacza) + ":  ";
  for (int k = 1; k <= 8; ++k) {
    if ((maska & (1u << (k - 1))) == 0) tekst += std::to_string(k) + "   ";
  }
  DodajLinieBledu(lista, tekst);
}

}  // namespace wtrysk
