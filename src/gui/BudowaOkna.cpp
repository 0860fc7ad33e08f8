// The main window's widgets: the menu, the right-hand panel of live readings and the five
// pages. Every control the program or the core addresses carries its component name as
// objectName; pages that later features fill hold their named containers.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "TCentralkaVOLed300.h"
#include "TGrupaOpcji.h"
#include "TPasekStatusu.h"
#include "TWtryskForm.h"
#include "TWtryskiwaczFrame.h"
#include "TZakladki.h"
#include "aplikacja/TSesjaSterownika.h"
#include "link/TPortKomunikacyjny.h"
#include "model/TTypWtryskiwacza.h"
#include "okno/NazwyKontrolek.h"

namespace wtrysk {

namespace {

template <typename T>
T* Nazwij(T* w, const char* nazwa) {
  w->setObjectName(QString::fromLatin1(nazwa));
  return w;
}

QComboBox* Lista(QWidget* rodzic, const char* nazwa, const QStringList& pozycje, bool wlaczona = true) {
  auto* combo = Nazwij(new QComboBox(rodzic), nazwa);
  combo->addItems(pozycje);
  combo->setCurrentIndex(pozycje.isEmpty() ? -1 : 0);
  combo->setEnabled(wlaczona);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

// A spin edit with a step; the decimals follow the step.
QDoubleSpinBox* Edycja(QWidget* rodzic, const char* nazwa, double min, double max, double krok, double wartosc,
                       bool wlaczona = true) {
  auto* e = Nazwij(new QDoubleSpinBox(rodzic), nazwa);
  e->setDecimals(krok >= 1 ? 0 : (krok >= 0.1 ? 1 : 2));
  e->setRange(min, max);
  e->setSingleStep(krok);
  e->setValue(wartosc);
  e->setEnabled(wlaczona);
  e->setAlignment(Qt::AlignRight);
  e->setKeyboardTracking(false);
  return e;
}

QSpinBox* EdycjaCalkowita(QWidget* rodzic, const char* nazwa, int min, int max, int krok, int wartosc) {
  auto* e = Nazwij(new QSpinBox(rodzic), nazwa);
  e->setRange(min, max);
  e->setSingleStep(krok);
  e->setValue(wartosc);
  e->setAlignment(Qt::AlignRight);
  e->setKeyboardTracking(false);
  return e;
}

QLabel* Wartosc(QWidget* rodzic, const char* nazwa, const QString& wzor) {
  auto* l = Nazwij(new QLabel(QStringLiteral("0"), rodzic), nazwa);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  // Wide enough for the longest reading, so the panel never jumps.
  l->setMinimumWidth(QFontMetrics(f).horizontalAdvance(wzor) + 2);
  return l;
}

QLabel* Tytul(QWidget* rodzic, const char* nazwa, const QString& tekst, const QColor& kolor = QColor()) {
  auto* l = Nazwij(new QLabel(tekst, rodzic), nazwa);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  if (kolor.isValid()) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kolor);
    l->setPalette(p);
  }
  return l;
}

QPlainTextEdit* Memo(QWidget* rodzic, const char* nazwa, const QColor& kolor = QColor()) {
  auto* m = Nazwij(new QPlainTextEdit(rodzic), nazwa);
  m->setReadOnly(true);
  m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  if (kolor.isValid()) {
    QPalette p = m->palette();
    p.setColor(QPalette::Text, kolor);
    m->setPalette(p);
  }
  QFont f = m->font();
  f.setBold(true);
  m->setFont(f);
  return m;
}

// An empty area a later feature draws in: a sunken white frame.
QFrame* Obszar(QWidget* rodzic, const char* nazwa) {
  auto* f = Nazwij(new QFrame(rodzic), nazwa);
  f->setFrameShape(QFrame::StyledPanel);
  f->setFrameShadow(QFrame::Sunken);
  f->setAutoFillBackground(true);
  f->setBackgroundRole(QPalette::Base);
  f->setMinimumSize(120, 80);
  return f;
}

QWidget* Panel(QWidget* rodzic, const char* nazwa) {
  auto* p = Nazwij(new QWidget(rodzic), nazwa);
  return p;
}

}  // namespace

