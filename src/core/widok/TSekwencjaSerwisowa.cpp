#include "widok/TSekwencjaSerwisowa.h"

namespace wtrysk {

bool TSekwencjaSerwisowa::Klawisz(int kodKlawisza) {
  if (Odkryto) return false;
  if (kodKlawisza == static_cast<unsigned char>(Sekwencja[Pozycja])) {
    ++Pozycja;
  } else {
    Pozycja = 0;
  }
  if (Pozycja < Sekwencja.size()) return false;
  Odkryto = true;
  return true;
}

}  // namespace wtrysk
