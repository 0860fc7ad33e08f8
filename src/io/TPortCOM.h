#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/TPortKomunikacyjny.h"

class QObject;
class QSerialPort;

namespace wtrysk {

// The link over a serial port: 9600 baud, 8 data bits, no parity, one stop bit, no flow
// control, RTS held on and DTR not raised. The port is named by its COM number; the device
// behind the number is looked up at every opening, so a port that moved since the menu was
// built is still found.
class TPortCOM : public TPortKomunikacyjny {
public:
  static constexpr int NajwyzszyNumer = 32;
  static constexpr int Predkosc = 9600;

  // The device path behind a COM number, or nothing when no such port exists now.
  using TSciezkaPortu = std::function<std::optional<std::string>(int numer)>;

  // A number above 32 opens COM32; a number below 1 names no port, and opening it fails.
  TPortCOM(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno, int numer,
           TSciezkaPortu sciezkaPortu);
  ~TPortCOM() override;

  // Opens the device unless the link is already up, then starts a connection. A device that
  // cannot be opened is not reported here: the first send tick finds the port closed and
  // closes the link with message 18.
  void Otworz() override;
  void Zamknij() override;
  // The bytes go to the port's output buffer; 0 when the port is not open.
  int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) override;

  // The COM number this object opens (1 to 32), 0 for none.
  int NumerPortu() const { return Numer; }
  static int NumerDoOtwarcia(int numer);
  // The device is open.
  bool Otwarty() const;
  // The device path of the last opening attempt.
  const std::string& Sciezka() const { return SciezkaOtwarta; }

private:
  struct TUsunPozniej {
    void operator()(QSerialPort* port) const;
  };

  void Odebrano();
  void BladPortu(int blad);

  int Numer;
  TSciezkaPortu SciezkaPortu;
  std::string SciezkaOtwarta;
  // Context of every signal connection and deferred call: it goes with this object, so no
  // call reaches a port object that is gone.
  std::unique_ptr<QObject> Straznik;
  std::unique_ptr<QSerialPort, TUsunPozniej> Port;
  bool AwariaZgloszona = false;
};

}  // namespace wtrysk
