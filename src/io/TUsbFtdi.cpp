#include "io/TUsbFtdi.h"

#include <algorithm>
#include <utility>

#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

TUsbFtdi::TUsbFtdi(std::unique_ptr<TUrzadzenieFtdi> urzadzenie, TOknoKomunikatow& okno)
    : Urzadzenie(std::move(urzadzenie)),
      Okno(okno),
      BuforOdbioru(RozmiarBufora),
      BuforNadawania(RozmiarBufora),
      Kolejka(RozmiarBufora) {}

int TUsbFtdi::Zglos(TOperacjaUsb operacja, int kod, bool zglaszaj) {
  const int status = StatusZLibftdi(operacja, kod);
  if (zglaszaj) UsbZglosBlad(EtykietaOperacjiUsb(operacja), status);
  return status;
}

void TUsbFtdi::UsbZglosBlad(const std::string& etykieta, int status) {
  if (!UsbPokazBledy || status == StatusUsb::Ok) return;
  Okno.PokazBlad(TekstBleduUsb(etykieta, status));
}

int TUsbFtdi::UsbOtworz(const std::string& numerSeryjny) {
  UsbNumerSzukany = numerSeryjny.substr(0, NajdluzszyNumer);
  OproznijKolejke();
  return Zglos(TOperacjaUsb::Otworz, Urzadzenie->Otworz(UsbNumerSzukany));
}

void TUsbFtdi::OproznijKolejke() {
  WKolejce = 0;
  UsbWKolejce = 0;
}

int TUsbFtdi::UsbZamknij() {
  OproznijKolejke();
  return Zglos(TOperacjaUsb::Zamknij, Urzadzenie->Zamknij());
}

int TUsbFtdi::UsbStanKolejki(bool zglaszaj) {
  if (WKolejce < RozmiarBufora) {
    const int wolne = static_cast<int>(RozmiarBufora - WKolejce);
    const int kod = Urzadzenie->Czytaj(Kolejka.data() + WKolejce, wolne);
    if (kod < 0) return Zglos(TOperacjaUsb::StanKolejki, kod, zglaszaj);
    WKolejce += static_cast<std::size_t>(std::min(kod, wolne));
  }
  UsbWKolejce = static_cast<uint32_t>(WKolejce);
  return StatusUsb::Ok;
}

int TUsbFtdi::UsbCzytaj(std::size_t liczba) {
  liczba = std::min(liczba, RozmiarBufora);
  const std::size_t zKolejki = std::min(liczba, WKolejce);
  std::copy_n(Kolejka.begin(), zKolejki, BuforOdbioru.begin());
  if (zKolejki > 0) {
    std::copy(Kolejka.begin() + static_cast<std::ptrdiff_t>(zKolejki),
              Kolejka.begin() + static_cast<std::ptrdiff_t>(WKolejce), Kolejka.begin());
    WKolejce -= zKolejki;
  }
  UsbWKolejce = static_cast<uint32_t>(WKolejce);

  std::size_t przeczytane = zKolejki;
  int kod = 0;
  if (przeczytane < liczba) {
    kod = Urzadzenie->Czytaj(BuforOdbioru.data() + przeczytane, static_cast<int>(liczba - przeczytane));
    if (kod > 0) przeczytane += std::min(static_cast<std::size_t>(kod), liczba - przeczytane);
  }
  UsbOstatniStatus = Zglos(TOperacjaUsb::Czytaj, kod);
  return static_cast<int>(przeczytane);
}

int TUsbFtdi::UsbPisz(std::size_t liczba) {
  liczba = std::min(liczba, RozmiarBufora);
  const int kod = Urzadzenie->Pisz(BuforNadawania.data(), static_cast<int>(liczba));
  UsbOstatniStatus = Zglos(TOperacjaUsb::Pisz, kod);
  return kod > 0 ? kod : 0;
}

int TUsbFtdi::UsbResetuj() {
  // The device's reset empties its buffers; what waits in the queue is from before it.
  OproznijKolejke();
  return Zglos(TOperacjaUsb::Resetuj, Urzadzenie->Resetuj());
}

int TUsbFtdi::UsbUstawPredkosc() {
  return Zglos(TOperacjaUsb::UstawPredkosc, Urzadzenie->UstawPredkosc(UsbPredkosc));
}

int TUsbFtdi::UsbUstawZnak() {
  const bool poprawne = (UsbBityDanych == 7 || UsbBityDanych == 8) && UsbBityStopu <= 2 && UsbParzystosc <= 4;
  if (!poprawne) {
    UsbZglosBlad(EtykietaOperacjiUsb(TOperacjaUsb::UstawZnak), StatusUsb::ZlyParametr);
    return StatusUsb::ZlyParametr;
  }
  return Zglos(TOperacjaUsb::UstawZnak, Urzadzenie->UstawZnak(UsbBityDanych, UsbBityStopu, UsbParzystosc));
}

int TUsbFtdi::UsbUstawPrzeplyw() {
  return Zglos(TOperacjaUsb::UstawPrzeplyw, Urzadzenie->UstawPrzeplyw(UsbPrzeplyw, UsbZnakXon, UsbZnakXoff));
}

int TUsbFtdi::UsbUstawCzasy(int odczytMs, int zapisMs) {
  return Zglos(TOperacjaUsb::UstawCzasy, Urzadzenie->UstawCzasy(odczytMs, zapisMs));
}

int TUsbFtdi::UsbUtworzListe() {
  const int kod = Urzadzenie->UtworzListe();
  UsbLiczbaUrzadzen = kod > 0 ? static_cast<uint32_t>(kod) : 0;
  return Zglos(TOperacjaUsb::UtworzListe, kod);
}

int TUsbFtdi::UsbPobierzListe() {
  UsbListaUrzadzen.assign(UsbLiczbaUrzadzen, TWezelUrzadzeniaUsb{});
  const int kod = Urzadzenie->PobierzListe(UsbListaUrzadzen);
  if (kod < 0) UsbListaUrzadzen.clear();
  UsbLiczbaUrzadzen = static_cast<uint32_t>(UsbListaUrzadzen.size());
  return Zglos(TOperacjaUsb::PobierzListe, kod);
}

}  // namespace wtrysk
