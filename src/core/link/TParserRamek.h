#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace wtrysk {

// Assembles received bytes into frames: 0xAA, 2-byte big-endian total length, response code,
// payload, checksum (sum of all earlier bytes modulo 256). Bytes before a start byte are
// skipped; there is no time-out between bytes, so a corrupted length makes the parser wait
// for that many bytes. A declared length below 4 cannot even hold a checksum after the header: such a
// header is dropped and the search for a start byte begins again with the next byte.
class TParserRamek {
public:
  enum class TWynik { Niepelna, Poprawna, BlednaSuma };

  TParserRamek();

  // Takes one byte. On Poprawna the frame is in Ramka() until ZerujRamke; on BlednaSuma
  // the frame has already been dropped.
  TWynik PodajBajt(uint8_t b) {
    if (LicznikOdbioru == 0 && b != 0xAA) return TWynik::Niepelna;
    if (LicznikOdbioru + 1u < DlugoscRamki) SumaOdbioru = static_cast<uint8_t>(SumaOdbioru + b);
    BuforOdbioru[LicznikOdbioru] = b;
    if (LicznikOdbioru == 1) {
      AkumulatorDlugosci = static_cast<uint16_t>(b << 8);
    } else if (LicznikOdbioru == 2) {
      DlugoscRamki = static_cast<uint16_t>(AkumulatorDlugosci + b);
      AkumulatorDlugosci = 0;
      if (DlugoscRamki < DlugoscMinimalna) {
        ZerujRamke();
        return TWynik::Niepelna;
      }
    }
    ++LicznikOdbioru;
    if (LicznikOdbioru < DlugoscRamki || LicznikOdbioru < 3u) return TWynik::Niepelna;
    if (BuforOdbioru[DlugoscRamki - 1u] == SumaOdbioru) return TWynik::Poprawna;
    ZerujRamke();
    return TWynik::BlednaSuma;
  }

  // The complete frame, start byte to checksum; valid after PodajBajt returned Poprawna.
  std::span<const uint8_t> Ramka() const { return {BuforOdbioru.data(), DlugoscRamki}; }

  // Forgets the frame in progress or the completed one.
  void ZerujRamke() {
    LicznikOdbioru = 0;
    SumaOdbioru = 0;
    DlugoscRamki = DlugoscDomyslna;
    AkumulatorDlugosci = 0;
  }

  int Licznik() const { return static_cast<int>(LicznikOdbioru); }

  static constexpr uint16_t DlugoscMinimalna = 4;

private:
  // Until the length bytes are in, the frame counts as 5 bytes long, so bytes 0 to 2 always
  // go into the sum.
  static constexpr uint16_t DlugoscDomyslna = 5;

  std::vector<uint8_t> BuforOdbioru;  // room for the longest frame a 16-bit length allows
  uint32_t LicznikOdbioru = 0;
  uint16_t DlugoscRamki = DlugoscDomyslna;
  uint16_t AkumulatorDlugosci = 0;
  uint8_t SumaOdbioru = 0;
};

}  // namespace wtrysk