void TWtryskForm::ZbudujOkno() {
  ZbudujMenu();

  auto* srodek = new QWidget(this);
  srodek->setObjectName(QStringLiteral("Srodek"));
  auto* uklad = new QHBoxLayout(srodek);
  uklad->setContentsMargins(6, 6, 6, 6);
  uklad->setSpacing(6);

  // The working area: the tabs, then the page shown.
  auto* panelZWykresem = Panel(srodek, "PanelZWykresem");
  auto* ukladStron = new QVBoxLayout(panelZWykresem);
  ukladStron->setContentsMargins(0, 0, 0, 0);
  ukladStron->setSpacing(0);
  auto* rzadZakladek = new QHBoxLayout;
  NadWykresem = new TZakladki(panelZWykresem);
  for (const char* tekst : {" Parametry ", " AutoKalibracja ", " Błędy ", " Mapa ", " Ustawienia "}) {
    NadWykresem->addTab(QString::fromUtf8(tekst));
  }
  NadWykresem->CzyWolnoZmienic = [this] { return !KalibracjaTrwaFlaga; };
  connect(NadWykresem, &QTabBar::currentChanged, this, [this](int strona) { PokazZakladke(strona); });
  rzadZakladek->addWidget(NadWykresem);
  rzadZakladek->addStretch();
  auto* info = Nazwij(new QToolButton(panelZWykresem), "BitBtnWithColor1");
  info->setText(QStringLiteral("i"));
  info->setToolTip(QStringLiteral("Informacja o Sterowniku"));
  QFont pogrubiona = info->font();
  pogrubiona.setBold(true);
  info->setFont(pogrubiona);
  info->setAutoRaise(true);
  connect(info, &QToolButton::clicked, this, [this] { PokazInfoOSterowniku(false); });
  rzadZakladek->addWidget(info);
  ukladStron->addLayout(rzadZakladek);

  auto* ramkaStron = Nazwij(new QFrame(panelZWykresem), "PodZakladkami");
  ramkaStron->setFrameShape(QFrame::StyledPanel);
  auto* ukladRamki = new QVBoxLayout(ramkaStron);
  ukladRamki->setContentsMargins(8, 8, 8, 8);
  Strony = {ZbudujStroneParametry(), ZbudujStroneKalibracja(), ZbudujStroneBledy(), ZbudujStroneMapa(),
            ZbudujStroneUstawienia()};
  for (QWidget* strona : Strony) {
    strona->setParent(ramkaStron);
    ukladRamki->addWidget(strona);
  }
  ukladStron->addWidget(ramkaStron, 1);
  uklad->addWidget(panelZWykresem, 1);

  PrawyPanel = ZbudujPrawyPanel();
  PrawyPanel->setParent(srodek);
  uklad->addWidget(PrawyPanel);
  setCentralWidget(srodek);

  Pasek = new TPasekStatusu(this);
  Pasek->SzerokoscPrawegoPanelu = [this] { return PrawyPanel->width() + 6; };
  Pasek->ZrodloPanelu0 = [this] {
    const TPortKomunikacyjny* port = SesjaSterownika ? SesjaSterownika->Port() : nullptr;
    return PanelPolaczenia(!port || port->BrakPolaczenia(), Komunikaty());
  };
  Pasek->ZrodloPanelu3 = [this] {
    // Drawing the fuel panel is what takes note of a change of state.
    TDaneBiezace& d = SesjaSterownika->Model.DaneBiezace;
    d.ZmianaStanu = false;
    return PanelPaliwa(d, Komunikaty());
  };
  connect(Pasek, &TPasekStatusu::Klikniety, this, &TWtryskForm::PolaczClick);
  setStatusBar(Pasek);
  UkryjZakladki();
}

void TWtryskForm::ZbudujMenu() {
  QMenuBar* menu = menuBar();
  menu->setObjectName(QStringLiteral("MainMenu1"));

  Port = Nazwij(menu->addMenu(QStringLiteral("&Port")), "Port");
  QAction* polacz = Port->addAction(QStringLiteral("&Połącz"));
  polacz->setObjectName(QStringLiteral("Polacz"));
  connect(polacz, &QAction::triggered, this, &TWtryskForm::PolaczClick);
  QAction* rozlacz = Port->addAction(QStringLiteral("&Rozłącz"));
  rozlacz->setObjectName(QStringLiteral("Rozlacz"));
  connect(rozlacz, &QAction::triggered, this, &TWtryskForm::RozlaczClick);
  Port->addSeparator();

  QMenu* okno = Nazwij(menu->addMenu(QStringLiteral("&Okno")), "Okno");
  const char* const strony[] = {"&Parametry", "Auto&Kalibracja", "&Błędy", "&Mapa", "&Ustawienia"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = okno->addAction(QString::fromUtf8(strony[i]));
    a->setData(i);
    connect(a, &QAction::triggered, this, [this, i] {
      // The pages stay where they are while an autocalibration runs, whichever way the
      // fitter asks.
      if (!KalibracjaTrwaFlaga) PokazZakladke(i);
    });
  }

  Nazwij(menu->addMenu(QStringLiteral("&Język")), "Jezyk");
  Nazwij(menu->addAction(QStringLiteral("&Aktualizacja sterownika")), "Aktualizacja");
  Nazwij(menu->addAction(QStringLiteral("&Dokumentacja")), "Dokumentacja");
  QMenu* pomoc = Nazwij(menu->addMenu(QStringLiteral("&Help")), "Help");
  QAction* info = pomoc->addAction(QStringLiteral("&Informacja o Sterowniku"));
  info->setObjectName(QStringLiteral("InformacjaOSterowniku"));
  connect(info, &QAction::triggered, this, [this] { PokazInfoOSterowniku(false); });
  pomoc->addAction(QStringLiteral("O Progr&amie"))->setObjectName(QStringLiteral("OProgramie"));
}

