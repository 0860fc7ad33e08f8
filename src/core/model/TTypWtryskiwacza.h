#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "model/TNastawy.h"

namespace wtrysk {

class TKomunikaty;
class TOknoGlowne;
class TOknoKomunikatow;

// One kind of gas injector: its name in the injector combo, the default map autocalibration
// starts from (none for kind 0), the settings it implies and the oldest firmware that knows it.
struct TRodzajWtryskiwacza {
  std::string_view Nazwa;
  const TMapa* MapaWzorcowa;
  uint8_t CzasOtwZam;          // opening/closing time, 0.1 ms
  uint8_t CzasRozp;            // limit start time, 0.1 ms
  int ProcentWypelnienia;      // duty-cycle limit, percent
  uint8_t Wypelnienie;         // the same as a byte, Round(p x 255 / 100)
  int WymaganaWersja;          // oldest firmware that takes the kind; 0 = any
};

inline constexpr int LiczbaRodzajowWtryskiwaczy = 10;

// The kinds in the order of the injector combo; the index is the kind.
extern const std::array<TRodzajWtryskiwacza, LiczbaRodzajowWtryskiwaczy> RodzajeWtryskiwaczy;

// The current gas-injector kind and its parameters. The application keeps one for the whole
// run; every settings decode, a loaded file's range check and the user's choice in the
// injector combo overwrite it. It pushes the kind's parameters into the window's editors,
// whose change handlers then send them to the controller.
//
// Firmware version arguments: the connected controller's version, or none while no version
// handler exists.
class TTypWtryskiwacza {
public:
  // Starts at kind 0.
  TTypWtryskiwacza(TOknoGlowne& okno, TOknoKomunikatow& oknoKomunikatow, const TKomunikaty& komunikaty);

  uint8_t CzasOtwZam = 0;
  uint8_t CzasRozp = 0;
  uint8_t Wypelnienie = 0;
  const TMapa* MapaWzorcowa = nullptr;
  uint8_t Rodzaj = 0;

  // Takes the kind and its table row; a kind above 9 sets only Rodzaj and keeps the rest.
  void UstawRodzaj(uint8_t rodzaj);

  // Checks the kind against the firmware. A kind the firmware does not know is replaced by
  // MATRIX (kind 1) with message 101; the result is false then. Without a firmware version
  // nothing is checked.
  bool SprawdzRodzaj(std::optional<int> numerWersji);

  // The injector combo shows the kind (without running its change handler).
  void PokazRodzaj();
  // The editors take the kind's opening/closing time (ms), limit start time (ms) and duty
  // limit (%); each gives the keyboard focus back to the control that had it.
  void PokazCzasOtwZam();
  void PokazCzasRozp();
  void PokazWypelnienie();

  // The user picked item `pozycja` of the injector combo. The kind is checked against the
  // firmware and shown (possibly corrected), handed to `wyslij` (the combo's sender, which
  // does nothing while the send lock is set), and then its parameters go into the editors:
  // opening/closing time always, limit start time above firmware 20, duty limit above 23.
  // A position outside the list does nothing.
  void ZmianaRodzaju(int pozycja, std::optional<int> numerWersji,
                     const std::function<void(uint8_t rodzaj)>& wyslij);

  // Builds `mapa` for the current kind through the calibration point (map index, multiplier).
  // A kind with a default map copies it and shifts every cell by the amount that puts the
  // point's cell on the multiplier; kind 0 draws a falling straight line through the point.
  // Cells are limited to 0..255. The result is the last value that had to be limited, 0 when
  // none: above 255 the injector nozzles are too small, below 0 too large. An index below 10
  // is taken as 10.
  int GenerujMape(TMapa& mapa, uint8_t indeks, uint8_t mnoznik) const;

private:
  void UstawWartoscEdytora(std::string_view nazwa, double wartosc);

  TOknoGlowne& Okno;
  TOknoKomunikatow& OknoKomunikatow;
  const TKomunikaty& Komunikaty;
};

}  // namespace wtrysk
