// The main window: start-up with and without the settings file, the file written at close,
// pages, the Port menu, the service key sequence and the window's named controls.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QtTest>

#include "OknoTestowe.h"
#include "TGrupaOpcji.h"
#include "TPasekStatusu.h"
#include "TZakladki.h"
#include "io/TListaPortow.h"
#include "okno/NazwyKontrolek.h"
#include "widok/UstawieniaProgramu.h"

namespace wtrysk {

namespace {

QColor KolorEtykiety(TWtryskForm& okno, const char* nazwa) {
  auto* l = qobject_cast<QLabel*>(okno.Okno().Kontrolka(nazwa));
  return l ? l->palette().color(QPalette::WindowText) : QColor();
}

const char* const EtykietyKanalow[] = {"RPMLabel", "CisnienieGazuLabel", "CisnienieKolektroraLabel",
                                       "NapiecieLambda1Label", "NapiecieZasilaniaLabel", "Wtr1Label",
                                       "CzasWtryskuGazuLabel", "TemperaturaGazuLabel", "TemperaturaReduktoraLabel",
                                       "NapiecieLambda2Label"};
const char* const PrzelacznikiKanalow[] = {"RPMCheckBox", "CisnienieGazuCheckBox", "CisnienieKolektroraCheckBox",
                                           "NapiecieLambda1CheckBox", "NapiecieZasilaniaCheckBox", "WtrB1CheckBox",
                                           "WtrG1CheckBox", "TemperaturaGazuCheckBox", "TemperaturaReduktoraCheckBox",
                                           "NapiecieLambda2CheckBox"};

QStringList Pozycje(QMenu* menu) {
  QStringList p;
  for (QAction* a : menu->actions()) {
    if (!a->isSeparator()) p << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
  }
  return p;
}

}  // namespace

class TWtryskFormTest : public QObject {
  Q_OBJECT

private slots:
  void FirstStartTakesDefaultsAndWritesTheFileAtClose() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    const TUstawieniaProgramu& u = okno.UstawieniaProgramu();
    QCOMPARE(u.PlikJezyka, std::string("English.lng"));
    QCOMPARE(u.PodzialMapy, 50);
    QCOMPARE(u.WybranyPort, 0);  // no port listed
    QCOMPARE(KolorEtykiety(okno, "RPMLabel"), QColor(Qt::red));
    QCOMPARE(KolorEtykiety(okno, "TemperaturaReduktoraLabel"), QColor(255, 128, 0));
    // The petrol channel's colour is every cylinder's.
    QCOMPARE(KolorEtykiety(okno, "Wtr8Label"), QColor(Qt::blue));
    for (const char* nazwa : PrzelacznikiKanalow) QVERIFY2(okno.Okno().Zaznaczony(nazwa), nazwa);
    QCOMPARE(okno.windowTitle(), QStringLiteral("Wtrysk LPG/CNG    1.14.0.0 "));
    QVERIFY(t.Komunikaty.Bledy.empty());

