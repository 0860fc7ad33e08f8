#include "io/TSterowaniePolaczeniem.h"

#include <utility>

#include "io/TListaPortow.h"
#include "io/TMapaPortowCom.h"
#include "io/TPortCOM.h"
#include "io/TPortUSB.h"

namespace wtrysk {

TSterowaniePolaczeniem::TSterowaniePolaczeniem(TSerwisCzasu& czas, const TKomunikaty& komunikaty,
                                               TOknoKomunikatow& okno, TListaPortow& lista, TPodlaczPort podlacz)
    : Czas(czas), Komunikaty(komunikaty), Okno(okno), Lista(lista), Podlacz(std::move(podlacz)) {}

TSterowaniePolaczeniem::~TSterowaniePolaczeniem() {
  if (Port) ZwolnijPort();
}

void TSterowaniePolaczeniem::ZwolnijPort() {
  Port.reset();
  if (PortZwolniony) PortZwolniony();
}

void TSterowaniePolaczeniem::WybierzPortZMenu(const TWpisPortu& wpis) { UstawPort(wpis.Znacznik); }

void TSterowaniePolaczeniem::UstawPort(int znacznik) {
  if (Port) {
    // Closed while it is still the current port, so whatever the close triggers sees it.
    Port->Zamknij();
    ZwolnijPort();
  }
  Lista.UstawWybranyPort(znacznik);
  auto nowy = UtworzPort(znacznik);
  if (!nowy) return;
  if (Podlacz) Podlacz(*nowy);
  Port = std::move(nowy);
  Port->Otworz();
}

std::unique_ptr<TPortKomunikacyjny> TSterowaniePolaczeniem::UtworzPort(int znacznik) {
  if (znacznik < TListaPortow::PierwszyZnacznikUsb) {
    if (znacznik < 1) return nullptr;
    TMapaPortowCom& mapa = Lista.Mapa();
    return std::make_unique<TPortCOM>(Czas, Komunikaty, Okno, znacznik,
                                      [&mapa](int numer) { return mapa.SciezkaPortu(numer); });
  }
  if (znacznik > TListaPortow::OstatniZnacznikUsb) return nullptr;
  const auto indeks = static_cast<std::size_t>(znacznik - TListaPortow::PierwszyZnacznikUsb);
  if (indeks >= Lista.ListaUsbOpisy().size() || indeks >= Lista.ListaUsbNumery().size()) return nullptr;
  return std::make_unique<TPortUSB>(Czas, Komunikaty, Okno, Lista.Usb(), Lista.ListaUsbOpisy()[indeks],
                                    Lista.ListaUsbNumery()[indeks]);
}

void TSterowaniePolaczeniem::PolaczClick() {
  if (Port) Port->Otworz();
}

void TSterowaniePolaczeniem::RozlaczClick() {
  if (Port) Port->Zamknij();
}

}  // namespace wtrysk
