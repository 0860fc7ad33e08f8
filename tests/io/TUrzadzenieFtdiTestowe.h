#pragma once

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "io/TUrzadzenieFtdi.h"

namespace wtrysk {

// What the fake FTDI bus holds; the test keeps it and looks into it while the wrapper owns
// the fake device.
struct TSzynaFtdiTestowa {
  std::vector<TWezelUrzadzeniaUsb> Podlaczone;  // attached devices, in list order
  std::string Otwarty;                          // serial number of the open device, if any
  bool CzyOtwarty = false;
  bool Zniknal = false;                         // the open device was pulled out
  std::deque<uint8_t> Odebrane;                 // what the open device has received
  std::vector<uint8_t> Zapisane;                // what was written to it
  std::vector<std::string> Wywolania;           // every call but reads, in order
  int NajwiekszyOdczyt = 0;                     // the largest read asked for
  int KodListy = 0;                             // a negative code makes the enumeration fail

  void Podlacz(std::string numer, std::string opis) {
    TWezelUrzadzeniaUsb wezel;
    wezel.NumerSeryjny = std::move(numer);
    wezel.Opis = std::move(opis);
    Podlaczone.push_back(std::move(wezel));
  }
  void Odlacz(const std::string& numer) {
    std::erase_if(Podlaczone, [&](const TWezelUrzadzeniaUsb& w) { return w.NumerSeryjny == numer; });
    if (CzyOtwarty && Otwarty == numer) Zniknal = true;
  }
  void Odbierz(const std::vector<uint8_t>& bajty) { Odebrane.insert(Odebrane.end(), bajty.begin(), bajty.end()); }
};

// A device that answers with libftdi's codes: -3 from the open when no device carries the
// serial number, -666 from reads and writes with nothing open, libusb's "no device" (-4) from
// reads once the device is pulled out, -1 from writes and settings then.
class TUrzadzenieFtdiTestowe : public TUrzadzenieFtdi {
public:
  explicit TUrzadzenieFtdiTestowe(TSzynaFtdiTestowa& szyna) : Szyna(szyna) {}

  int Otworz(const std::string& numer) override {
    Szyna.Wywolania.push_back("Otworz " + numer);
    const bool jest = std::any_of(Szyna.Podlaczone.begin(), Szyna.Podlaczone.end(),
                                  [&](const TWezelUrzadzeniaUsb& w) { return w.NumerSeryjny == numer; });
    if (!jest) return -3;
    Szyna.Otwarty = numer;
    Szyna.CzyOtwarty = true;
    Szyna.Zniknal = false;
    return 0;
  }
  int Zamknij() override {
    Szyna.Wywolania.push_back("Zamknij");
    const bool zniknal = Szyna.CzyOtwarty && Szyna.Zniknal;
    Szyna.CzyOtwarty = false;
    Szyna.Zniknal = false;
    Szyna.Odebrane.clear();
    return zniknal ? -1 : 0;
  }
  int Czytaj(uint8_t* bufor, int rozmiar) override {
    Szyna.NajwiekszyOdczyt = std::max(Szyna.NajwiekszyOdczyt, rozmiar);
    if (!Szyna.CzyOtwarty) return -666;
    if (Szyna.Zniknal) return -4;
    const int n = std::min<int>(rozmiar, static_cast<int>(Szyna.Odebrane.size()));
    std::copy_n(Szyna.Odebrane.begin(), n, bufor);
    Szyna.Odebrane.erase(Szyna.Odebrane.begin(), Szyna.Odebrane.begin() + n);
    return n;
  }
  int Pisz(const uint8_t* bajty, int liczba) override {
    if (!Szyna.CzyOtwarty) return -666;
    if (Szyna.Zniknal) return -1;
    Szyna.Zapisane.insert(Szyna.Zapisane.end(), bajty, bajty + liczba);
    return liczba;
  }
  int Resetuj() override { return Ustawienie("Resetuj"); }
  int UstawPredkosc(int predkosc) override { return Ustawienie("UstawPredkosc " + std::to_string(predkosc), -3); }
  int UstawZnak(int bity, int stop, int parzystosc) override {
    return Ustawienie("UstawZnak " + std::to_string(bity) + " " + std::to_string(stop) + " " + std::to_string(parzystosc));
  }
  int UstawPrzeplyw(int przeplyw, uint8_t xon, uint8_t xoff) override {
    return Ustawienie("UstawPrzeplyw " + std::to_string(przeplyw) + " " + std::to_string(xon) + " " +
                      std::to_string(xoff));
  }
  int UstawCzasy(int odczyt, int zapis) override {
    return Ustawienie("UstawCzasy " + std::to_string(odczyt) + " " + std::to_string(zapis));
  }
  int UtworzListe() override {
    if (Szyna.KodListy < 0) return Szyna.KodListy;
    Znalezione = Szyna.Podlaczone;
    return static_cast<int>(Znalezione.size());
  }
  int PobierzListe(std::vector<TWezelUrzadzeniaUsb>& lista) override {
    lista.assign(Znalezione.begin(), Znalezione.begin() + static_cast<std::ptrdiff_t>(
                                                              std::min(lista.size(), Znalezione.size())));
    return 0;
  }

private:
  int Ustawienie(std::string wywolanie, int bezUrzadzenia = -2) {
    Szyna.Wywolania.push_back(std::move(wywolanie));
    if (!Szyna.CzyOtwarty) return bezUrzadzenia;
    return Szyna.Zniknal ? -1 : 0;
  }

  TSzynaFtdiTestowa& Szyna;
  std::vector<TWezelUrzadzeniaUsb> Znalezione;
};

}  // namespace wtrysk
