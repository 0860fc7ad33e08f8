#include "aplikacja/TSesjaSterownika.h"

#include "link/TPortKomunikacyjny.h"

namespace wtrysk {

TSesjaSterownika::TSesjaSterownika(TSerwisCzasu& czas, TOknoGlowne& okno, TOknoKomunikatow& oknoKomunikatow,
                                   const TKomunikaty& komunikaty, uint32_t kodKomputera)
    : TypWtryskiwacza(okno, oknoKomunikatow, komunikaty),
      Obsluga(Model, okno, TypWtryskiwacza, komunikaty, oknoKomunikatow),
      Historia(czas, *this, kodKomputera) {
  Obsluga.UstawHistorie(&Historia);
}

void TSesjaSterownika::PodlaczPort(TPortKomunikacyjny* port) {
  PortBiezacy = port;
  Obsluga.UstawPort(port);
  if (port) port->UstawHistorie(&Historia);
}

std::optional<int> TSesjaSterownika::WersjaFirmware() const { return Obsluga.NumerWersji(); }

void TSesjaSterownika::WyslijKomende(uint8_t kod, std::span<const uint8_t> dane) {
  if (PortBiezacy) PortBiezacy->WyslijKomende(kod, dane);
}

bool TSesjaSterownika::PokazOstrzezenieZmianyNastaw() {
  return PokazOstrzezenieZmiany ? PokazOstrzezenieZmiany() : true;
}

void TSesjaSterownika::ZamknijProgram() {
  if (ZamknijAplikacje) ZamknijAplikacje();
}

void TSesjaSterownika::ObszarOdswiezony() {
  if (ObszarHistoriiOdswiezony) ObszarHistoriiOdswiezony();
}

}  // namespace wtrysk