QWidget* TWtryskForm::ZbudujPrawyPanel() {
  auto* prawy = Nazwij(new QWidget(this), "PrawyPanel");
  auto* uklad = new QVBoxLayout(prawy);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(6);
  auto* parametry = Panel(prawy, "ParametryWyswietlanePanel");
  auto* ukladParametrow = new QVBoxLayout(parametry);
  ukladParametrow->setContentsMargins(0, 0, 0, 0);
  ukladParametrow->setSpacing(4);

  // One reading: its channel switch, its label (the channel's colour) and its value.
  auto wiersz = [this](QGridLayout* siatka, int rzad, int kolumna, std::size_t kanal, const char* przelacznik,
                       const char* etykieta, const QString& tekst, QLabel* wartosc) {
    auto* p = Nazwij(new QCheckBox(siatka->parentWidget()), przelacznik);
    p->setToolTip(QStringLiteral("Pokaż na oscyloskopie"));
    PrzelacznikiKanalow[kanal] = p;
    auto* e = Nazwij(new QLabel(tekst, siatka->parentWidget()), etykieta);
    e->setProperty("Tag", static_cast<int>(kanal == 9 ? 10 : kanal));
    EtykietyKanalow[kanal] = e;
    siatka->addWidget(p, rzad, kolumna);
    siatka->addWidget(e, rzad, kolumna + 1);
    siatka->addWidget(wartosc, rzad, kolumna + 2);
  };
  auto grupa = [parametry](const char* nazwa, const QString& tytul) {
    auto* g = Nazwij(new QGroupBox(tytul, parametry), nazwa);
    auto* siatka = new QGridLayout(g);
    siatka->setContentsMargins(6, 4, 6, 4);
    siatka->setHorizontalSpacing(4);
    siatka->setVerticalSpacing(2);
    return std::pair{g, siatka};
  };

  {
    auto [g, s] = grupa("ObrotyGroupBox", QStringLiteral("Obroty [obr/min]"));
    WartoscObrotow = Wartosc(g, "RPMWartoscLabel", QStringLiteral("25500"));
    wiersz(s, 0, 0, 0, "RPMCheckBox", "RPMLabel", QStringLiteral("RPM"), WartoscObrotow);
    s->setColumnStretch(2, 1);
    ukladParametrow->addWidget(g);
  }
  {
    auto [g, s] = grupa("CzasWtryskuGroupBox", QStringLiteral("Czas wtrysku [ms]"));
    for (int i = 0; i < 8; ++i) {
      WartosciBenzyny[static_cast<std::size_t>(i)] =
          Wartosc(g, QStringLiteral("WtrB%1WartoscLabel").arg(i + 1).toLatin1().constData(), QStringLiteral("6553,5"));
    }
    // Cylinder 1 carries the petrol channel's switch; the cylinders stand in two columns.
    wiersz(s, 0, 0, 5, "WtrB1CheckBox", "Wtr1Label", QStringLiteral("Benz.1"), WartosciBenzyny[0]);
    EtykietyBenzyny[0] = EtykietyKanalow[5];
    for (int i = 1; i < 8; ++i) {
      auto* e = new QLabel(QStringLiteral("Benz.%1").arg(i + 1), g);
      e->setObjectName(QStringLiteral("Wtr%1Label").arg(i + 1));
      e->setProperty("Tag", 5);
      EtykietyBenzyny[static_cast<std::size_t>(i)] = e;
    }
    for (int i = 1; i < 8; ++i) {
      const int rzad = i % 4;
      const int kolumna = i < 4 ? 1 : 4;
      s->addWidget(EtykietyBenzyny[static_cast<std::size_t>(i)], rzad, kolumna);
      s->addWidget(WartosciBenzyny[static_cast<std::size_t>(i)], rzad, kolumna + 1);
    }
    s->setColumnMinimumWidth(3, 8);
    WartoscGazu = Wartosc(g, "WtrG1WartoscLabel", QStringLiteral("6553,5"));
    wiersz(s, 4, 0, 6, "WtrG1CheckBox", "CzasWtryskuGazuLabel", QStringLiteral("Gaz"), WartoscGazu);
    ukladParametrow->addWidget(g);
  }
  {
    auto [g, s] = grupa("CisnienieGroupBox", QStringLiteral("Ciśnienie [bar]"));
    WartoscCisnieniaGazu = Wartosc(g, "CisnienieGazuWartoscLabel", QStringLiteral("655,35"));
    WartoscCisnieniaKolektora = Wartosc(g, "CisnienieKolektroraWartoscLabel", QStringLiteral("655,35"));
    wiersz(s, 0, 0, 1, "CisnienieGazuCheckBox", "CisnienieGazuLabel", QStringLiteral("Gaz"), WartoscCisnieniaGazu);
    wiersz(s, 1, 0, 2, "CisnienieKolektroraCheckBox", "CisnienieKolektroraLabel", QStringLiteral("Kolektor"),
           WartoscCisnieniaKolektora);
    s->setColumnStretch(2, 1);
    ukladParametrow->addWidget(g);
  }
  {
    auto [g, s] = grupa("TemperaturaGroupBox", QStringLiteral("Temperatura [°C]"));
    WartoscTempGazu = Wartosc(g, "TemperaturaGazuWartoscLabel", QStringLiteral("-128"));
    WartoscTempReduktora = Wartosc(g, "TemperaturaReduktoraWartoscLabel", QStringLiteral("-128"));
    wiersz(s, 0, 0, 7, "TemperaturaGazuCheckBox", "TemperaturaGazuLabel", QStringLiteral("Gaz"), WartoscTempGazu);
    wiersz(s, 1, 0, 8, "TemperaturaReduktoraCheckBox", "TemperaturaReduktoraLabel", QStringLiteral("Reduktor"),
           WartoscTempReduktora);
    s->setColumnStretch(2, 1);
    ukladParametrow->addWidget(g);
  }
  {
    auto [g, s] = grupa("NapiecieGroupBox", QStringLiteral("Napięcie [V]"));
    WartoscZasilania = Wartosc(g, "NapiecieZasilaniaWartoscLabel", QStringLiteral("655,35"));
    WartoscLambda1 = Wartosc(g, "NapiecieLambda1WartoscLabel", QStringLiteral("655,35"));
    WartoscLambda2 = Wartosc(g, "NapiecieLambda2WartoscLabel", QStringLiteral("655,35"));
    wiersz(s, 0, 0, 4, "NapiecieZasilaniaCheckBox", "NapiecieZasilaniaLabel", QStringLiteral("Zasilanie"),
           WartoscZasilania);
    wiersz(s, 1, 0, 3, "NapiecieLambda1CheckBox", "NapiecieLambda1Label", QStringLiteral("Lambda 1"), WartoscLambda1);
    wiersz(s, 2, 0, 9, "NapiecieLambda2CheckBox", "NapiecieLambda2Label", QStringLiteral("Lambda 2"), WartoscLambda2);
    s->setColumnStretch(2, 1);
    ukladParametrow->addWidget(g);
  }
  {
    auto* g = Nazwij(new QGroupBox(QStringLiteral("Wtryskiwacze gazowe"), parametry), "AktGazGroupBox");
    auto* rzad = new QHBoxLayout(g);
    rzad->setContentsMargins(4, 2, 4, 2);
    rzad->setSpacing(2);
    for (int i = 0; i < 8; ++i) {
      auto* ramka = new TWtryskiwaczFrame(i + 1, g);
      connect(ramka, &TWtryskiwaczFrame::Klikniety, this, &TWtryskForm::KliknietoWtryskiwacz);
      Ramki[static_cast<std::size_t>(i)] = ramka;
      rzad->addWidget(ramka);
    }
    ukladParametrow->addWidget(g);
  }
  uklad->addWidget(parametry);
  uklad->addStretch(1);

  // The switch panel stands at the bottom.
  CentralkaVO = new TCentralkaVOLed300(*Czas, prawy);
  connect(CentralkaVO, &TCentralkaVO::ZmienPaliwo, this, &TWtryskForm::ZmienPaliwo);
  uklad->addWidget(CentralkaVO);
  prawy->setFixedWidth(std::max(170, prawy->sizeHint().width()));
  UkladWtryskiwaczy(-1);
  return prawy;
}

