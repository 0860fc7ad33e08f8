#pragma once

#include <functional>
#include <string>
#include <vector>

namespace wtrysk {

class TKomunikaty;
class TMapaPortowCom;
class TUsbFtdi;

// One entry of the Port menu after the fixed "Połącz" and "Rozłącz".
struct TWpisPortu {
  std::string Podpis;  // "COM3" (message 98 and the number), "USB-" and the device description
  int Znacznik = 0;    // the COM number, or 100 + the index of the FTDI device
  bool Zaznaczony = false;

  friend bool operator==(const TWpisPortu&, const TWpisPortu&) = default;
};

// The list of ports the user chooses from: the serial ports and the attached FTDI devices.
// The window rebuilds its Port menu from Wpisy whenever OdswiezListePortow says it changed.
class TListaPortow {
public:
  static constexpr int PierwszyZnacznikUsb = 100;
  static constexpr int OstatniZnacznikUsb = 255;
  static constexpr std::size_t DlugoscOpisu = 64;
  static constexpr std::size_t DlugoscNumeru = 16;

  TListaPortow(const TKomunikaty& komunikaty, TMapaPortowCom& mapa, TUsbFtdi& usb);

  // Looks at the ports again; true when the entries were rebuilt. They are rebuilt when wymus
  // is set (a language change renames them) or when the serial port names or the FTDI
  // device descriptions changed, count or text, in order. A device swapped for another with
  // the same description leaves the entries as they are, but its serial number is taken in,
  // so choosing the entry opens the device that is there.
  bool OdswiezListePortow(bool wymus);

  // When set, a refresh that is not forced first asks this for a fingerprint of the devices
  // (SygnaturaUrzadzen) and, when it is the one of the last scan, reports no change without
  // scanning. The window and the command-line tool set it; tests leave it empty.
  std::function<std::string()> Sygnatura;

  const std::vector<TWpisPortu>& Wpisy() const { return WpisyMenu; }

  // The tag of the chosen port; the entry carrying it is checked, every other one is not.
  int WybranyPort() const { return Wybrany; }
  void UstawWybranyPort(int znacznik);

  const std::vector<std::string>& ListaPortowCOM() const { return PortyCOM; }
  const std::vector<std::string>& ListaUsbOpisy() const { return UsbOpisy; }
  const std::vector<std::string>& ListaUsbNumery() const { return UsbNumery; }

  TMapaPortowCom& Mapa() { return MapaPortow; }
  TUsbFtdi& Usb() { return UsbFtdi; }

private:
  void Przebuduj();

  const TKomunikaty& Komunikaty;
  TMapaPortowCom& MapaPortow;
  TUsbFtdi& UsbFtdi;
  std::vector<TWpisPortu> WpisyMenu;
  int Wybrany = 0;
  std::vector<std::string> PortyCOM;
  std::vector<std::string> UsbOpisy;
  std::vector<std::string> UsbNumery;
  std::string OstatniaSygnatura;
  bool PoSkanowaniu = false;
};

}  // namespace wtrysk
