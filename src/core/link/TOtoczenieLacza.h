#pragma once

#include <cstdint>
#include <span>

#include "czas/TDataCzas.h"

namespace wtrysk {

// What the link engine calls out to. The application wires the receive dispatcher and the
// window behind it; tests record the calls.
class TOtoczenieLacza {
public:
  virtual ~TOtoczenieLacza() = default;

  // Every received frame whose checksum passed, in arrival order: start byte to checksum.
  // The bytes are valid only during the call.
  virtual void ObsluzRamke(std::span<const uint8_t> ramka) = 0;

  // A connection is starting, before the link is reset and identification is requested:
  // undo the previous firmware's window adjustments and clear the deviation accumulators.
  virtual void PolaczenieRozpoczete() {}

  // The link has just closed: show the disconnected state, blank the switch panel, stop the
  // deviation timer and let go of the version handler.
  virtual void LaczeZamkniete() {}
};

// The controller-history side of the send path: which commands leave the settings unchanged,
// the change warning, and recording that a change was sent.
class THistoriaLacza {
public:
  virtual ~THistoriaLacza() = default;
  virtual bool CzyKomendaBezZmian(uint8_t kod) const = 0;
  // The change warning. False means the user refused and the program is closing.
  virtual bool PotwierdzZmianeNastaw() = 0;
  virtual void ZapiszZmiane(const TDataCzas& kiedy) = 0;
};

// The codes that never change the controller's settings: live data, fuel switch,
// identification and the two history-area commands.
constexpr bool CzyKomendaBezZmianDomyslnie(uint8_t kod) {
  return kod == 1 || kod == 3 || kod == 12 || kod == 59 || kod == 60;
}

}  // namespace wtrysk
