// The live view: what every live-data frame redraws on the main window.
#include <QCheckBox>
#include <QLabel>
#include <QLocale>

#include "KoloryQt.h"
#include "TCentralkaVOLed300.h"
#include "TWtryskForm.h"
#include "TWtryskiwaczFrame.h"
#include "TZakladki.h"
#include "aplikacja/TSesjaSterownika.h"
#include "bledy/KolorZakladkiBledow.h"
#include "i18n/TKomunikaty.h"
#include "link/TPortKomunikacyjny.h"
#include "okno/NazwyKontrolek.h"
#include "ui/TOknoKomunikatow.h"
#include "widok/OdczytyWidoku.h"
#include "widok/PanelPrzelacznikow.h"
#include "widok/UkladWtryskiwaczy.h"

namespace wtrysk {

namespace {

constexpr uint8_t KomendaStanuWtryskiwaczy = 3;
constexpr uint8_t PaliwoGaz = 3;
constexpr uint8_t PaliwoBenzyna = 2;

// A label's text, set only when it differs: ten frames a second mostly repeat themselves.
void Pisz(QLabel* etykieta, const std::string& tekst) {
  const QString nowy = QString::fromStdString(tekst);
  if (etykieta->text() != nowy) etykieta->setText(nowy);
}

}  // namespace

void TWtryskForm::OdswiezWidok() {
  TDaneBiezace& d = SesjaSterownika->Model.DaneBiezace;
  const TTekstyOdczytow teksty = TekstyOdczytow(d, QLocale::system().decimalPoint().toStdString());

  // The map chart's cursor follows the readings once the map exists.

  if (d.Stacyjka) {
    PokazMaskeWtryskiwaczy(d.AktywneWtryskiwacze & SesjaSterownika->Model.MaskaWtryskiwaczy);
    const TMiganieLedPaliwa led = MiganieLedPaliwa(d);
    CentralkaVO->UstawMiganie(led.Wlaczona, led.InterwalMs);
  } else {
    PokazAktywneWtryskiwacze(d.AktywneWtryskiwacze);
    CentralkaVO->UstawMiganie(false, 0);
  }

  if (d.ZmianaStanu) OdswiezPasekStatusu();

  for (std::size_t i = 0; i < WartosciBenzyny.size(); ++i) Pisz(WartosciBenzyny[i], teksty.CzasWtryskuBenzyny[i]);
  Pisz(WartoscGazu, teksty.CzasWtryskuGazu);

  CentralkaVO->PokazPoziom(LedyPoziomu(d));

  // The errors tab, and the overdue inspection.
  UstawKolorZakladkiBledow(KolorZakladkiBledow(d.BledyBiezace));
  if (PytanieOPrzeglad.CzyZapytac(d.BledyBiezace, OknoInformacjiOtwarte())) {
    // Asked once the frame has been dealt with: a modal box inside the receive path would let
    // the next frames in underneath it.
    QMetaObject::invokeMethod(this, &TWtryskForm::ZapytajOPrzeglad, Qt::QueuedConnection);
  }

  // The errors page's current lists, rebuilt only while the page is shown and the bytes change.
  if (BledyBiezace.OdswiezBledyBiezace(d.BledyBiezace, Strony[StronaBledy]->isVisible(), Komunikaty())) {
    OknoGlowne.WyczyscLinie(Kontrolka::BledyAktualneMemo);
    for (const std::string& linia : BledyBiezace.BledyAktualne()) OknoGlowne.DodajLinie(Kontrolka::BledyAktualneMemo, linia);
    OknoGlowne.WyczyscLinie(Kontrolka::KomunikatyMemo);
    for (const std::string& linia : BledyBiezace.Komunikaty()) OknoGlowne.DodajLinie(Kontrolka::KomunikatyMemo, linia);
  }

  Pisz(WartoscZasilania, teksty.NapiecieZasilania);
  Pisz(WartoscLambda1, teksty.NapiecieLambda1);
  Pisz(WartoscLambda2, teksty.NapiecieLambda2);
  Pisz(WartoscCisnieniaGazu, teksty.CisnienieGazu);
  Pisz(WartoscCisnieniaKolektora, teksty.CisnienieKolektora);
  Pisz(WartoscObrotow, teksty.Obroty);
  Pisz(WartoscTempGazu, teksty.TempGazu);
  Pisz(WartoscTempReduktora, teksty.TempReduktora);
}

void TWtryskForm::ZapytajOPrzeglad() {
  if (OknoInformacjiOtwarte()) return;
  const TKomunikaty& k = Komunikaty();
  const std::string tekst = FormatujKomunikat(k.PobierzKomunikat(KomunikatBrakPrzegladu), PodzialPytaniaOPrzeglad);
  if (OknoKomunikatow->ZadajPytanie(k.PobierzKomunikat(KomunikatPytanie), tekst)) PokazInfoOSterowniku(true);
}

void TWtryskForm::PokazInfoOSterowniku(bool /*przeglad*/) {
  // Only firmware 24 and later keeps the history the dialog shows; the dialog itself comes
  // with the controller-history feature.
  if (!SesjaSterownika->Historia.HistoriaDostepna()) return;
}

void TWtryskForm::UstawKolorZakladkiBledow(TKolorZakladkiBledow kolor) {
  if (kolor == KolorZakladkiBledowStan) return;
  KolorZakladkiBledowStan = kolor;
  switch (kolor) {
    case TKolorZakladkiBledow::KolorOkna:
      NadWykresem->UstawKolorZakladki(StronaBledy, QColor());
      break;
    case TKolorZakladkiBledow::Komunikat:
      NadWykresem->UstawKolorZakladki(StronaBledy, KolorQt(KolorCiemnozolty));
      break;
    case TKolorZakladkiBledow::Blad:
      NadWykresem->UstawKolorZakladki(StronaBledy, KolorQt(KolorCzerwony));
      break;
  }
}

void TWtryskForm::PokazAktywneWtryskiwacze(uint8_t maska) {
  for (std::size_t i = 0; i < Ramki.size(); ++i) Ramki[i]->UstawAktywny((maska >> i) & 1);
}

void TWtryskForm::PokazMaskeWtryskiwaczy(uint8_t maska) {
  if (WylWtrGazPanel->isHidden()) return;
  for (std::size_t i = 0; i < PrzelacznikiWtryskiwaczy.size(); ++i) PrzelacznikiWtryskiwaczy[i]->setChecked((maska >> i) & 1);
}

void TWtryskForm::UkladWtryskiwaczy(int pozycjaIlosciCylindrow) {
  const TUkladWtryskiwaczy uklad = wtrysk::UkladWtryskiwaczy(pozycjaIlosciCylindrow);
  for (std::size_t i = 0; i < Ramki.size(); ++i) Ramki[i]->setEnabled(uklad.Ramki[i]);
  // The correction edits of injectors 4 to 8 in the gas-injector window follow their frames.
  for (std::size_t i = 3; i < uklad.Korekcje.size(); ++i) {
    if (uklad.Korekcje[i]) {
      OknoGlowne.Wlacz(Kontrolka::KorekcjaWtrRxSpinEdit[i]);
    } else {
      OknoGlowne.Wylacz(Kontrolka::KorekcjaWtrRxSpinEdit[i]);
    }
  }
}

void TWtryskForm::WyslijStanWtryskiwaczy(bool gaz, QWidget* kontrolka) {
  uint8_t maska = 0;
  for (std::size_t i = 0; i < Ramki.size(); ++i) {
    if (Ramki[i]->Aktywny()) maska |= static_cast<uint8_t>(1u << i);
  }
  if (kontrolka) kontrolka->setEnabled(false);
  if (TPortKomunikacyjny* port = SesjaSterownika->Port()) {
    port->WyslijKomende(KomendaStanuWtryskiwaczy, {gaz ? PaliwoGaz : PaliwoBenzyna, maska});
  }
  if (kontrolka) kontrolka->setEnabled(true);
}

void TWtryskForm::ZmienPaliwo(QWidget* przycisk) {
  if (KalibracjaTrwaFlaga) return;
  WyslijStanWtryskiwaczy(!SesjaSterownika->Model.DaneBiezace.NaGazie, przycisk);
}

void TWtryskForm::KliknietoWtryskiwacz(TWtryskiwaczFrame* ramka) {
  ramka->UstawAktywny(!ramka->Aktywny());
  if (!SesjaSterownika->Obsluga.BlokadaWysylania && SesjaSterownika->Model.DaneBiezace.NaGazie) {
    WyslijStanWtryskiwaczy(true, ramka);
  }
}

}  // namespace wtrysk
