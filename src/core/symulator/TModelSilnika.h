#pragma once

#include <cstdint>

#include "model/TNastawy.h"
#include "symulator/TLosowe.h"
#include "symulator/UkladyRamek.h"

namespace wtrysk {

// How the simulated car behaves.
struct TParametrySilnika {
  int8_t TempPoczatkowa = 20;          // reducer and gas at the start, degrees C
  double OgrzewanieReduktora = 2.0;    // degrees C per second while the engine runs
  int8_t TempReduktoraMaks = 75;       // where the coolant holds the reducer
  uint8_t MnoznikIdealny = 120;        // the multiplier at which gas matches petrol at idle
  uint16_t CzasWtryskuJalowy = 30;     // petrol injection time at idle, 0.1 ms
  int ObrotyJalowe = 800;              // rpm
  double Zbiornik = 0.6;               // tank fill, 0..1
};

// A small model of an idling engine with a gas system, stepped by the controller's clock:
// the reducer warms up, the controller switches to gas cylinder by cylinder once it is warm,
// the engine's own controller stretches the petrol time when the gas multiplier is off, and
// an idle calibration lets the multiplier settle where petrol and gas agree. All noise comes
// from the generator it is given, so a seed repeats a run exactly.
class TModelSilnika {
public:
  TModelSilnika(const TParametrySilnika& parametry, TLosowe& los);

  // Advances the model by `ms` under the controller's settings.
  void Krok(int ms, const TNastawy& n, int uklad);

  // The readings now; errors and deviation flags are the controller's to fill in.
  const TOdczytySterownika& Odczyty() const { return Stan; }

  // Ignition on and the engine idling (true), or both off.
  void UstawPrace(bool pracuje);
  bool Pracuje() const { return Dziala; }

  // Command 3: run on gas with the injectors of `maska`, or on petrol. A fuel chosen by hand
  // stays until the next choice or restart; the automatic switch-over does not override it.
  void PrzelaczPaliwo(bool gaz, uint8_t maska);

  // Idle calibration: while it runs the multiplier is the calibration's own and moves, one
  // step per tick on gas, to where the petrol time returns to its band.
  void StartKalibracji(uint8_t mnoznik);
  void UstawMnoznikKalibracji(uint8_t mnoznik);
  void StopKalibracji();
  bool KalibracjaTrwa() const { return Kalibracja; }

  // The controller restarts: back on petrol, waiting for the switch-over again.
  void Restart();

  // Half-seconds of running on petrol and on gas since the last call.
  uint32_t PobierzPolsekundyBenzyny();
  uint32_t PobierzPolsekundyGazu();

private:
  enum class TFaza { Oczekiwanie, Opoznienie, Gaz, RecznieGaz, RecznieBenzyna };

  void PrzeliczPaliwo(int ms, const TNastawy& n, int uklad);
  void PrzeliczWtryski(const TNastawy& n);
  void PrzeliczPoziom(const TNastawy& n);
  uint8_t MnoznikMapy(const TNastawy& n) const;

  TParametrySilnika Parametry;
  TLosowe& Los;
  TOdczytySterownika Stan;

  bool Dziala = true;
  TFaza Faza = TFaza::Oczekiwanie;
  int CzasFazyMs = 0;
  uint8_t MaskaReczna = 0xFF;
  bool Kalibracja = false;
  uint8_t MnoznikKalibracji = 128;

  int64_t TempReduktoraMili;  // thousandths of a degree, so warming adds up exactly
  int64_t TempGazuMili;
  double Zbiornik;
  double FazaLambdy = 0.0;
  int AkumulatorPracyMs = 0;
  uint32_t PolsekundyBenzyny = 0;
  uint32_t PolsekundyGazu = 0;
};

// Cylinders of the engine for the cylinder-count setting: 3 to 8, then the two motorbikes.
int LiczbaCylindrow(uint8_t iloscCylindrow);

}  // namespace wtrysk
