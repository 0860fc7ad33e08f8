#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "io/StatusUsb.h"
#include "io/TUrzadzenieFtdi.h"

namespace wtrysk {

class TOknoKomunikatow;

// The FTDI wrapper: one device at a time, fixed transfer buffers, the line settings, the
// device list, and a report for every failed call. Each operation returns the wrapper status
// (0 = success, see StatusUsb), except the read and the write, which return a byte count.
//
// libftdi has no call for the number of bytes waiting. The wrapper keeps a receive queue of
// its own: the queue-status call reads what the device has sent into it and reports its fill,
// so the call fails exactly when the device is closed or gone, and reads are served from it.
class TUsbFtdi {
public:
  static constexpr std::size_t RozmiarBufora = 65536;
  static constexpr std::size_t NajdluzszyNumer = 49;  // of the serial number passed to the open

  TUsbFtdi(std::unique_ptr<TUrzadzenieFtdi> urzadzenie, TOknoKomunikatow& okno);

  int UsbOtworz(const std::string& numerSeryjny);
  int UsbZamknij();
  // Reads up to liczba bytes (at most the buffer size) into UsbBuforOdbioru; the byte count.
  int UsbCzytaj(std::size_t liczba);
  // Writes the first liczba bytes of UsbBuforNadawania (at most the buffer size); the byte
  // count, 0 on failure.
  int UsbPisz(std::size_t liczba);
  int UsbResetuj();
  int UsbUstawPredkosc();
  int UsbUstawZnak();
  int UsbUstawPrzeplyw();
  int UsbUstawCzasy(int odczytMs, int zapisMs);
  // Sets UsbWKolejce. The receive poll asks quietly: a closed device fails this call every
  // time, and that is no news worth a message box.
  int UsbStanKolejki(bool zglaszaj = true);
  int UsbUtworzListe();
  int UsbPobierzListe();

  // Shows "label - text" as an error box while UsbPokazBledy is set and the status is not 0.
  void UsbZglosBlad(const std::string& etykieta, int status);

  uint8_t* UsbBuforOdbioru() { return BuforOdbioru.data(); }
  uint8_t* UsbBuforNadawania() { return BuforNadawania.data(); }

  std::string UsbNumerSzukany;  // serial number passed to the last open
  uint32_t UsbWKolejce = 0;
  int UsbPredkosc = 9600;
  uint8_t UsbBityDanych = 8;
  uint8_t UsbBityStopu = 0;
  uint8_t UsbParzystosc = 0;
  uint16_t UsbPrzeplyw = 0;
  uint8_t UsbZnakXon = 17;
  uint8_t UsbZnakXoff = 19;
  uint32_t UsbLiczbaUrzadzen = 0;
  std::vector<TWezelUrzadzeniaUsb> UsbListaUrzadzen;
  int UsbOstatniStatus = 0;  // of the last read or write
  bool UsbPokazBledy = true;

private:
  int Zglos(TOperacjaUsb operacja, int kod, bool zglaszaj = true);
  void OproznijKolejke();

  std::unique_ptr<TUrzadzenieFtdi> Urzadzenie;
  TOknoKomunikatow& Okno;
  std::vector<uint8_t> BuforOdbioru;
  std::vector<uint8_t> BuforNadawania;
  std::vector<uint8_t> Kolejka;  // received, not yet read: the first WKolejce bytes
  std::size_t WKolejce = 0;
};

}  // namespace wtrysk
