#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace wtrysk {

// Reads a received frame the way every decoder does: the position names the last byte
// consumed and moves on by one before each read. The view ends before the checksum, and a
// read past its end gives 0 instead of touching memory that was not received; decoders check
// Pozostalo() against their layout first, so that never decides a value.
class TCzytnikRamki {
public:
  // `ramka` is the whole frame, start byte to checksum; `poz` the position of the last byte
  // already consumed (3, the response code, for a live frame).
  TCzytnikRamki(std::span<const uint8_t> ramka, int poz)
      : Bajty(ramka.first(ramka.empty() ? 0 : ramka.size() - 1)), Poz(poz) {}

  uint8_t Bajt() {
    ++Poz;
    return Poz >= 0 && static_cast<std::size_t>(Poz) < Bajty.size() ? Bajty[static_cast<std::size_t>(Poz)] : 0;
  }
  uint16_t SlowoStarszyPierwszy() {
    const uint16_t h = Bajt();
    return static_cast<uint16_t>(h << 8 | Bajt());
  }
  uint16_t SlowoMlodszyPierwszy() {
    const uint16_t l = Bajt();
    return static_cast<uint16_t>(Bajt() << 8 | l);
  }
  uint32_t TrzyBajtyStarszyPierwszy() {
    uint32_t w = Bajt();
    w = w << 8 | Bajt();
    return w << 8 | Bajt();
  }

  int Pozycja() const { return Poz; }
  // Bytes still to be read before the checksum.
  std::size_t Pozostalo() const {
    const auto nastepny = static_cast<std::size_t>(Poz + 1);
    return nastepny < Bajty.size() ? Bajty.size() - nastepny : 0;
  }

private:
  std::span<const uint8_t> Bajty;
  int Poz;
};

}  // namespace wtrysk
