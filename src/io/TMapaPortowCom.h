#pragma once

#include <optional>
#include <string>
#include <vector>

#include "io/UrzadzeniaSzeregowe.h"

namespace wtrysk {

// Serial ports are chosen by COM number. On Windows the numbers are the system's own, read
// from the registry (HARDWARE\DEVICEMAP\SERIALCOMM). Linux has no such numbers, so this class
// gives them out:
//
//   Virtual ports. Every symbolic link named COM<N> (N from 1 to 99, no leading zero) in the
//   folder "porty" of the program's data folder (see FolderDanychProgramu) is port COM<N>,
//   opening whatever the link points at: a pseudo-terminal of the controller simulator, a
//   socat end, a USB adapter under a fixed udev name. A link whose target is gone gives no
//   port. The number is the link's own and nothing else takes it.
//
//   System devices. Every serial device the system reports (ttyS, ttyUSB, ttyACM ...) is a
//   port too. Its number is kept in the file "porty/numery.txt", one line per device: the
//   number, a tab and the device's identity (its name under /dev/serial/by-id, else its USB
//   serial number, else its path). A device seen for the first time takes the lowest number
//   from 1 to 32 that no virtual port, no present device and no remembered device holds; when
//   none is left, a number remembered for a device that is not attached now is reused. So a
//   device keeps its number when it is unplugged and plugged back, moved to another USB
//   socket, or the PC restarts. A device that a virtual port points at is shown only as
//   that virtual port. A vanished device simply has no port; its number stays reserved.
//
// The file may be edited by hand to give a device another number (lines starting with "#"
// are comments). Every call looks afresh: the folder, the devices and the file.
struct TPortCom {
  int Numer = 0;
  std::string Nazwa;      // "COM3"
  std::string Sciezka;    // the device to open
  bool Wirtualny = false;
  std::string Tozsamosc;  // of a system device: the identity its number is kept under
};

enum class TBladRejestracji {
  Brak,
  ZlaSciezka,         // no such device
  NumerPozaZakresem,  // only 1 to 32 can be opened
  NumerZajety,
  BrakWolnegoNumeru,
  BladSystemu,        // the folder or the link could not be made
  NieObslugiwane,     // Windows: its COM numbers are the system's
};

struct TWynikRejestracji {
  int Numer = 0;
  TBladRejestracji Blad = TBladRejestracji::Brak;
  std::string Opis;  // what went wrong, in a sentence
  bool Udana() const { return Blad == TBladRejestracji::Brak; }
};

class TMapaPortowCom {
public:
  static constexpr int NajwyzszyNumer = 32;      // numbers given out; a port above opens COM32
  static constexpr int NajwyzszyNumerNazwy = 99;  // tags from 100 on belong to USB devices

  explicit TMapaPortowCom(std::string folderDanych, TWyliczanieUrzadzen urzadzenia = UrzadzeniaSzeregoweSystemu);

  // The ports there are now, by number (Windows: in the registry's order). New devices get
  // their numbers here.
  std::vector<TPortCom> Porty();
  // The device behind COM<numer> now.
  std::optional<std::string> SciezkaPortu(int numer);

  // Makes COM<numer> a virtual port opening sciezkaUrzadzenia; numer 0 takes the lowest free
  // number. A number held by a live virtual port or by an attached device is refused. A
  // link left behind by a program that died (its target gone) is replaced.
  TWynikRejestracji ZarejestrujPortWirtualny(const std::string& sciezkaUrzadzenia, int numer = 0);
  // Removes the virtual port COM<numer>; with sciezkaUrzadzenia, only if it still points
  // there (so a number taken over by someone else is left alone). True when it was removed.
  bool UsunPortWirtualny(int numer, const std::string& sciezkaUrzadzenia = {});

  std::string FolderPortow() const;
  std::string PlikNumerow() const;

private:
  struct TPrzydzial {
    int Numer;
    std::string Tozsamosc;
  };

  std::vector<TPortCom> PortyWirtualne() const;
  void WczytajNumery();
  void ZapiszNumery() const;
  bool CzyZapamietany(int numer) const;

  std::string Folder;
  TWyliczanieUrzadzen Urzadzenia;
  // The numbers of the file, in the file's order; kept between calls in case the file
  // cannot be written.
  std::vector<TPrzydzial> Przydzial;
};

// The number in a port name "COM<N>" with N from 1 to 99 written without a leading zero; 0
// for any other name.
int NumerZNazwyPortu(const std::string& nazwa);

}  // namespace wtrysk
