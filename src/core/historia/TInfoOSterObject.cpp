#include "historia/TInfoOSterObject.h"

namespace wtrysk {

TInfoOSterObject::TInfoOSterObject(TSerwisCzasu& czas, TOtoczenieHistorii& otoczenie, uint32_t kodKomputera)
    : KomendyBezZmian(ZbudujKomendyBezZmian()),
      Czas(czas),
      Otoczenie(otoczenie),
      Kod(kodKomputera),
      Timer(czas.UtworzTimer(InterwalTimeraMs, [this] { TimerTimer(); })) {
  Resetuj();
}

std::bitset<256> TInfoOSterObject::ZbudujKomendyBezZmian() {
  std::bitset<256> zbior;
  for (std::size_t kod = 0; kod < zbior.size(); ++kod) {
    zbior[kod] = CzyKomendaBezZmianDomyslnie(static_cast<uint8_t>(kod));
  }
  return zbior;
}

bool TInfoOSterObject::PotwierdzZmianeNastaw() {
  if (!ZmianaZInnegoKomputera() || Zaakceptowane) return true;
  if (Otoczenie.PokazOstrzezenieZmianyNastaw()) {
    Zaakceptowane = true;
    return true;
  }
  Otoczenie.ZamknijProgram();
  return false;
}

void TInfoOSterObject::ZapiszZmiane(const TDataCzas& kiedy) {
  ZmianaCzeka = true;
  KiedyZmiana = kiedy;
  Timer->Wlacz();  // a running timer keeps its count: the record follows the first event
}

void TInfoOSterObject::ZapiszPolaczenie(const TDataCzas& kiedy) {
  PolaczenieCzeka = true;
  KiedyPolaczenie = kiedy;
  Timer->Wlacz();
}

void TInfoOSterObject::TimerTimer() {
  if (ZmianaCzeka) RejestrujZmiane(KiedyZmiana);
  if (PolaczenieCzeka) RejestrujPolaczenie(KiedyPolaczenie);
  ZmianaCzeka = false;
  PolaczenieCzeka = false;
  Timer->Wylacz();
  WyslijObszar();
}

void TInfoOSterObject::Resetuj() {
  Roboczy.Zeruj();
  Odczytany = Roboczy;
  Zaakceptowane = false;
}

bool TInfoOSterObject::ZmianaZInnegoKomputera() const {
  const uint32_t kod = Roboczy.Zdarzenie(TObszarHistorii::PozZmiana1).KodKomputera;
  return kod != 0 && kod != Kod;
}

bool TInfoOSterObject::HistoriaDostepna() const {
  const auto wersja = Otoczenie.WersjaFirmware();
  return wersja && *wersja >= MinimalnaWersjaHistorii;
}

void TInfoOSterObject::WyslijObszar() {
  if (!HistoriaDostepna()) return;
  const auto dane = Roboczy.DaneKomendy59();
  Otoczenie.WyslijKomende(KomendaZapisuObszaru, dane);
}

bool TInfoOSterObject::WpiszJesliNieaktualny(std::size_t poz, TKierunek kierunek, uint32_t kod, int godziny,
                                             const TDataCzas& t) {
  if (!t.CzyPoprawna()) return false;
  if (!CzyNieaktualny(Roboczy.Zdarzenie(poz), kierunek, kod, godziny, t)) return false;
  Roboczy.UstawZdarzenie(poz, TZdarzenieHistorii::Z(t, Kod));
  return true;
}

void TInfoOSterObject::RejestrujPolaczenie(const TDataCzas& t) {
  using O = TObszarHistorii;
  if (Roboczy.Zdarzenie(O::PozPierwszePolaczenie).CzyPusty()) {
    WpiszJesliNieaktualny(O::PozPierwszePolaczenie, TKierunek::Zawsze, 0, 0, t);
  }
  WpiszJesliNieaktualny(O::PozOstatniePolaczenie, TKierunek::Przeszlosc, 0, 0, t);
}

void TInfoOSterObject::RejestrujZmiane(const TDataCzas& t) {
  using O = TObszarHistorii;
  if (Roboczy.Zdarzenie(O::PozPierwszaZmiana).CzyPusty()) {
    WpiszJesliNieaktualny(O::PozPierwszaZmiana, TKierunek::Zawsze, 0, 0, t);
  }
  const TZdarzenieHistorii poprzednia = Roboczy.Zdarzenie(O::PozZmiana1);

  // More than ten hours old, from another PC, or not a date: a new entry begins.
  if (WpiszJesliNieaktualny(O::PozZmiana1, TKierunek::Przeszlosc, Kod, GodzinyWpisuZmiany, t)) {
    for (std::size_t k = O::LiczbaZmian; k > 2; --k) {
      Roboczy.UstawZdarzenie(O::PozZmiany(k), Roboczy.Zdarzenie(O::PozZmiany(k - 1)));
    }
    Roboczy.UstawZdarzenie(O::PozZmiany(2), poprzednia);
    return;
  }
  // This PC's latest entry, within ten hours: it only gets the new time.
  if (WpiszJesliNieaktualny(O::PozZmiana1, TKierunek::Przeszlosc, 0, 0, t)) return;

  // The latest change is dated ahead of this PC's clock: keep it and note a change of unknown
  // origin instead.
  if (CzyNieaktualny(Roboczy.Zdarzenie(O::PozZmiana1), TKierunek::Przyszlosc, Kod, GodzinyZegaraWTyle, t)) {
    WpiszJesliNieaktualny(O::PozZmianaNieznana, TKierunek::Przyszlosc, Kod, GodzinyZegaraWTyle, t);
  }
}

void TInfoOSterObject::WczytajObszarPolaczenia(const TObszarHistorii& obszar, const TBlok16& blok16) {
  Roboczy = obszar;
  Blok = blok16;
  Odczytany = Roboczy;
  Roboczy.Zapisz32(TObszarHistorii::PozBenzynaPolaczenie, Roboczy.CzasBenzyny());
  Roboczy.Zapisz32(TObszarHistorii::PozGazPolaczenie, Roboczy.CzasGazu());
  ZapiszPolaczenie(Czas.Teraz());
  Otoczenie.ObszarOdswiezony();
}

void TInfoOSterObject::WczytajObszarOdpowiedzi(const TObszarHistorii& obszar) {
  Roboczy = obszar;
  Otoczenie.ObszarOdswiezony();
}

bool TInfoOSterObject::UstawPunktPrzegladu(uint32_t punkt) {
  Roboczy.UstawPunktPrzegladu(punkt);
  Odczytany.Zapisz32(TObszarHistorii::PozPunktPrzegladu, punkt);  // the information dialog shows it at once
  if (!PotwierdzZmianeNastaw()) return false;
  ZapiszZmiane(Czas.Teraz());
  return true;
}

}  // namespace wtrysk
