#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace wtrysk {

// What the history object needs from the rest of the program: the connected firmware, the
// link, and the window's change warning. The application wires these; tests record them.
class TOtoczenieHistorii {
public:
  virtual ~TOtoczenieHistorii() = default;

  // The firmware version the current version handler serves; none while no controller is
  // identified.
  virtual std::optional<int> WersjaFirmware() const = 0;
  virtual void WyslijKomende(uint8_t kod, std::span<const uint8_t> dane) = 0;
  // The modal change warning ("Ostrzeżenie"); true when the fitter pressed OK.
  virtual bool PokazOstrzezenieZmianyNastaw() = 0;
  // The fitter refused the warning: the main window closes and the program ends.
  virtual void ZamknijProgram() = 0;
  // The working area was replaced by the controller's answer; an open information dialog
  // shows it again.
  virtual void ObszarOdswiezony() {}
};

}  // namespace wtrysk
