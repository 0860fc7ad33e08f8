#pragma once

#include "bledy/KolorZakladkiBledow.h"

namespace wtrysk {

inline constexpr int KomunikatPytanie = 25;             // "Pytanie"
inline constexpr int KomunikatBrakPrzegladu = 111;      // "Brak wymaganego przeglądu ... %s Czy chcesz ..."
inline constexpr const char* PodzialPytaniaOPrzeglad = "\r\n\r\n";

// The overdue-inspection question of the live view. When the controller reports the
// inspection flag (E1 bit 3) with no error active, the fitter is asked once per connection
// whether to set a new inspection; not while the controller-information dialog is open (the
// chance is used up all the same).
class TPytanieOPrzeglad {
public:
  // The current-error bytes of a live frame; true when the question is to be asked now.
  bool CzyZapytac(const TBajtyBledow& bledy, bool oknoInformacjiOtwarte);
  // A new connection starts: the question may come again.
  void NowePolaczenie() { Zadane = false; }
  bool CzyZadane() const { return Zadane; }

private:
  bool Zadane = false;
};

}  // namespace wtrysk
