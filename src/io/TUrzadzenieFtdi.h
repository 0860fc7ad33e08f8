#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wtrysk {

// One attached FTDI device as the device list shows it.
struct TWezelUrzadzeniaUsb {
  uint32_t Flagi = 0;
  uint32_t Typ = 0;
  uint32_t Id = 0;             // vendor ID << 16 | product ID
  uint32_t IdLokalizacji = 0;  // bus << 8 | address
  std::string NumerSeryjny;    // empty when the device could not be asked
  std::string Opis;
};

// The FTDI calls the wrapper needs, one libftdi call or a short sequence of them each. Every
// result is libftdi's own code: 0 or a count on success, negative on failure (see
// StatusZLibftdi). The program uses the libftdi implementation; tests use a fake device.
class TUrzadzenieFtdi {
public:
  virtual ~TUrzadzenieFtdi() = default;

  // Opens the device with this serial number (codes of ftdi_usb_open_desc).
  virtual int Otworz(const std::string& numerSeryjny) = 0;
  // Closes the open device; closing with none open succeeds.
  virtual int Zamknij() = 0;
  // What the device has received, up to rozmiar bytes, without waiting for more: the byte
  // count, 0 when nothing is there (codes of ftdi_read_data).
  virtual int Czytaj(uint8_t* bufor, int rozmiar) = 0;
  // The byte count written (codes of ftdi_write_data).
  virtual int Pisz(const uint8_t* bajty, int liczba) = 0;
  virtual int Resetuj() = 0;
  virtual int UstawPredkosc(int predkosc) = 0;
  // Data bits 7 or 8; stop bits 0 (one), 1 (one and a half), 2 (two); parity 0 none, 1 odd,
  // 2 even, 3 mark, 4 space.
  virtual int UstawZnak(int bityDanych, int bityStopu, int parzystosc) = 0;
  // Flow control 0 none, 0x100 RTS/CTS, 0x200 DTR/DSR, 0x400 XON/XOFF with these characters.
  virtual int UstawPrzeplyw(int przeplyw, uint8_t xon, uint8_t xoff) = 0;
  virtual int UstawCzasy(int odczytMs, int zapisMs) = 0;
  // Looks for attached devices and keeps what it found: their number (codes of
  // ftdi_usb_find_all).
  virtual int UtworzListe() = 0;
  // The devices found by the last UtworzListe, in the same order, with their serial numbers
  // and descriptions (codes of ftdi_usb_get_strings).
  virtual int PobierzListe(std::vector<TWezelUrzadzeniaUsb>& lista) = 0;
};

// The device over libftdi.
std::unique_ptr<TUrzadzenieFtdi> UtworzUrzadzenieLibftdi();

}  // namespace wtrysk