QWidget* TWtryskForm::ZbudujStroneParametry() {
  auto* strona = Panel(this, "ParametryOkno");
  auto* uklad = new QHBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(10);

  // Car settings.
  auto* lewa = new QVBoxLayout;
  auto* samochod = Nazwij(new QGroupBox(QStringLiteral("Parametry samochodu"), strona), "SamochodParametryGroupBox");
  // The rows stand in one grid, so the panels a firmware shows or hides (the rpm signal
  // panels) keep their labels in line with the others.
  auto* fs = new QGridLayout(samochod);
  fs->setColumnStretch(2, 1);
  int rzad = 0;
  auto dodaj = [&](QWidget* w, const QString& etykieta, QWidget* pole) {
    auto* e = new QLabel(etykieta, w);
    e->setBuddy(pole);
    fs->addWidget(w == samochod ? static_cast<QWidget*>(e) : w, rzad, 0, 1, w == samochod ? 1 : 2);
    if (w == samochod) fs->addWidget(pole, rzad, 1);
    ++rzad;
    return e;
  };
  auto panel = [&](const char* nazwa, const QString& etykieta, QWidget* (*pole)(QWidget*)) {
    auto* p = Panel(samochod, nazwa);
    auto* u = new QHBoxLayout(p);
    u->setContentsMargins(0, 0, 0, 0);
    QWidget* w = pole(p);
    QLabel* e = dodaj(p, etykieta, w);
    u->addWidget(e);
    u->addWidget(w);
    u->addStretch();
    return std::pair{p, e};
  };
  QList<QLabel*> etykiety;
  etykiety << dodaj(samochod, QStringLiteral("Ilość cylindrów:"),
                    Lista(samochod, "ZmianaIlosciCylindrowCombo",
                          {QStringLiteral("3 cylindry"), QStringLiteral("4 cylindry"), QStringLiteral("5 cylindrów"),
                           QStringLiteral("6 cylindrów"), QStringLiteral("7 cylindrów"), QStringLiteral("8 cylindrów"),
                           QStringLiteral("1 cylinder motor-bike"), QStringLiteral("2 cylindry motor-bike"), QString()}));
  etykiety << dodaj(samochod, QStringLiteral("Cewki zapłonowe:"),
                    Lista(samochod, "ZmianaIlosciCewekCombo",
                          {QStringLiteral("cewka pojedyncza"), QStringLiteral("cewka podwójna"), QStringLiteral("3 cylindry"),
                           QStringLiteral("4 cylindry"), QStringLiteral("5 cylindrów"), QStringLiteral("6 cylindrów"),
                           QStringLiteral("8 cylindrów")}));
  auto [sygnal, etykietaSygnalu] = panel("SygObrPanel", QStringLiteral("Sygnał obrotów:"), [](QWidget* p) -> QWidget* {
    return Lista(p, "RodzajSygnaluObrotowCombo", {QStringLiteral("5 [V]"), QStringLiteral("12 [V]")});
  });
  auto [prog, etykietaProgu] = panel("ProgDetekcjiObrotowPanel", QStringLiteral("Próg detekcji obrotów [V]:"),
                                     [](QWidget* p) -> QWidget* {
                                       return Edycja(p, "ProgDetekcjiObrotowRxSpinEdit", 0, 15, 0.1, 0);
                                     });
  prog->hide();
  etykiety << etykietaSygnalu << etykietaProgu;
  etykiety << dodaj(samochod, QStringLiteral("Typ sondy lambda:"),
                    Lista(samochod, "ZmianaTypuSondyLambdaCombo",
                          {QStringLiteral("Napieciowa"), QStringLiteral("UEGO -> Napieciowa"),
                           QStringLiteral("UEGO -> Pelny zakres")},
                          false));
  etykiety << dodaj(samochod, QStringLiteral("Typ silnika:"),
                    Lista(samochod, "TypSilnikaComboBox", {QStringLiteral("Standard"), QStringLiteral("Turbo")}));
  etykiety << dodaj(samochod, QStringLiteral("Typ wtrysku:"),
                    Lista(samochod, "TypWtryskuComboBox", {QStringLiteral("Standard"), QStringLiteral("Renix")}, false));
  auto* plus = Nazwij(new QCheckBox(QStringLiteral("Wtr. Benz. sterowany +"), samochod), "WtrBenzSterPlusemCheckBox");
  plus->setEnabled(false);
  fs->addWidget(plus, rzad++, 0, 1, 2);
  int szerokosc = 0;
  for (QLabel* e : etykiety) szerokosc = std::max(szerokosc, e->sizeHint().width());
  for (QLabel* e : etykiety) e->setMinimumWidth(szerokosc);
  lewa->addWidget(samochod);
  auto* fabryczne = Nazwij(new QPushButton(QStringLiteral("Fabryczne"), strona), "UstawieniaFabryczneButton");
  fabryczne->setToolTip(QStringLiteral("Ustawienia fabryczne sterownika"));
  auto* rzadPrzyciskow = new QHBoxLayout;
  rzadPrzyciskow->addWidget(fabryczne);
  rzadPrzyciskow->addStretch();
  lewa->addLayout(rzadPrzyciskow);

  // The hidden switches of the gas injectors.
  WylWtrGazPanel = Nazwij(new QGroupBox(QStringLiteral("Wtryskiwacze gazowe włączone"), strona), "WylWtrGazPanel");
  auto* przelaczniki = new QGridLayout(WylWtrGazPanel);
  for (int i = 0; i < 8; ++i) {
    auto* p = new QCheckBox(QString::number(i + 1), WylWtrGazPanel);
    p->setObjectName(QString::fromLatin1(Kontrolka::WlWtrGazCheckBox[static_cast<std::size_t>(i)].data()));
    PrzelacznikiWtryskiwaczy[static_cast<std::size_t>(i)] = p;
    przelaczniki->addWidget(p, i / 4, i % 4);
  }
  WylWtrGazPanel->hide();
  lewa->addWidget(WylWtrGazPanel);
  lewa->addStretch();
  uklad->addLayout(lewa);

  // Gas controller settings.
  auto* prawa = new QVBoxLayout;
  auto* gaz = Nazwij(new QGroupBox(QStringLiteral("Ustawienia sterownika gazu"), strona), "GazParametryGroupBox");
  auto* fg = new QFormLayout(gaz);
  fg->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  auto* paliwo = new TGrupaOpcji(QStringLiteral("Rodzaj paliwa"), {QStringLiteral("LPG"), QStringLiteral("CNG")}, gaz);
  paliwo->setObjectName(QStringLiteral("RodzajPaliwaRadioGroup"));
  paliwo->UstawPozycje(0);
  paliwo->setEnabled(false);
  fg->addRow(paliwo);
  QStringList rodzaje;
  for (const TRodzajWtryskiwacza& r : RodzajeWtryskiwaczy) rodzaje << QStr(r.Nazwa);
  fg->addRow(QStringLiteral("Wtryskiwacze gazowe:"), Lista(gaz, "ZmianaRodzajuWtryskiwaczaGazowegoCombo", rodzaje));
  fg->addRow(QStringLiteral("Ciśnienie minimalne [bar]:"),
             Edycja(gaz, "ZmianaMinimalnegoCisnieniaRxSpinEdit", 0.3, 2.55, 0.01, 1.5));
  fg->addRow(QStringLiteral("Ciśnienie robocze [bar]:"),
             Edycja(gaz, "ZmianaCisnieniaRoboczegoRxSpinEdit", 0.3, 2.55, 0.01, 1.5, false));
  fg->addRow(QStringLiteral("Min. temperatura gazu [°C]:"), Edycja(gaz, "MinTempGazuRxSpinEdit", -30, 127, 1, 0, false));
  fg->addRow(QStringLiteral("Min. obroty na gazie [obr/min]:"),
             Edycja(gaz, "MinObrotyLPGRxSpinEdit", 0, 25500, 100, 0, false));
  fg->addRow(QStringLiteral("Maks. obroty na gazie [obr/min]:"),
             EdycjaCalkowita(gaz, "ZmianaMaksymalnychObrotowNaGazieSpinEdit", 0, 25500, 100, 6000));
  fg->addRow(QStringLiteral("Czas błędu ciśnienia [ms]:"),
             Edycja(gaz, "ZmianaCzasuBleduCisnieniaRxSpinEdit", 0, 1500, 10, 1500));
  auto* pierwszy = Nazwij(new QCheckBox(QStringLiteral("Wyłącz przy pierwszym"), gaz), "WylaczDlaPierwszegoBleduCheckBox");
  pierwszy->setEnabled(false);
  fg->addRow(QString(), pierwszy);
  fg->addRow(QStringLiteral("Temperatura przełączenia [°C]:"),
             EdycjaCalkowita(gaz, "ZmianaTemperaturyPrzelaczeniaNaGazSpinEdit", 15, 95, 1, 20));
  fg->addRow(QStringLiteral("Obroty przełączenia [obr/min]:"),
             EdycjaCalkowita(gaz, "ZmianaProguPrzelaczeniaNaGazSpinEdit", 0, 7000, 100, 1600));
  fg->addRow(QStringLiteral("Opóźnienie przełączenia [s]:"),
             Edycja(gaz, "ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit", 2, 32767, 0.5, 2));
  fg->addRow(QStringLiteral("Przełączanie kolejnych cylindrów [ms]:"),
             Edycja(gaz, "ZmianaCzasuPrzelaczeniaKolejnychCylindrowRxSpinEdit", 0, 2550, 10, 0));
  auto* tempKalib = Nazwij(new QLabel(QStringLiteral("-"), gaz), "TempGazuKalibWartoscLabel");
  fg->addRow(QStringLiteral("Temperatura gazu przy kalibracji [°C]:"), tempKalib);
  {
    auto* ukryte = Nazwij(new QGroupBox(QStringLiteral("Serwis"), gaz), "UkryteParametry");
    auto* f = new QFormLayout(ukryte);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    f->addRow(QStringLiteral("Wyłączenie wtrysk. przy błędzie ciśnienia [ms]:"),
              Edycja(ukryte, "CzasWylKolWtrGdyBladCisRxSpinEdit", 0, 2550, 10, 0, false));
    f->addRow(QStringLiteral("Czas otwarcia/zamknięcia wtrysk. [ms]:"),
              Edycja(ukryte, "ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit", 0, 10, 0.1, 0.1));
    f->addRow(QStringLiteral("Początek ograniczenia [ms]:"),
              Edycja(ukryte, "CzasRozpOgraniczeniaRxSpinEdit", 0, 25.5, 0.1, 0.1, false));
    f->addRow(QStringLiteral("Wypełnienie ograniczenia [%]:"),
              Edycja(ukryte, "WypelnienieOgraniczeniaRxSpinEdit", 0, 100, 1, 0, false));
    ukryte->hide();
    fg->addRow(ukryte);
  }
  prawa->addWidget(gaz);
  prawa->addStretch();
  uklad->addLayout(prawa);
  uklad->addStretch();

  // A small window (1280 x 800 with the hidden panels shown) scrolls rather than squeezes.
  auto* przewijanie = new QScrollArea(this);
  przewijanie->setObjectName(QStringLiteral("ParametryPrzewijanie"));
  przewijanie->setFrameShape(QFrame::NoFrame);
  przewijanie->setWidgetResizable(true);
  przewijanie->setWidget(strona);
  // The page is the named container; the scroll area only carries it.
  auto* opakowanie = new QWidget(this);
  auto* u = new QVBoxLayout(opakowanie);
  u->setContentsMargins(0, 0, 0, 0);
  u->addWidget(przewijanie);
  strona->setObjectName(QStringLiteral("ParametryOknoTresc"));
  opakowanie->setObjectName(QStringLiteral("ParametryOkno"));
  return opakowanie;
}