    okno.show();
    QVERIFY(okno.close());
    const auto plik = TFolderTymczasowy::Czytaj(t.Ustawienia());
    QCOMPARE(plik.size(), std::size_t{112});
    QCOMPARE(int(plik[0]), 11);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(plik.data()) + 1, 11), QByteArray("English.lng"));
    QCOMPARE(CzytajRekordUstawien(plik)->KoloryKanalow, KoloryKanalowDomyslne);
  }

  void ItalianWhenItsLanguageFileIsThere() {
    TOknoTestowe t;
    t.DodajJezyk("Italian.lng");
    t.DodajJezyk("English.lng");
    TWtryskForm& okno = t.Utworz();
    QCOMPARE(okno.UstawieniaProgramu().PlikJezyka, std::string("Italian.lng"));
    QVERIFY(okno.close());
    const auto plik = TFolderTymczasowy::Czytaj(t.Ustawienia());
    QCOMPARE(int(plik[0]), 11);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(plik.data()) + 1, 11), QByteArray("Italian.lng"));
  }

  void SavedSettingsAreAppliedAndWrittenBackWithTheSwitches() {
    TOknoTestowe t;
    TUstawieniaProgramu zapisane = UstawieniaDomyslne(false, std::nullopt);
    zapisane.PlikJezyka = "";
    zapisane.KoloryKanalow[0] = 0x00FF00;  // rpm green
    zapisane.KoloryKanalow[5] = 0x0000FF;  // petrol red
    zapisane.WidocznoscKanalow = {true, false, true, true, true, true, false, true, true, false};
    zapisane.PodzialMapy = 30;
    zapisane.WybranyPort = 104;  // an FTDI device that is not attached: no port, no message
    QVERIFY(ZapiszPlikUstawien(t.Ustawienia(), zapisane));

    TWtryskForm& okno = t.Utworz();
    QCOMPARE(okno.UstawieniaProgramu(), zapisane);
    QCOMPARE(KolorEtykiety(okno, "RPMLabel"), QColor(0, 255, 0));
    QCOMPARE(KolorEtykiety(okno, "Wtr3Label"), QColor(255, 0, 0));
    for (std::size_t k = 0; k < 10; ++k) {
      QCOMPARE(okno.Okno().Zaznaczony(PrzelacznikiKanalow[k]), zapisane.WidocznoscKanalow[k]);
    }
    QVERIFY(t.Komunikaty.Bledy.empty());

    // The map page takes its saved share once the window is shown.
    okno.resize(1280, 800);
    okno.show();
    okno.PokazZakladke(TWtryskForm::StronaMapa);
    auto* splitter = okno.findChild<QSplitter*>("Splitter1");
    QTRY_VERIFY(splitter->sizes().value(1) > 0);
    const QList<int> wys = splitter->sizes();
    QVERIFY2(std::abs(100.0 * wys[1] / (wys[0] + wys[1]) - 30) < 3, qPrintable(QString::number(wys[1])));

    okno.Okno().UstawZaznaczenie("WtrG1CheckBox", true);
    QVERIFY(okno.close());
    auto zapisane2 = zapisane;
    zapisane2.WidocznoscKanalow[6] = true;
    QCOMPARE(*CzytajPlikUstawien(t.Ustawienia()), zapisane2);
  }

  void AShortFileCountsAsNoFile() {
    TOknoTestowe t;
    const auto rekord = ZapiszRekordUstawien(TUstawieniaProgramu{"Polski.lng", 3, {}, {}, 70});
    TFolderTymczasowy::Zapisz(t.Ustawienia(), std::span<const uint8_t>(rekord).first(100));
    TWtryskForm& okno = t.Utworz();
    QCOMPARE(okno.UstawieniaProgramu(), UstawieniaDomyslne(false, std::nullopt));
    QVERIFY(t.Komunikaty.Bledy.empty());
  }

  void AFileThatCannotBeWrittenIsReportedAndTheProgramStillCloses() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    QVERIFY(QDir().mkpath(QString::fromStdString(t.Ustawienia() + ".tmp~")));  // the temporary name is taken
    okno.show();
    QVERIFY(okno.close());
    QVERIFY(okno.isHidden());
    QCOMPARE(t.Komunikaty.Bledy, (std::vector<std::string>{"Nie można zapisać do plikuustawienia.dat"}));
    QVERIFY(!QFile::exists(QString::fromStdString(t.Ustawienia())));
  }

  void PortMenuListsThePortsWithTheChosenOneChecked() {
    TOknoTestowe t;
    t.DodajPortWirtualny(7);
    t.DodajPortWirtualny(5);
    TWtryskForm& okno = t.Utworz();
    // No settings file: the first entry is the port, and the window tried to connect to it.
    QCOMPARE(okno.UstawieniaProgramu().WybranyPort, 5);
    QCOMPARE(Pozycje(okno.MenuPort()), (QStringList{"&Połącz", "&Rozłącz", "COM5 *", "COM7"}));

    // A port that appears is listed at the next refresh, a second later at most.
    t.DodajPortWirtualny(3);
    QVERIFY(okno.OdswiezMenuPortow(false));
    QCOMPARE(Pozycje(okno.MenuPort()), (QStringList{"&Połącz", "&Rozłącz", "COM3", "COM5 *", "COM7"}));
    QVERIFY2(!okno.OdswiezMenuPortow(false), "nothing changed");

    // Choosing from the menu moves the check mark; the choice is what the file keeps.
    for (QAction* a : okno.MenuPort()->actions()) {
      if (a->text() == QStringLiteral("COM7")) a->trigger();
    }
    QCOMPARE(Pozycje(okno.MenuPort()), (QStringList{"&Połącz", "&Rozłącz", "COM3", "COM5", "COM7 *"}));
    // Nothing answers behind these ports: seven seconds of silence close the link.
    t.Zegar.Przesun(7000);
    QCOMPARE(t.Komunikaty.Bledy, (std::vector<std::string>{"Brak sterownika gazu"}));
    QVERIFY(okno.close());
    QCOMPARE(CzytajPlikUstawien(t.Ustawienia())->WybranyPort, 7);
  }

  void PagesAndTheTabsRefusingWhileCalibrating() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.resize(1280, 800);
    okno.show();
    QCOMPARE(okno.Zakladka(), 0);
    const char* const strony[] = {"ParametryOkno", "KalibracjaKorekcjaOkno", "BledyOkno", "MapaBenzynaGazOkno",
                                  "ZaawansowaneOkno"};
    auto widoczna = [&]() {
      QStringList w;
      for (const char* s : strony) {
        if (okno.Okno().Kontrolka(s)->isVisible()) w << s;
      }
      return w;
    };
    QCOMPARE(widoczna(), QStringList{"ParametryOkno"});
    QCOMPARE(okno.Zakladki()->tabText(2), QStringLiteral(" Błędy "));

    // A click on a tab.
    TZakladki* zakladki = okno.Zakladki();
    QTest::mouseClick(zakladki, Qt::LeftButton, {}, zakladki->tabRect(2).center());
    QCOMPARE(okno.Zakladka(), 2);
    QCOMPARE(widoczna(), QStringList{"BledyOkno"});
    okno.PokazZakladke(1);
    QCOMPARE(widoczna(), QStringList{"KalibracjaKorekcjaOkno"});
    QVERIFY(okno.Okno().Kontrolka("KalibracjaFrameWtrysk")->isVisible());

    // While calibrating neither a tab nor the Okno menu moves away.
    okno.UstawKalibracjaTrwa(true);
    QTest::mouseClick(zakladki, Qt::LeftButton, {}, zakladki->tabRect(3).center());
    QTest::keyClick(zakladki, Qt::Key_Right);
    QMenu* menuOkno = okno.menuBar()->findChild<QMenu*>("Okno");
    menuOkno->actions().at(0)->trigger();
    QCOMPARE(okno.Zakladka(), 1);
    QCOMPARE(widoczna(), QStringList{"KalibracjaKorekcjaOkno"});

    okno.UstawKalibracjaTrwa(false);
    menuOkno->actions().at(3)->trigger();
    QCOMPARE(okno.Zakladka(), 3);
    QCOMPARE(widoczna(), QStringList{"MapaBenzynaGazOkno"});
    QVERIFY(!okno.Okno().Kontrolka("KalibracjaFrameWtrysk")->isVisible());
  }

  void ServiceKeySequenceRevealsTheHiddenPanels() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.resize(1280, 800);
    okno.show();
    QApplication::setActiveWindow(&okno);
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    okno.PokazZakladke(TWtryskForm::StronaUstawienia);
    QWidget* cel = QApplication::focusWidget() ? QApplication::focusWidget() : &okno;
    auto wpisz = [&](const char* tekst) {
      for (const char* c = tekst; *c; ++c) QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : cel, *c);
    };
    const char* const ukryte[] = {"UkrytePanel", "UkryteParametry", "WylWtrGazPanel"};
    for (const char* nazwa : ukryte) QVERIFY(okno.Okno().Kontrolka(nazwa)->isHidden());

    wpisz("zubre");
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : cel, Qt::Key_Tab);  // interrupted
    wpisz("nioq");
    QVERIFY(!okno.TrybSerwisowy());
    for (const char* nazwa : ukryte) QVERIFY(okno.Okno().Kontrolka(nazwa)->isHidden());

    wpisz("zubrenioq");
    QVERIFY(okno.TrybSerwisowy());
    for (const char* nazwa : ukryte) QVERIFY2(!okno.Okno().Kontrolka(nazwa)->isHidden(), nazwa);
    QVERIFY(okno.Okno().Kontrolka("UkrytePanel")->isVisible());
  }

  void NamedControlsExistWithTheirKinds() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    auto jest = [&](std::string_view nazwa) { return okno.Okno().Kontrolka(nazwa) != nullptr; };
    auto combo = [&](std::string_view nazwa) { return qobject_cast<QComboBox*>(okno.Okno().Kontrolka(nazwa)); };
    auto edycja = [&](std::string_view nazwa) {
      QWidget* w = okno.Okno().Kontrolka(nazwa);
      return qobject_cast<QDoubleSpinBox*>(w) != nullptr || qobject_cast<QSpinBox*>(w) != nullptr;
    };
    auto pole = [&](std::string_view nazwa) { return qobject_cast<QCheckBox*>(okno.Okno().Kontrolka(nazwa)) != nullptr; };
    auto memo = [&](std::string_view nazwa) {
      return qobject_cast<QPlainTextEdit*>(okno.Okno().Kontrolka(nazwa)) != nullptr;
    };
    namespace K = Kontrolka;
    for (auto nazwa : {K::ZmianaIlosciCylindrowCombo, K::ZmianaIlosciCewekCombo, K::RodzajSygnaluObrotowCombo,
                       K::ZmianaTypuSondyLambdaCombo, K::TypSilnikaComboBox, K::TypWtryskuComboBox,
                       K::ZmianaRodzajuWtryskiwaczaGazowegoCombo, K::ZmianaCzujnikaCisnieniaCombo,
                       K::ZmianaCzujnikaCisKolCombo, K::ZmianaCzujnikaTemperaturyReduktoraCombo,
                       K::ZmianaCzujnikaTemperaturyGazuCombo}) {
      QVERIFY2(combo(nazwa), nazwa.data());
    }
    for (auto nazwa : {K::ProgDetekcjiObrotowRxSpinEdit, K::ZmianaMinimalnegoCisnieniaRxSpinEdit,
                       K::ZmianaCisnieniaRoboczegoRxSpinEdit, K::MinTempGazuRxSpinEdit, K::MinObrotyLPGRxSpinEdit,
                       K::ZmianaMaksymalnychObrotowNaGazieSpinEdit, K::ZmianaCzasuBleduCisnieniaRxSpinEdit,
                       K::ZmianaTemperaturyPrzelaczeniaNaGazSpinEdit, K::ZmianaProguPrzelaczeniaNaGazSpinEdit,
                       K::ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit, K::ZmianaCzasuPrzelaczeniaKolejnychCylindrowRxSpinEdit,
                       K::CzasWylKolWtrGdyBladCisRxSpinEdit, K::ZmianaCzasuOtwrciaZamknieciaWtrRxSpinEdit,
                       K::CzasRozpOgraniczeniaRxSpinEdit, K::WypelnienieOgraniczeniaRxSpinEdit}) {
      QVERIFY2(edycja(nazwa), nazwa.data());
    }
    for (auto nazwa : {K::WtrBenzSterPlusemCheckBox, K::WylaczDlaPierwszegoBleduCheckBox, K::SygnalCiaglyCheckBox,
                       K::BlokowanieCheckBox}) {
      QVERIFY2(pole(nazwa), nazwa.data());
    }
    for (auto nazwa : K::WlWtrGazCheckBox) QVERIFY2(pole(nazwa), nazwa.data());
    for (auto nazwa : {K::BledyAktualneMemo, K::KomunikatyMemo, K::BledyZarejestrowaneMemo}) QVERIFY2(memo(nazwa), nazwa.data());
    for (auto nazwa : {K::SygObrPanel, K::ProgDetekcjiObrotowPanel, K::TempGazuKalibWartoscLabel, K::UstawieniaFabryczneButton,
                       K::UkryteParametry, K::WylWtrGazPanel, K::UkrytePanel, K::IloscResetowWartoscLabel,
                       K::RejestrWartoscHexLabel, K::RejestrWartoscIntLabel, K::KasujMapeBenzynaButton,
                       K::KasujMapeGazButton}) {
      QVERIFY2(jest(nazwa), nazwa.data());
    }
    for (auto nazwa : K::WtryskiwaczFrame) QVERIFY2(jest(nazwa), nazwa.data());
    QVERIFY(qobject_cast<TGrupaOpcji*>(okno.Okno().Kontrolka(K::RodzajPaliwaRadioGroup)));
    for (const char* nazwa : {"PrawyPanel", "ParametryWyswietlanePanel", "CisnienieGroupBox", "CzasWtryskuGroupBox",
                              "TemperaturaGroupBox", "NapiecieGroupBox", "ObrotyGroupBox", "AktGazGroupBox",
                              "PanelZWykresem", "NadWykresem", "PasekStatusu", "PodMapaPanel", "PodWykresemPanel",
                              "MapaBenzynaGaz", "Splitter1", "KomunikatyTytulPanel", "BledyAktualneListaPanel",
                              "BledyAktualneKomunikatyPanel", "KasujBledyPrzycisk", "BitBtnWithColor1",
                              "LedRezerwaImage", "Led4ZgaszonaImage", "CentralkaPrzyciskShape", "LedRodzajPaliwaShape",
                              "OdswierzPortyCOMTimer"}) {
      QVERIFY2(okno.findChild<QObject*>(nazwa), nazwa);
    }
    for (const char* nazwa : EtykietyKanalow) QVERIFY2(jest(nazwa), nazwa);
    auto* porty = okno.findChild<QTimer*>("OdswierzPortyCOMTimer");
    QCOMPARE(porty->interval(), 1000);
    QVERIFY(porty->isActive());

    // The lists the document gives.
    QCOMPARE(combo(K::ZmianaIlosciCylindrowCombo)->count(), 9);
    QCOMPARE(combo(K::ZmianaIlosciCylindrowCombo)->itemText(6), QStringLiteral("1 cylinder motor-bike"));
    QCOMPARE(combo(K::ZmianaRodzajuWtryskiwaczaGazowegoCombo)->count(), 10);
    QCOMPARE(combo(K::ZmianaCzujnikaTemperaturyGazuCombo)->itemText(1), QStringLiteral("TSN-H"));
    // The designed states: disabled until a firmware enables them, hidden until revealed.
    QVERIFY(!okno.Okno().Kontrolka(K::ZmianaTypuSondyLambdaCombo)->isEnabled());
    QVERIFY(!okno.Okno().Kontrolka(K::RodzajPaliwaRadioGroup)->isEnabled());
    QVERIFY(okno.Okno().Kontrolka(K::ProgDetekcjiObrotowPanel)->isHidden());
    QCOMPARE(okno.Okno().Wartosc(K::ZmianaProguPrzelaczeniaNaGazSpinEdit), 1600.0);
    QCOMPARE(okno.Okno().Wartosc(K::ZmianaMinimalnegoCisnieniaRxSpinEdit), 1.5);

    // The main menu.
    QStringList menu;
    for (QAction* a : okno.menuBar()->actions()) menu << a->text();
    QCOMPARE(menu, (QStringList{"&Port", "&Okno", "&Język", "&Aktualizacja sterownika", "&Dokumentacja", "&Help"}));
    QCOMPARE(Pozycje(okno.menuBar()->findChild<QMenu*>("Okno")),
             (QStringList{"&Parametry", "Auto&Kalibracja", "&Błędy", "&Mapa", "&Ustawienia"}));
    QCOMPARE(Pozycje(okno.menuBar()->findChild<QMenu*>("Help")), (QStringList{"&Informacja o Sterowniku", "O Progr&amie"}));
  }
};

}  // namespace wtrysk

QTEST_MAIN(wtrysk::TWtryskFormTest)
#include "TWtryskFormTest.moc"
