#include "bledy/KolorZakladkiBledow.h"

namespace wtrysk {

TKolorZakladkiBledow KolorZakladkiBledow(const TBajtyBledow& e) {
  const bool bezBledow = (e[0] | 0x02) == 0xFF && (e[1] | 0x08) == 0xFF && e[2] == 0xFF && e[3] == 0xFF;
  if (!bezBledow) return TKolorZakladkiBledow::Blad;
  const bool komunikat = (e[0] & 0x02) == 0 || (e[1] & 0x08) == 0;
  return komunikat ? TKolorZakladkiBledow::Komunikat : TKolorZakladkiBledow::KolorOkna;
}

}  // namespace wtrysk
