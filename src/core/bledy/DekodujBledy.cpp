#include "bledy/DekodujBledy.h"

#include <algorithm>

#include "i18n/TKomunikaty.h"

namespace wtrysk {

int KomunikatBleduZarejestrowanego(uint8_t kod) {
  switch (kod) {
    case 1: return 82;   // "Za długi czas wtrysku gazu"
    case 2: return 83;   // "Błąd napięcia"
    case 3: return 84;   // "Cisnienie gazu za wysokie"
    case 4: return 85;   // "Cisnienie gazu za niskie"
    case 5: return 86;   // "Napięcie stacyjki za niskie"
    case 6: return 87;   // "Brak wtrysku benzyny"
    case 7: return 88;   // "Sterownik sam. nie steruje"
    case 9: return 100;  // "Napięcie zasilania za niskie dla LPG !"
    default: return 0;
  }
}

TLinieBledow DekodujBledy(std::span<const uint8_t> obszar, int wersjaFirmware,
                          const TKomunikaty& komunikaty) {
  TLinieBledow lista;
  const auto bajty = obszar.first(std::min(obszar.size(), DlugoscObszaruBledow));
  int zalegle = 0;  // bytes still owed to an injector entry
  uint8_t maska = 0xFF;
  for (const uint8_t bajt : bajty) {
    if (zalegle == 0) {
      if (bajt == 0) {
        zalegle = 2;
      } else if (const int komunikat = KomunikatBleduZarejestrowanego(bajt); komunikat != 0) {
        DodajLinieBledu(lista, komunikaty.PobierzKomunikat(komunikat));
      }
    } else if (zalegle == 2) {
      maska = wersjaFirmware <= 20 ? static_cast<uint8_t>((bajt >> 2) | 0xC0) : bajt;
      zalegle = 1;
    } else {
      DodajLinieWtryskiwaczy(lista, maska, bajt, komunikaty);
      zalegle = 0;
    }
  }
  return lista;
}

}  // namespace wtrysk