QWidget* TWtryskForm::ZbudujStroneKalibracja() {
  auto* strona = Panel(this, "KalibracjaKorekcjaOkno");
  auto* uklad = new QVBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(Obszar(strona, "KalibracjaFrameWtrysk"), 1);
  return strona;
}

QWidget* TWtryskForm::ZbudujStroneBledy() {
  auto* strona = Panel(this, "BledyOkno");
  auto* uklad = new QVBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  auto* ustawienia = Nazwij(new QGroupBox(QStringLiteral("Ustawienia Błędów"), strona), "UstawieniaBledowGroupBox");
  auto* u = new QHBoxLayout(ustawienia);
  auto* ciagly = Nazwij(new QCheckBox(QStringLiteral("Sygnał ciągły dla błedów"), ustawienia), "SygnalCiaglyCheckBox");
  ciagly->setEnabled(false);
  u->addWidget(ciagly);
  u->addStretch();
  uklad->addWidget(ustawienia);

  // Side by side, in equal halves: the errors active now and the messages.
  auto* aktualne = Panel(strona, "BledyAktualneKomunikatyPanel");
  auto* ua = new QHBoxLayout(aktualne);
  ua->setContentsMargins(0, 0, 0, 0);
  auto* lista = Panel(aktualne, "BledyAktualneListaPanel");
  auto* ul = new QVBoxLayout(lista);
  ul->setContentsMargins(0, 0, 0, 0);
  ul->addWidget(Tytul(lista, "BledyAktualneTytulPanel", QStringLiteral("Błędy aktualne"), Qt::red));
  ul->addWidget(Memo(lista, "BledyAktualneMemo", Qt::red));
  auto* komunikaty = Panel(aktualne, "KomunikatyPanel");
  auto* uk = new QVBoxLayout(komunikaty);
  uk->setContentsMargins(0, 0, 0, 0);
  uk->addWidget(Tytul(komunikaty, "KomunikatyTytulPanel", QStringLiteral("Komunikaty")));
  uk->addWidget(Memo(komunikaty, "KomunikatyMemo"));
  ua->addWidget(lista, 1);
  ua->addWidget(komunikaty, 1);
  uklad->addWidget(aktualne, 1);

  uklad->addWidget(Tytul(strona, "BledyZarejestrowaneTytulPanel", QStringLiteral("Błędy zarejestrowane"), QColor(128, 0, 0)));
  uklad->addWidget(Memo(strona, "BledyZarejestrowaneMemo", QColor(128, 0, 0)), 2);
  auto* dol = new QHBoxLayout;
  dol->addWidget(Nazwij(new QPushButton(QStringLiteral("Kasuj Błędy"), strona), "KasujBledyPrzycisk"));
  dol->addStretch();
  uklad->addLayout(dol);
  return strona;
}

