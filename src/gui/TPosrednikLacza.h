#pragma once

#include <functional>

#include "link/TOtoczenieLacza.h"

namespace wtrysk {

// Stands between a port and the receive dispatcher: everything goes on to the dispatcher, and
// the window hears of each connection start first (the live view's once-per-connection state).
class TPosrednikLacza : public TOtoczenieLacza {
public:
  explicit TPosrednikLacza(TOtoczenieLacza& cel) : Cel(cel) {}

  std::function<void()> PrzyPolaczeniu;

  void ObsluzRamke(std::span<const uint8_t> ramka) override { Cel.ObsluzRamke(ramka); }
  void PolaczenieRozpoczete() override {
    if (PrzyPolaczeniu) PrzyPolaczeniu();
    Cel.PolaczenieRozpoczete();
  }
  void LaczeZamkniete() override { Cel.LaczeZamkniete(); }

private:
  TOtoczenieLacza& Cel;
};

}  // namespace wtrysk
