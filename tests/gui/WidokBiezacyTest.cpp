// The live view: labels, the switch panel's LEDs, the injector frames, the status bar, the
// errors tab and the overdue-inspection question; and a whole connection to the in-process
// simulated controller.
#include <QLabel>
#include <QLocale>
#include <QtTest>

#include "OknoTestowe.h"
#include "KoloryQt.h"
#include "TCentralkaVOLed300.h"
#include "TPasekStatusu.h"
#include "TWtryskiwaczFrame.h"
#include "TZakladki.h"
#include "aplikacja/TSesjaSterownika.h"
#include "link/Ramka.h"
#include "okno/NazwyKontrolek.h"
#include "widok/OdczytyWidoku.h"

namespace wtrysk {

namespace {

QString Tekst(TWtryskForm& okno, const char* nazwa) {
  auto* l = qobject_cast<QLabel*>(okno.Okno().Kontrolka(nazwa));
  return l ? l->text() : QStringLiteral("<brak>");
}

TDaneBiezace& Dane(TWtryskForm& okno) { return okno.Sesja().Model.DaneBiezace; }

void Flagi(TWtryskForm& okno, bool stacyjka, bool szybkie, bool miganie, bool gaz) {
  TDaneBiezace& d = Dane(okno);
  d.Stacyjka = stacyjka;
  d.MiganieSzybkie = szybkie;
  d.MiganieLed = miganie;
  d.NaGazie = gaz;
  d.ZmianaStanu = true;
}

// Live frames at ten a second for `ms`: the times at which the fuel LED changed.
QList<qint64> Zmiany(TOknoTestowe& t, int ms) {
  QList<qint64> zmiany;
  bool stan = t.Okno->Centralka()->StanLedPaliwa;
  for (int i = 0; i < ms; i += 5) {
    if (i % 100 == 0) t.Okno->OdswiezWidok();
    t.Zegar.Przesun(5);
    if (t.Okno->Centralka()->StanLedPaliwa != stan) {
      stan = !stan;
      zmiany << t.Zegar.CzasMs();
    }
  }
  return zmiany;
}

QList<qint64> Odstepy(const QList<qint64>& chwile) {
  QList<qint64> o;
  for (qsizetype i = 1; i < chwile.size(); ++i) o << chwile[i] - chwile[i - 1];
  return o;
}

// Frames of command 3 the program wrote.
std::vector<TTablicaByte> KomendyPaliwa(TPortSymulatora& port) {
  std::vector<TTablicaByte> k;
  for (const TTablicaByte& z : port.Zapisy) {
    if (z.size() == 5 && z[1] == 3) k.push_back(z);
  }
  return k;
}

}  // namespace

class WidokBiezacyTest : public QObject {
  Q_OBJECT

private slots:
  void LabelsUseTheLocalesDecimalSeparator() {
    QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));  // the test runs in pl_PL
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    TDaneBiezace& d = Dane(okno);
    d.CzasWtryskuBenzyny = {37, 0, 1, 100, 255, 999, 1000, 65535};
    d.CzasWtryskuGazu = 12345;
    d.NapiecieZasilania = 1380;
    d.NapiecieLambda1 = 45;
    d.NapiecieLambda2 = 100;
    d.CisnienieGazu = 120;
    d.CisnienieKolektora = 35;
    d.Obroty = 25;
    d.TempReduktora = -12;
    d.TempGazu = 40;
    okno.OdswiezWidok();
    QCOMPARE(Tekst(okno, "WtrB1WartoscLabel"), QStringLiteral("3,7"));
    QCOMPARE(Tekst(okno, "WtrB8WartoscLabel"), QStringLiteral("6553,5"));
    QCOMPARE(Tekst(okno, "WtrG1WartoscLabel"), QStringLiteral("12,3"));
    QCOMPARE(Tekst(okno, "NapiecieZasilaniaWartoscLabel"), QStringLiteral("13,80"));
    QCOMPARE(Tekst(okno, "NapiecieLambda1WartoscLabel"), QStringLiteral("0,45"));
    QCOMPARE(Tekst(okno, "NapiecieLambda2WartoscLabel"), QStringLiteral("1,00"));
    QCOMPARE(Tekst(okno, "CisnienieGazuWartoscLabel"), QStringLiteral("1,20"));
    QCOMPARE(Tekst(okno, "CisnienieKolektroraWartoscLabel"), QStringLiteral("0,35"));
    QCOMPARE(Tekst(okno, "RPMWartoscLabel"), QStringLiteral("2500"));
    QCOMPARE(Tekst(okno, "TemperaturaReduktoraWartoscLabel"), QStringLiteral("-12"));
    QCOMPARE(Tekst(okno, "TemperaturaGazuWartoscLabel"), QStringLiteral("40"));
  }

  void FuelLedBlinksAt250Or125MillisecondsAndStaysSteadyOnGas() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    TCentralkaVOLed300* panel = okno.Centralka();

    Flagi(okno, true, false, true, false);  // petrol, blinking
    QCOMPARE(Odstepy(Zmiany(t, 1100)), (QList<qint64>{250, 250, 250}));
    Flagi(okno, true, true, true, false);  // fast
    QCOMPARE(Odstepy(Zmiany(t, 700)), (QList<qint64>{125, 125, 125, 125}));

    Flagi(okno, true, false, false, true);  // on gas: lit, green
    QVERIFY(Zmiany(t, 500).size() <= 1);
    QVERIFY(panel->StanLedPaliwa);
    QCOMPARE(panel->KolorLeduPaliwa(), QColor(0, 128, 0));

    Flagi(okno, false, false, true, true);  // ignition off: dark, whatever else
    okno.OdswiezWidok();
    QVERIFY(!panel->StanLedPaliwa);
    QCOMPARE(panel->KolorLeduPaliwa(), QColor(Qt::black));
    QVERIFY(Zmiany(t, 500).isEmpty());
  }

  void LevelLeds() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    Flagi(okno, true, false, false, true);
    Dane(okno).PoziomGazuLed = 3;
    okno.OdswiezWidok();
    QCOMPARE(okno.Centralka()->Ledy(), (std::array<bool, 5>{false, true, true, true, false}));
    Dane(okno).PoziomGazuLed = 0;
    okno.OdswiezWidok();
    QCOMPARE(okno.Centralka()->Ledy(), (std::array<bool, 5>{true, false, false, false, false}));
    Dane(okno).PoziomGazuLed = 7;  // out of range: unchanged
    okno.OdswiezWidok();
    QCOMPARE(okno.Centralka()->Ledy(), (std::array<bool, 5>{true, false, false, false, false}));
    Flagi(okno, false, false, false, true);
    Dane(okno).PoziomGazuLed = 3;
    okno.OdswiezWidok();
    QCOMPARE(okno.Centralka()->Ledy(), (std::array<bool, 5>{}));
  }

  void StatusBarPanelsForEachState() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.resize(1280, 800);
    okno.show();
    TPasekStatusu* pasek = okno.PasekStatusu();
    struct Przypadek {
      bool Stacyjka, Szybkie, Miganie, Gaz;
      QString Tekst;
      QColor Tlo;
    };
    const Przypadek przypadki[] = {
        {false, true, true, true, "Brak Stacyjki", QColor(192, 192, 192)},
        {true, true, false, true, "Benzyna", QColor(255, 0, 0)},
        {true, false, false, true, "Gaz", QColor(0, 128, 0)},
        {true, false, true, false, "Benzyna", QColor(0, 0, 255)},
    };
    for (const auto& p : przypadki) {
      Flagi(okno, p.Stacyjka, p.Szybkie, p.Miganie, p.Gaz);
      okno.OdswiezWidok();
      pasek->grab();
      QCOMPARE(QStr(pasek->Narysowany(3).Tekst), p.Tekst);
      QCOMPARE(KolorQt(*pasek->Narysowany(3).Tlo), p.Tlo);
      QCOMPARE(pasek->Narysowany(3).RozmiarCzcionki, 10);
      QVERIFY2(!Dane(okno).ZmianaStanu, "drawing the fuel panel takes note of the change");
    }
    // No port: not connected, black on red.
    QCOMPARE(QStr(pasek->Narysowany(0).Tekst), QStringLiteral("Brak Połączenia"));
    QCOMPARE(KolorQt(*pasek->Narysowany(0).Tlo), QColor(255, 0, 0));
    // Panel 3 lies under the right-hand panel; no panel is narrower than its text.
    const auto panele = pasek->Panele();
    QCOMPARE(panele[3].right(), pasek->width() - 1);
    QVERIFY(panele[0].width() >= 100 && panele[1].width() >= 200);
  }

  void InjectorFramesLayoutAndActiveMask() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    Flagi(okno, false, false, false, false);
    Dane(okno).AktywneWtryskiwacze = 0x85;
    okno.OdswiezWidok();
    QList<bool> aktywne;
    for (int i = 0; i < 8; ++i) aktywne << okno.RamkaWtryskiwacza(i)->Aktywny();
    QCOMPARE(aktywne, (QList<bool>{true, false, true, false, false, false, false, true}));

    // With the ignition on the frames keep what they show; the hidden panel's switches show the
    // mask allowed by the controller, once the panel is revealed.
    Flagi(okno, true, false, false, true);
    Dane(okno).AktywneWtryskiwacze = 0x0F;
    okno.Sesja().Model.MaskaWtryskiwaczy = 0x07;
    okno.OdswiezWidok();
    QVERIFY(okno.RamkaWtryskiwacza(7)->Aktywny());
    QVERIFY(!okno.Okno().Zaznaczony(Kontrolka::WlWtrGazCheckBox[0]));  // panel hidden: untouched
    okno.Okno().Pokaz(Kontrolka::WylWtrGazPanel);
    okno.OdswiezWidok();
    QList<bool> przelaczniki;
    for (auto nazwa : Kontrolka::WlWtrGazCheckBox) przelaczniki << okno.Okno().Zaznaczony(nazwa);
    QCOMPARE(przelaczniki, (QList<bool>{true, true, true, false, false, false, false, false}));

    // Five cylinders: frames 1 to 5.
    okno.UkladWtryskiwaczy(2);
    QList<bool> wlaczone;
    for (int i = 0; i < 8; ++i) wlaczone << okno.RamkaWtryskiwacza(i)->isEnabled();
    QCOMPARE(wlaczone, (QList<bool>{true, true, true, true, true, false, false, false}));
  }

  void ErrorsTabColourAndTheInspectionQuestionOncePerConnection() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    TPortSymulatora& port = t.PolaczSymulator();
    t.Zegar.Przesun(500);
    t.Komunikaty.Pytania.clear();

    auto ramka = [&](std::array<uint8_t, 4> bledy) {
      Dane(okno).BledyBiezace = bledy;
      okno.OdswiezWidok();
      QCoreApplication::processEvents();  // the question comes after the frame
    };
    ramka({0xFF, 0xFF, 0xFF, 0xFF});
    QCOMPARE(okno.KolorBledow(), TKolorZakladkiBledow::KolorOkna);
    QVERIFY(!okno.Zakladki()->KolorZakladki(TWtryskForm::StronaBledy).isValid());
    ramka({0xFB, 0xFF, 0xFE, 0xFF});
    QCOMPARE(okno.Zakladki()->KolorZakladki(TWtryskForm::StronaBledy), QColor(255, 0, 0));
    QVERIFY(t.Komunikaty.Pytania.empty());

    ramka({0xFF, 0xF7, 0xFF, 0xFF});  // inspection overdue, nothing else
    QCOMPARE(okno.Zakladki()->KolorZakladki(TWtryskForm::StronaBledy), QColor(176, 176, 0));
    QCOMPARE(t.Komunikaty.Pytania,
             (std::vector<std::string>{"Pytanie|Brak wymaganego przeglądu instalacji  !!! \r\n\r\n Czy chcesz skasować przegląd ?"}));
    ramka({0xFF, 0xF7, 0xFF, 0xFF});
    ramka({0xFF, 0xFF, 0xFF, 0xFF});
    ramka({0xFF, 0xF7, 0xFF, 0xFF});
    QCOMPARE(t.Komunikaty.Pytania.size(), std::size_t{1});

    // A new connection may ask again.
    port.Zamknij();
    port.Otworz();
    ramka({0xFF, 0xF7, 0xFF, 0xFF});
    QCOMPARE(t.Komunikaty.Pytania.size(), std::size_t{2});
  }

  void ErrorsPageListsTheCurrentErrorsWhileShown() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.show();
    okno.PokazZakladke(TWtryskForm::StronaBledy);
    Dane(okno).BledyBiezace = {0xFD, 0xF7, 0xFF, 0xFF};
    okno.OdswiezWidok();
    QCOMPARE(okno.Okno().LiczbaLinii(Kontrolka::BledyAktualneMemo), 0);
    QCOMPARE(okno.Okno().LiczbaLinii(Kontrolka::KomunikatyMemo), 2);
  }

  void ConnectionToTheSimulatedController() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.resize(1280, 800);
    okno.show();
    TPortSymulatora& port = t.PolaczSymulator();
    t.Zegar.Przesun(500);

    // The wire: the identification request first, then a poll every 100 ms.
    QVERIFY(!port.Zapisy.empty());
    QCOMPARE(port.Zapisy.front(), ZbudujRamkeKomendy(12, std::vector<uint8_t>{1}));
    port.Zapisy.clear();
    for (int i = 0; i < 10; ++i) {
      t.Zegar.Przesun(100);
      QCOMPARE(port.Zapisy.size(), std::size_t{1});
      QCOMPARE(port.Zapisy.front(), TTablicaByte(RamkaZapytania.begin(), RamkaZapytania.end()));
      port.Zapisy.clear();
    }

    okno.PasekStatusu()->grab();
    QCOMPARE(QStr(okno.PasekStatusu()->Narysowany(0).Tekst), QStringLiteral("Połączony"));
    QVERIFY(!okno.PasekStatusu()->Narysowany(0).Tlo.has_value());
    QVERIFY2(okno.PasekStatusu()->TekstPanelu(1).startsWith(QStringLiteral("ver. 1.11.24")),
             qPrintable(okno.PasekStatusu()->TekstPanelu(1)));
    // The readings on screen are the controller's, in the locale's format.
    const TTekstyOdczytow teksty = TekstyOdczytow(Dane(okno), ",");
    QCOMPARE(Tekst(okno, "RPMWartoscLabel"), QString::fromStdString(teksty.Obroty));
    QVERIFY(Dane(okno).Obroty > 0);
    QCOMPARE(Tekst(okno, "WtrB1WartoscLabel"), QString::fromStdString(teksty.CzasWtryskuBenzyny[0]));
    QCOMPARE(Tekst(okno, "NapiecieZasilaniaWartoscLabel"), QString::fromStdString(teksty.NapiecieZasilania));
    // The settings are in the controls, and the frames follow the cylinder count.
    QCOMPARE(okno.Okno().Pozycja(Kontrolka::ZmianaIlosciCylindrowCombo),
             int(port.Symulator().Nastawy().IloscCylindrow));
    const int cylindry = okno.Okno().Pozycja(Kontrolka::ZmianaIlosciCylindrowCombo);
    for (int i = 0; i < 8; ++i) QCOMPARE(okno.RamkaWtryskiwacza(i)->isEnabled(), i < 3 || i - 2 <= cylindry);
    QVERIFY(t.Komunikaty.Bledy.empty());

    // Rozłącz closes the link: disconnected, the switch panel dark.
    okno.RozlaczClick();
    okno.PasekStatusu()->grab();
    QCOMPARE(QStr(okno.PasekStatusu()->Narysowany(0).Tekst), QStringLiteral("Brak Połączenia"));
    QCOMPARE(okno.Centralka()->Ledy(), (std::array<bool, 5>{}));
    QVERIFY(!okno.Centralka()->StanLedPaliwa);
    // A click on the status bar connects again.
    QTest::mouseClick(okno.PasekStatusu(), Qt::LeftButton);
    t.Zegar.Przesun(500);
    okno.PasekStatusu()->grab();
    QCOMPARE(QStr(okno.PasekStatusu()->Narysowany(0).Tekst), QStringLiteral("Połączony"));
  }

  void CloseWaitsForTheAnswerOnTheLine() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.show();
    TPortSymulatora& port = t.PolaczSymulator();
    t.Zegar.Przesun(500);
    // A command is on the line (the fuel switch); its answer is some 20 ms away.
    okno.WyslijStanWtryskiwaczy(false, nullptr);
    QVERIFY(!port.LiniaWolna());
    QVERIFY(!okno.close());
    QVERIFY(okno.isVisible());
    QVERIFY(!QFile::exists(QString::fromStdString(t.Ustawienia())));
    t.Zegar.Przesun(150);
    QVERIFY(port.LiniaWolna());
    QTRY_VERIFY(okno.isHidden());
    QCOMPARE(TFolderTymczasowy::Czytaj(t.Ustawienia()).size(), std::size_t{112});
  }

  void InjectorClicksAndTheFuelButtonSendCommand3() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.show();
    TPortSymulatora& port = t.PolaczSymulator();
    t.Zegar.Przesun(500);
    okno.UkladWtryskiwaczy(1);
    okno.PokazAktywneWtryskiwacze(0x0F);
    port.Zapisy.clear();

    // On petrol a click only changes the frame.
    Dane(okno).NaGazie = false;
    auto kliknij = [&](int i) {
      QWidget* obraz = okno.RamkaWtryskiwacza(i)->findChild<QWidget*>(
          okno.RamkaWtryskiwacza(i)->Aktywny() ? "WtryskiwaczPracujacy" : "WtryskiwaczWylaczony");
      QTest::mouseClick(obraz, Qt::LeftButton);
      t.Zegar.Przesun(100);
    };
    kliknij(1);
    QVERIFY(!okno.RamkaWtryskiwacza(1)->Aktywny());
    QVERIFY(KomendyPaliwa(port).empty());

    // On gas the new mask goes out at once.
    Dane(okno).NaGazie = true;
    kliknij(1);
    QVERIFY(okno.RamkaWtryskiwacza(1)->Aktywny());
    QCOMPARE(KomendyPaliwa(port), (std::vector<TTablicaByte>{ZbudujRamkeKomendy(3, std::vector<uint8_t>{3, 0x0F})}));
    port.Zapisy.clear();

    // The fuel button asks for the other fuel; not while calibrating.
    for (bool gaz : {true, false}) {
      Dane(okno).NaGazie = gaz;
      QTest::mouseClick(okno.findChild<QWidget*>("CentralkaPrzyciskShape"), Qt::LeftButton);
      t.Zegar.Przesun(100);
      const uint8_t paliwo = gaz ? 2 : 3;
      QCOMPARE(KomendyPaliwa(port), (std::vector<TTablicaByte>{ZbudujRamkeKomendy(3, std::vector<uint8_t>{paliwo, 0x0F})}));
      port.Zapisy.clear();
    }
    port.Zapisy.clear();
    okno.UstawKalibracjaTrwa(true);
    QTest::mouseClick(okno.findChild<QWidget*>("CentralkaPrzyciskShape"), Qt::LeftButton);
    t.Zegar.Przesun(100);
    QVERIFY(KomendyPaliwa(port).empty());
  }
};

}  // namespace wtrysk

QTEST_MAIN(wtrysk::WidokBiezacyTest)
#include "WidokBiezacyTest.moc"