QWidget* TWtryskForm::ZbudujStroneMapa() {
  auto* strona = Panel(this, "MapaBenzynaGazOkno");
  auto* uklad = new QVBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  Splitter1 = Nazwij(new QSplitter(Qt::Vertical, strona), "Splitter1");
  Splitter1->setChildrenCollapsible(false);

  // The map frame: its chart, and under it the legend, the lock and the node readout.
  auto* mapa = Nazwij(new QFrame(Splitter1), "MapaBenzynaGaz");
  auto* um = new QVBoxLayout(mapa);
  um->setContentsMargins(0, 0, 0, 0);
  um->addWidget(Obszar(mapa, "Wykres"), 1);
  auto* dol = new QHBoxLayout;
  auto legenda = [mapa](const char* nazwa, const QString& tekst, const QColor& kolor) {
    auto* l = Nazwij(new QLabel(tekst, mapa), nazwa);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kolor);
    l->setPalette(p);
    return l;
  };
  auto przycisk = [mapa](const char* nazwa) {
    auto* b = Nazwij(new QPushButton(QStringLiteral("Kasuj"), mapa), nazwa);
    b->setEnabled(false);
    return b;
  };
  dol->addWidget(legenda("LegendaBenzynaLabel", QStringLiteral("- Benzyna"), Qt::blue));
  dol->addWidget(przycisk("KasujMapeBenzynaButton"));
  auto* blokuj = Nazwij(new QCheckBox(QStringLiteral("Blokuj"), mapa), "BlokowanieCheckBox");
  blokuj->setEnabled(false);
  dol->addSpacing(12);
  dol->addWidget(blokuj);
  dol->addSpacing(12);
  dol->addWidget(legenda("LegendaGazLabel", QStringLiteral("- Gaz"), QColor(0, 128, 0)));
  dol->addWidget(przycisk("KasujMapeGazButton"));
  dol->addStretch();
  dol->addWidget(Nazwij(new QLabel(QStringLiteral("P:"), mapa), "PunktNazwaLabel"));
  dol->addWidget(Nazwij(new QLabel(mapa), "XLabel"));
  dol->addWidget(Nazwij(new QLabel(QStringLiteral("[ms]"), mapa), "JednostkaXLabel"));
  dol->addWidget(Nazwij(new QLabel(mapa), "YLabel"));
  um->addLayout(dol);

  // Under the splitter: the oscilloscope's place.
  auto* pod = Nazwij(new QFrame(Splitter1), "PodMapaPanel");
  auto* up = new QVBoxLayout(pod);
  up->setContentsMargins(0, 4, 0, 0);
  up->addWidget(Obszar(pod, "PodWykresemPanel"), 1);
  Splitter1->setStretchFactor(0, 1);
  Splitter1->setStretchFactor(1, 1);
  connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
    const QList<int> wys = Splitter1->sizes();
    const int calosc = wys.value(0) + wys.value(1);
    if (calosc > 0) Ustawienia.PodzialMapy = static_cast<int32_t>(std::lround(100.0 * wys.value(1) / calosc));
  });
  uklad->addWidget(Splitter1, 1);
  return strona;
}

