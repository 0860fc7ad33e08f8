#include "TWtryskForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QTimer>

#include "IkonaAplikacji.h"
#include "KoloryQt.h"
#include "Marka.h"
#include "TCentralkaVOLed300.h"
#include "TOknoKomunikatowQt.h"
#include "TPasekStatusu.h"
#include "TSterownikResetowanyForm.h"
#include "TWtryskiwaczFrame.h"
#include "TZakladki.h"
#include "TZmianaNastawForm.h"
#include "aplikacja/TSesjaSterownika.h"
#include "historia/KodKomputera.h"
#include "i18n/TKomunikaty.h"
#include "io/FolderDanych.h"
#include "io/SygnaturaUrzadzen.h"
#include "io/TListaPortow.h"
#include "io/TMapaPortowCom.h"
#include "io/TSerwisCzasuQt.h"
#include "io/TSterowaniePolaczeniem.h"
#include "io/TUsbFtdi.h"
#include "link/TPortKomunikacyjny.h"
#include "okno/NazwyKontrolek.h"
#include "widok/PasekStatusu.h"
#include "widok/TytulOkna.h"

namespace wtrysk {

namespace {
// How long the close waits for the controller to answer what is on the line.
constexpr int OkresCzekaniaNaLinieMs = 10;
constexpr int NajdluzszeCzekanieNaLinieMs = 2000;
}  // namespace

TOpcjeOkna OpcjeProgramu() {
  TOpcjeOkna o;
  o.FolderDanych = FolderDanychProgramu();
  o.FolderUstawien = o.FolderDanych;
  o.FolderyJezykow.push_back(QCoreApplication::applicationDirPath().toStdString());
  if (o.FolderUstawien != o.FolderyJezykow.front()) o.FolderyJezykow.push_back(o.FolderUstawien);
  o.UrzadzeniaSzeregowe = UrzadzeniaSzeregoweSystemu;
  o.UtworzFtdi = UtworzUrzadzenieLibftdi;
  o.SkanujPoZmianie = true;
  o.KodKomputera = KodTegoKomputera();
  return o;
}

TWtryskForm::TWtryskForm(TOpcjeOkna opcje, QWidget* rodzic) : QMainWindow(rodzic), Opcje(std::move(opcje)) {
  setObjectName(QStringLiteral("WtryskForm"));
  if (Opcje.Czas) {
    Czas = Opcje.Czas;
  } else {
    WlasnyCzas = std::make_unique<TSerwisCzasuQt>();
    Czas = WlasnyCzas.get();
  }
  if (Opcje.OknoKomunikatow) {
    OknoKomunikatow = Opcje.OknoKomunikatow;
  } else {
    WlasneOknoKomunikatow = std::make_unique<TOknoKomunikatowQt>(TekstMarki(MarkaTytulAplikacji), this);
    OknoKomunikatow = WlasneOknoKomunikatow.get();
  }
  ZbudujOkno();
  OknoGlowne.DodajOkno(this);
  StartProgramu();
  // Keys typed anywhere in the program reach the service key sequence.
  qApp->installEventFilter(this);
}

TWtryskForm::~TWtryskForm() {
  qApp->removeEventFilter(this);
  // The port goes first, while the dispatcher and this window it reaches are still whole;
  // freeing it unhooks the session from it.
  Sterowanie.reset();
}

void TWtryskForm::StartProgramu() {
  // The error tab takes the window's colour; the switch panel stands at the bottom of the
  // right-hand panel (both made by ZbudujOkno).
  KolorZakladkiBledowStan = TKolorZakladkiBledow::KolorOkna;

  QApplication::setWindowIcon(IkonaAplikacji());
  setWindowIcon(IkonaAplikacji());

  KomunikatyProgramu = std::make_unique<TKomunikaty>();

  // The port lists: serial ports and FTDI devices. The FTDI library reports no failures of its
  // own while the list is refreshed every second.
  MapaPortow = std::make_unique<TMapaPortowCom>(
      Opcje.FolderDanych, Opcje.UrzadzeniaSzeregowe ? Opcje.UrzadzeniaSzeregowe : TWyliczanieUrzadzen(UrzadzeniaSzeregoweSystemu));
  UsbFtdi = std::make_unique<TUsbFtdi>(Opcje.UtworzFtdi ? Opcje.UtworzFtdi() : UtworzUrzadzenieLibftdi(), *OknoKomunikatow);
  UsbFtdi->UsbPokazBledy = false;
  Porty = std::make_unique<TListaPortow>(*KomunikatyProgramu, *MapaPortow, *UsbFtdi);
  // A full scan every second costs more than the rest of the program; scan only when the
  // devices changed.
  if (Opcje.SkanujPoZmianie) {
    Porty->Sygnatura = [this] { return SygnaturaUrzadzen(MapaPortow->FolderPortow()); };
  }
  OdswiezMenuPortow(false);
  OdswierzPortyCOMTimer = new QTimer(this);
  OdswierzPortyCOMTimer->setObjectName(QStringLiteral("OdswierzPortyCOMTimer"));
  OdswierzPortyCOMTimer->setInterval(OkresOdswiezaniaPortowMs);
  connect(OdswierzPortyCOMTimer, &QTimer::timeout, this, [this] { OdswiezMenuPortow(false); });
  OdswierzPortyCOMTimer->start();

  // The injector kinds and the controller history live in the session.
  SesjaSterownika = std::make_unique<TSesjaSterownika>(*Czas, OknoGlowne, *OknoKomunikatow, *KomunikatyProgramu,
                                                       Opcje.KodKomputera);
  SesjaSterownika->PokazOstrzezenieZmiany = [this] { return PokazOstrzezenieZmiany(); };
  // Refusing the warning ends the program; the close runs once the send path has returned.
  SesjaSterownika->ZamknijAplikacje = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
  TZdarzeniaObslugi& zdarzenia = SesjaSterownika->Obsluga.Zdarzenia;
  zdarzenia.ZerujPanelPrzelacznikow = [this] { CentralkaVO->Zeruj(); };
  zdarzenia.UlozRamkiCylindrow = [this](int pozycja) { UkladWtryskiwaczy(pozycja); };
  zdarzenia.NowePolaczenie = [this] { PytanieOPrzeglad.NowePolaczenie(); };
  Sterowanie = std::make_unique<TSterowaniePolaczeniem>(*Czas, *KomunikatyProgramu, *OknoKomunikatow, *Porty,
                                                        [this](TPortKomunikacyjny& port) { PodlaczPort(&port); });
  Sterowanie->PortZwolniony = [this] { PodlaczPort(nullptr); };

  // The messages of the errors page are drawn in dark yellow.
  for (const char* nazwa : {"KomunikatyTytulPanel", "KomunikatyMemo"}) {
    if (QWidget* w = OknoGlowne.Kontrolka(nazwa)) {
      QPalette p = w->palette();
      p.setColor(QPalette::WindowText, KolorQt(KolorCiemnozolty));
      p.setColor(QPalette::Text, KolorQt(KolorCiemnozolty));
      w->setPalette(p);
    }
  }

  CzytajUstawienia();

  setWindowTitle(QString::fromStdString(
      TytulOkna(TekstMarki(MarkaTytulAplikacji).toStdString(), WersjaProgramu().toStdString())));

  OdswiezPasekStatusu();

  OknoResetu = new TSterownikResetowanyForm(this);

  // Connects to the port used last. WTRYSK_PORT names another one for this run: scripts/run
  // uses it to connect the window to the simulated controller it has just started.
  bool podany = false;
  const int portSrodowiska = qEnvironmentVariableIntValue("WTRYSK_PORT", &podany);
  UstawPort(podany ? portSrodowiska : Ustawienia.WybranyPort);
}

// --- Settings file ---

std::string TWtryskForm::SciezkaUstawien() const {
  return QDir(QString::fromStdString(Opcje.FolderUstawien)).filePath(QString::fromLatin1(NazwaPlikuUstawien)).toStdString();
}

bool TWtryskForm::CzyJestJezykWloski() const {
  for (const std::string& folder : Opcje.FolderyJezykow) {
    const QFileInfo plik(QDir(QString::fromStdString(folder)).filePath(QStringLiteral("Lang/") + PlikJezykaWloskiego));
    if (plik.isFile()) return true;
  }
  return false;
}

void TWtryskForm::CzytajUstawienia() {
  if (const auto odczytane = CzytajPlikUstawien(SciezkaUstawien())) {
    Ustawienia = *odczytane;
  } else {
    std::optional<int32_t> pierwszy;
    if (!Porty->Wpisy().empty()) pierwszy = Porty->Wpisy().front().Znacznik;
    Ustawienia = UstawieniaDomyslne(CzyJestJezykWloski(), pierwszy);
  }
  ZastosujUstawienia();
}

void TWtryskForm::ZastosujUstawienia() {
  for (std::size_t k = 0; k < EtykietyKanalow.size(); ++k) {
    const QColor kolor = KolorQt(Ustawienia.KoloryKanalow[k]);
    auto koloruj = [&kolor](QLabel* etykieta) {
      QPalette p = etykieta->palette();
      p.setColor(QPalette::WindowText, kolor);
      etykieta->setPalette(p);
    };
    koloruj(EtykietyKanalow[k]);
    // The petrol time's colour is every cylinder's.
    if (k == 5) {
      for (QLabel* etykieta : EtykietyBenzyny) koloruj(etykieta);
    }
    PrzelacznikiKanalow[k]->setChecked(Ustawienia.WidocznoscKanalow[k]);
  }
}

bool TWtryskForm::ZapiszUstawienia() {
  for (std::size_t k = 0; k < PrzelacznikiKanalow.size(); ++k) {
    Ustawienia.WidocznoscKanalow[k] = PrzelacznikiKanalow[k]->isChecked();
  }
  Ustawienia.WybranyPort = Porty->WybranyPort();
  if (ZapiszPlikUstawien(SciezkaUstawien(), Ustawienia)) return true;
  OknoKomunikatow->PokazBlad(KomunikatyProgramu->PobierzKomunikat(KomunikatNieMoznaZapisac) + NazwaPlikuUstawien);
  return false;
}

// --- Pages ---

void TWtryskForm::UkryjZakladki() {
  for (QWidget* strona : Strony) strona->hide();
  OknoGlowne.Ukryj("KalibracjaFrameWtrysk");
}

int TWtryskForm::Zakladka() const { return NadWykresem->currentIndex(); }

void TWtryskForm::PokazZakladke(int strona) {
  if (strona < 0 || strona >= static_cast<int>(Strony.size())) return;
  {
    const QSignalBlocker cisza(NadWykresem);
    NadWykresem->setCurrentIndex(strona);
  }
  UkryjZakladki();
  Strony[static_cast<std::size_t>(strona)]->show();
  if (strona == StronaKalibracja) OknoGlowne.Pokaz("KalibracjaFrameWtrysk");
}

void TWtryskForm::showEvent(QShowEvent* zdarzenie) {
  QMainWindow::showEvent(zdarzenie);
  if (PokazanoPierwszy) return;
  PokazanoPierwszy = true;
  PokazZakladke(StronaParametry);
  // The panel under the map takes its saved share of the map page; a share out of 5..95 %
  // would hide one of the two and is taken as half.
  const int podzial = Ustawienia.PodzialMapy >= 5 && Ustawienia.PodzialMapy <= 95 ? Ustawienia.PodzialMapy
                                                                                 : PodzialMapyDomyslny;
  Splitter1->setSizes({1000 - 10 * podzial, 10 * podzial});
}

// --- Ports ---

bool TWtryskForm::OdswiezMenuPortow(bool wymus) {
  if (!Porty->OdswiezListePortow(wymus)) return false;
  const QList<QAction*> akcje = Port->actions();
  for (qsizetype i = 3; i < akcje.size(); ++i) {
    Port->removeAction(akcje[i]);
    akcje[i]->deleteLater();
  }
  for (const TWpisPortu& wpis : Porty->Wpisy()) {
    QAction* akcja = Port->addAction(QStr(wpis.Podpis));
    akcja->setCheckable(true);
    akcja->setChecked(wpis.Zaznaczony);
    akcja->setData(wpis.Znacznik);
    connect(akcja, &QAction::triggered, this, [this, znacznik = wpis.Znacznik] { UstawPort(znacznik); });
  }
  return true;
}

void TWtryskForm::ZaznaczPortWMenu() {
  const QList<QAction*> akcje = Port->actions();
  for (qsizetype i = 3; i < akcje.size(); ++i) akcje[i]->setChecked(akcje[i]->data().toInt() == Porty->WybranyPort());
}

void TWtryskForm::PoZmianiePortu() {
  ZaznaczPortWMenu();
  OdswiezPasekStatusu();
}

void TWtryskForm::UstawPort(int znacznik) {
  Sterowanie->UstawPort(znacznik);
  PoZmianiePortu();
}

void TWtryskForm::PodlaczPort(TPortKomunikacyjny* port) {
  SesjaSterownika->PodlaczPort(port);
  OdswiezPasekStatusu();
}

// "Połącz" and "Rozłącz" act on the port the session works with: the one connection control
// made from the menu's choice, or one handed over through PodlaczPort.
void TWtryskForm::PolaczClick() {
  if (TPortKomunikacyjny* port = SesjaSterownika->Port()) port->Otworz();
  OdswiezPasekStatusu();
}

void TWtryskForm::RozlaczClick() {
  if (TPortKomunikacyjny* port = SesjaSterownika->Port()) port->Zamknij();
}

// --- Change warning ---

bool TWtryskForm::PokazOstrzezenieZmiany() {
  TZmianaNastawForm okno(this);
  const int wynik = UruchomDialog ? UruchomDialog(okno) : okno.exec();
  return wynik == QDialog::Accepted;
}

// --- Keys ---

bool TWtryskForm::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  // A key press travels from the focused widget up to its window; it is counted once, where
  // it starts.
  if (zdarzenie->type() == QEvent::KeyPress && obiekt->isWidgetType()) {
    QWidget* w = static_cast<QWidget*>(obiekt);
    QWidget* fokus = QApplication::focusWidget();
    if (w == fokus || (!fokus && w->isWindow())) {
      if (Sekwencja.Klawisz(static_cast<QKeyEvent*>(zdarzenie)->key())) OdkryjPanelePrywatne();
    }
  }
  return QMainWindow::eventFilter(obiekt, zdarzenie);
}

