#include "symulator/TLadowarka.h"

namespace wtrysk {

TTablicaByte TLadowarka::Bajt(uint8_t b) {
  TTablicaByte potwierdzenia;
  ++Odebrane;
  if (Bajty.size() < NajwiekszyObraz) Bajty.push_back(b);
  Suma = static_cast<uint8_t>(Suma + b);
  if (PozycjaWBloku == RozmiarBloku - 1) potwierdzenia.push_back(Suma);
  if (PozycjaWBloku == PozycjaPierwszegoPotwierdzenia) potwierdzenia.push_back(Suma);
  // A block size of 0 never ends a block; the position then stops at the largest image.
  if (PozycjaWBloku < static_cast<int>(NajwiekszyObraz)) ++PozycjaWBloku;
  if (PozycjaWBloku == RozmiarBloku) {
    PozycjaWBloku = 0;
    Suma = 0;
  }
  return potwierdzenia;
}

}  // namespace wtrysk
