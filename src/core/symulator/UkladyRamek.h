#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "link/Ramka.h"
#include "model/TDaneBiezace.h"
#include "symulator/TPamiecSterownika.h"

namespace wtrysk {

// The bytes a controller of a given layout (UkladFirmware) sends, built from its own state.
// These encoders are written from the frame layouts alone and share nothing with the
// program's decoders, so a round trip through both catches a mistake on either side.

// The readings one live frame reports, in the units the controller measures them.
struct TOdczytySterownika {
  bool Stacyjka = false;
  bool NaGazie = false;
  bool MiganieLed = false;
  bool MiganieSzybkie = false;
  std::array<uint16_t, 8> CzasWtryskuBenzyny{};  // 0.1 ms
  uint32_t CzasWtryskuGazu = 0;                  // microseconds, 24 bits on the wire
  uint8_t Obroty = 0;                            // 100 rpm
  uint8_t Lambda1 = 0;                           // raw probe bytes, 5 V = 255
  uint8_t Lambda2 = 0;
  uint16_t CisnienieGazu = 0;                    // 0.01 bar
  uint16_t CisnienieKolektora = 0;               // 0.01 bar
  uint8_t AktywneWtryskiwacze = 0;               // bit 0 = injector 1
  uint8_t MaskaWtryskiwaczy = 0xFF;
  uint8_t AktualnyMnoznik = 0;
  uint8_t Zasilanie = 0;                         // raw supply byte
  uint8_t CzujnikPoziomu = 0;
  uint8_t PoziomGazuLed = 0;
  int8_t TempReduktora = 0;
  int8_t TempGazu = 0;
  std::array<uint8_t, 4> Bledy{0xFF, 0xFF, 0xFF, 0xFF};  // E0..E3, active low
  bool PunktOdchylki1 = false;
  bool PunktOdchylki2 = false;
};

// One block of the two pressure tables: a start pressure and, for petrol (row 0) and gas
// (row 1), the injection time index seen at each of the five pressures from there (0 = none).
struct TBlokTablic {
  uint8_t Start = 0;
  std::array<std::array<uint8_t, 5>, 2> Wartosci{};
};

// Which readings a layout's live frame carries at all.
struct TPolaDanychBiezacych {
  std::size_t Dlugosc;          // payload bytes
  int Cylindry;                 // petrol times of cylinders 1..Cylindry
  bool AktywneWtryskiwacze;
  bool Tablice;
  bool Odchylki;                // deviation flags
  bool BledyE1E3;
  bool Maska;
  bool Lambda2;
  bool PelnyE2;                 // E2 as it is; older layouts drop its injectors 7 and 8
};
TPolaDanychBiezacych PolaDanychBiezacych(int uklad);

// The payload of a live frame (answer 1).
TTablicaByte DaneBiezaceRamki(const TOdczytySterownika& o, const TBlokTablic& t, int uklad);

// The readings as the PC holds them after decoding that frame: the conversions of the wire
// applied (probe and supply volts in 0.01 V, one-byte pressures capped, E1 and E3 reported as
// clear where the layout has no room for them). Readings the layout does not carry keep the
// controller's value.
TDaneBiezace DaneJakOdczytane(const TOdczytySterownika& o, int uklad);

// Bytes 4 to 15 of the identification frame; the update loader reports the first four.
TTablicaByte NaglowekIdentyfikacji(const TNaglowekSterownika& n);

// The settings bytes of the identification frame: reset count, voltages, active injectors,
// the settings and the map with the controller's corrections.
TTablicaByte BajtyNastaw(const TPamiecSterownika& p, uint8_t aktywneWtryskiwacze, int uklad);

// The 40-byte registered-error log: whole entries in order, the rest 0xFF (no entry). Up to
// layout 20 an injector mask travels shifted left by two (injectors 7 and 8 have no room).
std::array<uint8_t, DlugoscRejestruBledow> BajtyRejestruBledow(std::span<const TWpisBledu> wpisy, int uklad);

// The history area in the order it travels: positions 1 to 254, then position 0.
TTablicaByte ObszarNaLinii(const TObszarSterownika& obszar);

// The whole payload of an identification frame (answers 12 and 38).
TTablicaByte DaneIdentyfikacji(const TNaglowekSterownika& n, const TPamiecSterownika& p,
                               uint8_t aktywneWtryskiwacze, int uklad);

// A settings image (command 26) back into the settings and the controller's corrections.
// False, and nothing changed, when its length is not that of the layout.
bool WczytajObrazNastaw(std::span<const uint8_t> obraz, int uklad, TNastawy& n, TKorektySterownika& korekty);

// The controller's correction of one cell from a pending correction in percent (command 6).
uint8_t KorektaZProcentu(int8_t procent, uint8_t komorka, int uklad);

// Map cell k as the PC shows it once the controller's correction of that cell is folded in.
uint8_t KomorkaZKorekta(uint8_t komorka, uint8_t korekta, int uklad);

}  // namespace wtrysk