void TWtryskForm::OdkryjPanelePrywatne() {
  OknoGlowne.Pokaz(Kontrolka::UkrytePanel);
  OknoGlowne.Pokaz(Kontrolka::UkryteParametry);
  OknoGlowne.Pokaz(Kontrolka::WylWtrGazPanel);
  OknoGlowne.Pokaz(Kontrolka::UkryteParWtrGazPanel);
}

// --- Close ---

bool TWtryskForm::LaczeZajete() const {
  const TPortKomunikacyjny* port = SesjaSterownika ? SesjaSterownika->Port() : nullptr;
  return port && port->Polaczony() && (port->TaktZajety() || !port->LiniaWolna());
}

void TWtryskForm::closeEvent(QCloseEvent* zdarzenie) {
  if (!ZamykanieGotowe && LaczeZajete()) {
    // What is on the line is answered first (a stop command among it); the window closes
    // when the line is free, or after two seconds at most.
    zdarzenie->ignore();
    if (!ZamykanieTimer) {
      ZamykanieTimer = new QTimer(this);
      ZamykanieTimer->setInterval(OkresCzekaniaNaLinieMs);
      connect(ZamykanieTimer, &QTimer::timeout, this, &TWtryskForm::CzekajNaZamkniecie);
    }
    if (!ZamykanieTimer->isActive()) {
      CzekanieNaLinie = 0;
      ZamykanieTimer->start();
    }
    return;
  }
  if (ZamykanieTimer) ZamykanieTimer->stop();
  ZamykanieGotowe = true;
  OdswierzPortyCOMTimer->stop();
  ZapiszUstawienia();
  if (OknoResetu) OknoResetu->close();
  zdarzenie->accept();
}

void TWtryskForm::CzekajNaZamkniecie() {
  CzekanieNaLinie += OkresCzekaniaNaLinieMs;
  if (LaczeZajete() && CzekanieNaLinie < NajdluzszeCzekanieNaLinieMs) return;
  ZamykanieTimer->stop();
  ZamykanieGotowe = true;
  close();
}

void TWtryskForm::ZamknijNaSygnal() {
  // A modal box or dialog would hold the close up; it is answered with its refusal.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible() && dialog->isModal()) dialog->reject();
  }
  close();
}

// --- Hooks ---

void TWtryskForm::PokazSterownikResetowany(std::string_view tekst) { OknoResetu->Pokaz(QStr(tekst)); }

void TWtryskForm::UstawTekstPaskaStatusu(int panel, std::string_view tekst) { Pasek->UstawTekstPanelu(panel, QStr(tekst)); }

void TWtryskForm::OdswiezPasekStatusu() { Pasek->update(); }

}  // namespace wtrysk
