#pragma once

#include <array>
#include <cstdint>

namespace wtrysk {

// The live readings of the engine and the gas system, refreshed from every live-data frame.
// Values are kept as the controller scales them and converted only for display. A field that
// the connected firmware does not send keeps its last value (zero at start).
struct TDaneBiezace {
  bool Stacyjka = false;        // ignition on
  bool NaGazie = false;         // engine runs on gas
  bool MiganieLed = false;      // fuel LED blinks (meaningful only while not on gas)
  bool MiganieSzybkie = false;  // fast blinking (meaningful only while not on gas)
  bool ZmianaStanu = false;     // ignition / fuel state changed; cleared when the status bar draws it
  std::array<uint16_t, 8> CzasWtryskuBenzyny{};  // per cylinder, 0.1 ms
  uint32_t CzasWtryskuGazu = 0;                  // 1 microsecond
  uint8_t Obroty = 0;                            // 100 rpm
  uint16_t NapiecieLambda1 = 0;                  // 0.01 V
  uint16_t NapiecieLambda2 = 0;                  // 0.01 V
  uint16_t CisnienieGazu = 0;                    // 0.01 bar
  uint16_t CisnienieKolektora = 0;               // 0.01 bar
  uint8_t AktywneWtryskiwacze = 0;               // bit 0 = gas injector 1
  uint8_t AktualnyMnoznik = 0;
  uint16_t NapiecieZasilania = 0;                // 0.01 V
  uint8_t CzujnikPoziomu = 0;                    // raw level-sensor byte, volts = b x 5 / 255
  uint8_t PoziomGazuLed = 0;                     // level LEDs lit, 0..4
  int8_t TempReduktora = 0;                      // degrees C
  int8_t TempGazu = 0;                           // degrees C
  std::array<uint8_t, 4> BledyBiezace{};         // active low error masks
  bool PunktOdchylki1 = false;                   // controller asks for a deviation point, series 1
  bool PunktOdchylki2 = false;                   // the same for series 2
  std::array<uint8_t, 16> Blok16{};              // the controller's serial number block
};

}  // namespace wtrysk
