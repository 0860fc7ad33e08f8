#include "io/TListaPortow.h"

#include <utility>

#include "i18n/TKomunikaty.h"
#include "io/TMapaPortowCom.h"
#include "io/TUsbFtdi.h"

namespace wtrysk {

namespace {

constexpr int KomunikatCom = 98;

// A text field of the device list: up to n characters, ending at the first zero byte.
std::string Pole(const std::string& tekst, std::size_t n) {
  const std::string pole = tekst.substr(0, n);
  return pole.substr(0, pole.find('\0'));
}

}  // namespace

TListaPortow::TListaPortow(const TKomunikaty& komunikaty, TMapaPortowCom& mapa, TUsbFtdi& usb)
    : Komunikaty(komunikaty), MapaPortow(mapa), UsbFtdi(usb) {}

bool TListaPortow::OdswiezListePortow(bool wymus) {
  if (Sygnatura) {
    std::string sygnatura = Sygnatura();
    if (!wymus && PoSkanowaniu && sygnatura == OstatniaSygnatura) return false;
    OstatniaSygnatura = std::move(sygnatura);
    PoSkanowaniu = true;
  }
  bool zmiana = wymus;

  std::vector<std::string> porty;
  for (const auto& port : MapaPortow.Porty()) porty.push_back(port.Nazwa);

  std::vector<std::string> opisy;
  std::vector<std::string> numery;
  if (UsbFtdi.UsbUtworzListe() == StatusUsb::Ok && UsbFtdi.UsbLiczbaUrzadzen != 0 &&
      UsbFtdi.UsbPobierzListe() == StatusUsb::Ok) {
    for (const auto& wezel : UsbFtdi.UsbListaUrzadzen) {
      opisy.push_back(Pole(wezel.Opis, DlugoscOpisu));
      numery.push_back(Pole(wezel.NumerSeryjny, DlugoscNumeru));
    }
  }

  if (porty != PortyCOM || opisy != UsbOpisy) zmiana = true;
  UsbNumery = std::move(numery);
  if (zmiana) {
    PortyCOM = std::move(porty);
    UsbOpisy = std::move(opisy);
    Przebuduj();
  }
  return zmiana;
}

void TListaPortow::Przebuduj() {
  WpisyMenu.clear();
  const std::string com = Komunikaty.PobierzKomunikat(KomunikatCom);
  for (const auto& nazwa : PortyCOM) {
    const int numer = NumerZNazwyPortu(nazwa);
    if (numer == 0) continue;  // not "COM" and a number: no entry
    WpisyMenu.push_back({com + std::to_string(numer), numer, numer == Wybrany});
  }
  for (std::size_t i = 0; i < UsbOpisy.size(); ++i) {
    const int znacznik = PierwszyZnacznikUsb + static_cast<int>(i);
    WpisyMenu.push_back({"USB-" + UsbOpisy[i], znacznik, znacznik == Wybrany});
  }
}

void TListaPortow::UstawWybranyPort(int znacznik) {
  Wybrany = znacznik;
  for (auto& wpis : WpisyMenu) wpis.Zaznaczony = wpis.Znacznik == znacznik;
}

}  // namespace wtrysk
