#pragma once

#include <cstdint>
#include <vector>

#include "link/Ramka.h"

namespace wtrysk {

// The controller's update loader during a transfer: every byte that arrives is an image byte.
// It acknowledges twice per block of `RozmiarBloku` bytes with the running sum (modulo 256)
// of the block so far: after the block's 31st byte and after its last. With a block of 31
// bytes both fall on the same byte and the sum goes out twice.
class TLadowarka {
public:
  // The most an image can hold.
  static constexpr std::size_t NajwiekszyObraz = 65536;
  // Position in the block after which the first acknowledgement goes out.
  static constexpr int PozycjaPierwszegoPotwierdzenia = 30;

  // `dlugoscObrazu` 0: the loader does not know how long the image is.
  TLadowarka(uint16_t rozmiarBloku, uint32_t dlugoscObrazu) : RozmiarBloku(rozmiarBloku), DlugoscObrazu(dlugoscObrazu) {}

  // Takes one image byte; the acknowledgements due after it (none, one or two).
  TTablicaByte Bajt(uint8_t b);

  // The whole image has arrived (only when its length is known).
  bool Kompletny() const { return DlugoscObrazu > 0 && Odebrane >= DlugoscObrazu; }
  uint32_t LiczbaOdebranych() const { return Odebrane; }
  uint32_t Dlugosc() const { return DlugoscObrazu; }
  // The bytes received, as far as an image can hold them.
  const TTablicaByte& Obraz() const { return Bajty; }

private:
  uint16_t RozmiarBloku;
  uint32_t DlugoscObrazu;
  uint32_t Odebrane = 0;
  int PozycjaWBloku = 0;
  uint8_t Suma = 0;
  TTablicaByte Bajty;
};

}  // namespace wtrysk
