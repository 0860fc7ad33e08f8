#pragma once

#include <memory>
#include <string>

#include "link/TPortKomunikacyjny.h"

namespace wtrysk {

class TUsbFtdi;

// The link over an FTDI USB cable, opened by the device's serial number. A receive poll runs
// every 10 ms for the whole life of the object and passes what arrived to the link engine.
class TPortUSB : public TPortKomunikacyjny {
public:
  static constexpr int OkresOdczytuMs = 10;
  static constexpr int CzasOdczytuMs = 500;
  static constexpr int CzasZapisuMs = 500;

  TPortUSB(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno, TUsbFtdi& usb,
           std::string opis, std::string numerSeryjny);
  ~TPortUSB() override;

  // Opens the device and sets the line up, then starts a connection. A device that cannot be
  // opened leaves the link closed and starts nothing. When the link is already up, the
  // device is asked whether it is still there; if it is, the connection starts afresh, if
  // it is not (the cable was pulled), nothing starts.
  void Otworz() override;
  void Zamknij() override;
  int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) override;

  const std::string& Opis() const { return OpisUrzadzenia; }
  const std::string& NumerSeryjny() const { return Numer; }

private:
  void TimerOdczytuTimer();

  TUsbFtdi& Usb;
  std::string OpisUrzadzenia;
  std::string Numer;
  std::unique_ptr<TTimer> TimerOdczytu;
};

}  // namespace wtrysk
