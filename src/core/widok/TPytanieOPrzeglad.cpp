#include "widok/TPytanieOPrzeglad.h"

namespace wtrysk {

bool TPytanieOPrzeglad::CzyZapytac(const TBajtyBledow& bledy, bool oknoInformacjiOtwarte) {
  if (KolorZakladkiBledow(bledy) != TKolorZakladkiBledow::Komunikat) return false;
  if ((bledy[1] & 0x08) != 0 || Zadane) return false;
  Zadane = true;
  return !oknoInformacjiOtwarte;
}

}  // namespace wtrysk
