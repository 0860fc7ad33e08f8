#include "io/TPortUSB.h"

#include <algorithm>
#include <utility>

#include "io/TUsbFtdi.h"

namespace wtrysk {

TPortUSB::TPortUSB(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno, TUsbFtdi& usb,
                   std::string opis, std::string numerSeryjny)
    : TPortKomunikacyjny(czas, komunikaty, okno),
      Usb(usb),
      OpisUrzadzenia(std::move(opis)),
      Numer(std::move(numerSeryjny)) {
  TimerOdczytu = czas.UtworzTimer(OkresOdczytuMs, [this] { TimerOdczytuTimer(); });
  TimerOdczytu->Wlacz();
}

TPortUSB::~TPortUSB() {
  TimerOdczytu.reset();
  // Connection control closes a port before it frees it; a port freed open (at exit) lets
  // the device go all the same.
  if (Polaczony()) Usb.UsbZamknij();
}

void TPortUSB::Otworz() {
  if (!Polaczony()) {
    Usb.UsbZamknij();
    if (Usb.UsbOtworz(Numer) == StatusUsb::Ok) {
      UstawPolaczony(true);
      Usb.UsbPredkosc = 9600;
      Usb.UsbBityDanych = 8;
      Usb.UsbBityStopu = 0;
      Usb.UsbParzystosc = 0;
      Usb.UsbPrzeplyw = 0;
      Usb.UsbZnakXon = 17;
      Usb.UsbZnakXoff = 19;
      Usb.UsbUstawPredkosc();
      Usb.UsbUstawZnak();
      Usb.UsbUstawPrzeplyw();
      Usb.UsbResetuj();
      Usb.UsbUstawCzasy(CzasOdczytuMs, CzasZapisuMs);
    }
  } else if (Usb.UsbStanKolejki() != StatusUsb::Ok) {
    UstawPolaczony(false);
  }
  TPortKomunikacyjny::Otworz();
}

void TPortUSB::Zamknij() {
  Usb.UsbZamknij();
  TPortKomunikacyjny::Zamknij();
}

int TPortUSB::ZapiszBajty(const uint8_t* bajty, std::size_t liczba) {
  liczba = std::min(liczba, TUsbFtdi::RozmiarBufora);
  std::copy_n(bajty, liczba, Usb.UsbBuforNadawania());
  return Usb.UsbPisz(liczba);
}

void TPortUSB::TimerOdczytuTimer() {
  if (Usb.UsbStanKolejki(false) != StatusUsb::Ok || Usb.UsbWKolejce == 0) return;
  const int przeczytane = Usb.UsbCzytaj(Usb.UsbWKolejce);
  if (przeczytane > 0) OdbierzBajty(Usb.UsbBuforOdbioru(), static_cast<std::size_t>(przeczytane));
}

}  // namespace wtrysk
