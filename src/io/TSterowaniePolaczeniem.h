#pragma once

#include <functional>
#include <memory>

#include "link/TPortKomunikacyjny.h"

namespace wtrysk {

class TKomunikaty;
class TListaPortow;
class TOknoKomunikatow;
class TSerwisCzasu;
struct TWpisPortu;

// Owns the one port object and connects, disconnects and switches ports as the user asks.
// The window calls it from the Port menu; start-up calls UstawPort with the saved tag.
class TSterowaniePolaczeniem {
public:
  // Hooks a new port up before it opens: the receive dispatcher, the window and the
  // controller history (UstawOtoczenie, UstawHistorie).
  using TPodlaczPort = std::function<void(TPortKomunikacyjny& port)>;

  TSterowaniePolaczeniem(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno,
                         TListaPortow& lista, TPodlaczPort podlacz);
  ~TSterowaniePolaczeniem();
  TSterowaniePolaczeniem(const TSterowaniePolaczeniem&) = delete;
  TSterowaniePolaczeniem& operator=(const TSterowaniePolaczeniem&) = delete;

  // The click on a port entry.
  void WybierzPortZMenu(const TWpisPortu& wpis);
  // Chooses the port with this tag: the previous port is closed and freed, the entry is
  // checked, and a tag below 100 makes a serial port with that COM number, a tag from 100 to
  // 255 the FTDI device at index tag - 100 of the list. The new port opens at once. A tag
  // that names nothing (no such device, a COM number below 1) leaves no port.
  void UstawPort(int znacznik);
  // "Połącz" (and a click on the status bar): opens the current port, if there is one.
  void PolaczClick();
  // "Rozłącz": closes the current port, if there is one.
  void RozlaczClick();

  // The current port, or none.
  TPortKomunikacyjny* PortKomunikacyjny() const { return Port.get(); }

  // Runs right after the current port was freed (another port chosen, or this object going),
  // so that whoever was wired to it lets go of it: the controller history, for one, may want
  // to send seconds later.
  std::function<void()> PortZwolniony;

private:
  std::unique_ptr<TPortKomunikacyjny> UtworzPort(int znacznik);
  void ZwolnijPort();

  TSerwisCzasu& Czas;
  const TKomunikaty& Komunikaty;
  TOknoKomunikatow& Okno;
  TListaPortow& Lista;
  TPodlaczPort Podlacz;
  std::unique_ptr<TPortKomunikacyjny> Port;
};

}  // namespace wtrysk