QWidget* TWtryskForm::ZbudujStroneUstawienia() {
  auto* strona = Panel(this, "ZaawansowaneOkno");
  auto* uklad = new QHBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(10);
  auto* lewa = new QVBoxLayout;
  auto* czujniki = Nazwij(new QGroupBox(QStringLiteral("Czujniki"), strona), "CzujnikiGroupBox");
  auto* f = new QFormLayout(czujniki);
  f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  const QStringList cisnienie{QStringLiteral("PRX-10"), QStringLiteral("PRX-10R"), QStringLiteral("PRX-20"),
                              QStringLiteral("PRX-10X"), QStringLiteral("PRX-11")};
  f->addRow(QStringLiteral("Czujnik ciśnienia gazu:"), Lista(czujniki, "ZmianaCzujnikaCisnieniaCombo", cisnienie));
  f->addRow(QStringLiteral("Czujnik ciśnienia kolektora:"), Lista(czujniki, "ZmianaCzujnikaCisKolCombo", cisnienie, false));
  f->addRow(QStringLiteral("Czujnik temperatury reduktora:"),
            Lista(czujniki, "ZmianaCzujnikaTemperaturyReduktoraCombo",
                  {QStringLiteral("TSN-A"), QStringLiteral("TSN-B"), QStringLiteral("TSN-C"), QStringLiteral("TSN-D"),
                   QStringLiteral("TSN-E"), QStringLiteral("TSN-F")}));
  f->addRow(QStringLiteral("Czujnik temperatury gazu:"),
            Lista(czujniki, "ZmianaCzujnikaTemperaturyGazuCombo",
                  {QStringLiteral("TSN-A"), QStringLiteral("TSN-H"), QStringLiteral("TSN-C"), QStringLiteral("TSN-D"),
                   QStringLiteral("TSN-E"), QStringLiteral("TSN-F")}));
  lewa->addWidget(czujniki);
  lewa->addStretch();
  uklad->addLayout(lewa);

  // The service panel: register reader, reset count, history and map tools.
  auto* ukryty = Nazwij(new QGroupBox(QStringLiteral("Serwis"), strona), "UkrytePanel");
  auto* us = new QGridLayout(ukryty);
  us->addWidget(new QLabel(QStringLiteral("Adres rejestru:"), ukryty), 0, 0);
  us->addWidget(Nazwij(new QLineEdit(ukryty), "Edit1"), 0, 1);
  us->addWidget(Nazwij(new QPushButton(QStringLiteral("Pobierz Rejestr"), ukryty), "PobRejButton"), 0, 2);
  us->addWidget(Nazwij(new QLabel(ukryty), "AdresWartoscLabel"), 1, 0);
  us->addWidget(Nazwij(new QLabel(ukryty), "RejestrWartoscHexLabel"), 1, 1);
  us->addWidget(Nazwij(new QLabel(ukryty), "RejestrWartoscIntLabel"), 1, 2);
  us->addWidget(new QLabel(QStringLiteral("Ilość resetów:"), ukryty), 2, 0);
  us->addWidget(Nazwij(new QLabel(QStringLiteral("0"), ukryty), "IloscResetowWartoscLabel"), 2, 1);
  us->addWidget(Nazwij(new QPushButton(QStringLiteral("Numer seryjny"), ukryty), "Button1"), 3, 0);
  us->addWidget(Nazwij(new QPushButton(QStringLiteral("Kasuj info o ster."), ukryty), "KasujInfoOSter"), 3, 1);
  auto* narzedzia = new QHBoxLayout;
  for (const auto& [nazwa, tekst] : {std::pair{"ExportButton", "Export"}, std::pair{"ImButton", "Import"},
                                     std::pair{"AproxButton", "Aprox"}, std::pair{"ZapisMapyButton", "Zapis Mapy"}}) {
    narzedzia->addWidget(Nazwij(new QPushButton(QString::fromLatin1(tekst), ukryty), nazwa));
  }
  narzedzia->addWidget(new QLabel(QStringLiteral("Stopień:"), ukryty));
  narzedzia->addWidget(EdycjaCalkowita(ukryty, "StopienWielomianuSpinEdit", 1, 1000, 1, 3));
  us->addLayout(narzedzia, 4, 0, 1, 3);
  ukryty->hide();
  auto* prawa = new QVBoxLayout;
  prawa->addWidget(ukryty);
  prawa->addStretch();
  uklad->addLayout(prawa);
  uklad->addStretch();
  return strona;
}

}  // namespace wtrysk
