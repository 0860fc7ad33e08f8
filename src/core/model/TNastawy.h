#pragma once

#include <array>
#include <cstdint>

namespace wtrysk {

// The petrol/gas map: cell k holds the multiplier (x 0.01) for petrol injection time
// (k + 10) x 0.1 ms, so the cells cover 1.0 ms to 25.5 ms. Frames and the map code address a
// cell by its time index i = k + 10.
inline constexpr int LiczbaKomorekMapy = 246;
inline constexpr int PierwszyIndeksMapy = 10;
inline constexpr int OstatniIndeksMapy = 255;
using TMapa = std::array<uint8_t, LiczbaKomorekMapy>;
using TKorektaMapy = std::array<int8_t, LiczbaKomorekMapy>;

// The controller's settings block, in the order the settings files and the version handlers
// know it. The comment after a field gives its unit or meaning and the first firmware that has
// it where that is not every firmware.
struct TNastawy {
  uint8_t IloscCylNaCewke = 0;          // index into the cylinders-per-coil list
  uint8_t IloscCylindrow = 0;           // index into the cylinder-count list
  uint8_t ProgPrzelaczenia = 0;         // switch-over engine speed, 100 rpm
  uint16_t MaxObroty = 0;               // highest engine speed on gas, 100 rpm
  uint16_t CisnienieRobocze = 0;        // working gas pressure, 0.01 bar
  uint16_t KalibCzasWtrysku = 0;        // calibration point: injection-time index
  uint16_t KalibMnoznik = 0;            // calibration point: multiplier
  uint8_t KalibTempGazu = 0;            // gas temperature at calibration, degrees C
  uint16_t CisnienieMinimalne = 0;      // minimum gas pressure, 0.01 bar
  uint8_t CzasBleduCisnienia = 0;       // pressure-error time, 10 ms
  uint8_t CzasWylaczeniaPrzyBledzie = 0;  // injectors off after a pressure error, 10 ms (20 on)
  uint8_t CzasPrzelaczenia = 0;         // switch-over delay, 0.5 s (up to 21)
  uint8_t CzasPrzelCylindra = 0;        // delay between successive cylinders, 10 ms
  uint8_t CzasOtwZamWtr = 0;            // gas injector opening/closing time, 0.1 ms
  uint8_t CzasRozpOgraniczenia = 0;     // limit start time, 0.1 ms (21 on)
  uint8_t TypWtryskiwacza = 0;          // gas injector kind 0..9 (17 on)
  TMapa Mapa{};
  TKorektaMapy KorektaMapy{};           // percent of each cell still to pass to the controller
  std::array<uint8_t, 4> ProgiPoziomu{};  // level-LED thresholds, element j for LED j + 1
  uint8_t RodzajCzujnikaPoziomu = 0;    // level-sensor kind 0..3
  uint8_t CzujnikTempReduktora = 0;     // list index
  uint8_t CzujnikTempGazu = 0;          // list index
  uint8_t CzujnikCisnienia = 0;         // list index
  uint8_t CzujnikCisKolektora = 0;      // list index (17 on)
  uint8_t Flagi = 0;                    // option bits, see FlagiBit
  uint8_t Flagi2 = 0;                   // option bits, see Flagi2Bit (20 on)
  uint8_t TempPrzelaczenia = 0;         // switch-over temperature, degrees C
  bool NastawyOdebrane = false;         // the settings of an identification have been decoded
  std::array<uint8_t, 10> ZakresMapy1{};  // petrol-time points, 0.1 ms; stored and sent only
  std::array<uint8_t, 10> ZakresMapy2{};  // map nodes, 0.1 ms; 0 = no node
  uint16_t CzasPrzelaczenia16 = 0;      // switch-over delay, 0.5 s (23 on)
  std::array<uint8_t, 8> KorekcjaWtryskiwacza{};  // per injector, 128 = 0 % (24 on)
  uint8_t MinObrotyLPG = 0;             // lowest engine speed for gas, 100 rpm (24 on)
  int8_t MinTempGazu = 0;               // lowest gas temperature, degrees C (24 on)
  uint8_t WypelnienieOgraniczenia = 0;  // duty-cycle limit byte, 255 = 100 % (24 on)
  uint8_t TypSondyLambda = 0;           // lambda probe type 0..2 (24 on)
  uint8_t ProgDetekcjiObrotow = 0;      // rpm detection threshold, volts = b x 15 / 255 (24 on)
};

// Bits of TNastawy::Flagi. A set bit selects the second item of its control's list or checks
// its box. Bits 2 and 4 have no meaning to the program and are carried unchanged.
namespace FlagiBit {
inline constexpr uint8_t WtryskiwaczDawny = 1 << 0;  // up to 16 the injector kind itself
inline constexpr uint8_t SygnalObrotow12V = 1 << 1;
inline constexpr uint8_t SilnikTurbo = 1 << 3;
inline constexpr uint8_t SygnalCiagly = 1 << 5;        // 18 on
inline constexpr uint8_t MapaZablokowana = 1 << 6;     // 18 on
inline constexpr uint8_t WtrBenzSterPlusem = 1 << 7;   // 19 on
}  // namespace FlagiBit

// Bits of TNastawy::Flagi2.
namespace Flagi2Bit {
inline constexpr uint8_t WylaczDlaPierwszegoBledu = 1 << 0;  // 20 on
inline constexpr uint8_t PaliwoCNG = 1 << 1;                 // 23 on; clear = LPG
inline constexpr uint8_t WtryskRenix = 1 << 2;               // 24 on; clear = Standard
}  // namespace Flagi2Bit

// Fills every field with the factory default, so that fields a settings file does not carry
// have defined values.
void NastawyDomyslne(TNastawy& nastawy);

}  // namespace wtrysk
