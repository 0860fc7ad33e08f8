#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "czas/TSerwisCzasu.h"
#include "model/TDaneBiezace.h"

namespace wtrysk {

// How the fuel LED of the switch panel is to be driven: steadily on or off (interval 0), or
// blinking with this half-period.
struct TMiganieLedPaliwa {
  bool Wlaczona = false;
  int InterwalMs = 0;
  friend bool operator==(const TMiganieLedPaliwa&, const TMiganieLedPaliwa&) = default;
};

inline constexpr int MiganieWolneMs = 250;
inline constexpr int MiganieSzybkieMs = 125;

// The fuel LED for the live readings. With the ignition off it is dark. Otherwise, without
// fast blinking: on gas steadily lit, on petrol blinking every 250 ms when the blink flag is
// set, else dark; with fast blinking: blinking every 125 ms when the blink flag is set, else dark.
TMiganieLedPaliwa MiganieLedPaliwa(const TDaneBiezace& d);

// The five LEDs of the gas level: reserve, then LED 1 to 4.
using TLedyPoziomu = std::array<bool, 5>;

// The level LEDs for the live readings. They show the level only while the ignition is on and
// the engine runs on gas or the fuel LED blinks: level 0 lights the reserve LED alone, levels
// 1 to 4 light LED 1 up to that LED. A level above 4 leaves the LEDs as they are (none).
// In every other case all five are dark.
std::optional<TLedyPoziomu> LedyPoziomu(const TDaneBiezace& d);

// The fuel LED's state and its blink timer. The display is told every change through
// PoZmianie.
class TLedPaliwa {
public:
  explicit TLedPaliwa(TSerwisCzasu& czas);

  // On, or an interval of 0: the blinking stops and the LED takes "on". Otherwise the LED
  // toggles every interval; asking again for the interval that already runs keeps its count,
  // so ten live frames a second do not hold the blinking still.
  void UstawMiganie(bool wlaczona, int interwalMs);
  void UstawMiganie(const TMiganieLedPaliwa& m) { UstawMiganie(m.Wlaczona, m.InterwalMs); }

  bool StanLedPaliwa() const { return Stan; }
  bool Miga() const { return Timer && Timer->Wlaczony(); }
  int InterwalMs() const { return Interwal; }

  std::function<void(bool swieci)> PoZmianie;

private:
  void Ustaw(bool swieci);

  TSerwisCzasu& Czas;
  std::unique_ptr<TTimer> Timer;
  int Interwal = 0;
  bool Stan = false;
};

}  // namespace wtrysk
