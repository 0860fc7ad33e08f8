// The core's window interface over widgets found by objectName.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtTest>

#include "TGrupaOpcji.h"
#include "TOknoGlowneQt.h"

namespace wtrysk {

class TZaczepyNagrywajace : public TZaczepyOkna {
public:
  void OdswiezWidok() override { Wywolania << QStringLiteral("OdswiezWidok"); }
  void PokazAktywneWtryskiwacze(uint8_t maska) override { Wywolania << QStringLiteral("Aktywne %1").arg(maska); }
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override {
    Wywolania << QStringLiteral("Pasek %1 ").arg(panel) + QStr(tekst);
  }
  QStringList Wywolania;
};

class TOknoGlowneQtTest : public QObject {
  Q_OBJECT

  // A small window with one control of each kind, and a second window (a dialog that lives as
  // long as the main one).
  struct TUklad {
    QWidget Okno;
    QWidget Dialog;
    QComboBox* Combo;
    QDoubleSpinBox* Edycja;
    QSpinBox* EdycjaCalkowita;
    QCheckBox* Pole;
    QLabel* Etykieta;
    QGroupBox* Grupa;
    QPlainTextEdit* Memo;
    QProgressBar* Postep;
    TGrupaOpcji* Opcje;
    QLineEdit* WDialogu;
    TZaczepyNagrywajace Zaczepy;
    TOknoGlowneQt Interfejs{&Zaczepy};

    TUklad() {
      auto* u = new QVBoxLayout(&Okno);
      Combo = new QComboBox(&Okno);
      Combo->setObjectName("TypSilnikaComboBox");
      Combo->addItems({"Standard", "Turbo"});
      Edycja = new QDoubleSpinBox(&Okno);
      Edycja->setObjectName("ZmianaMinimalnegoCisnieniaRxSpinEdit");
      Edycja->setRange(0.3, 2.55);
      Edycja->setSingleStep(0.01);
      EdycjaCalkowita = new QSpinBox(&Okno);
      EdycjaCalkowita->setObjectName("ZmianaMaksymalnychObrotowNaGazieSpinEdit");
      EdycjaCalkowita->setRange(0, 25500);
      Pole = new QCheckBox(&Okno);
      Pole->setObjectName("WtrBenzSterPlusemCheckBox");
      Grupa = new QGroupBox(&Okno);
      Grupa->setObjectName("UkryteParametry");
      auto* ug = new QVBoxLayout(Grupa);
      Etykieta = new QLabel(Grupa);  // nested: found all the same
      Etykieta->setObjectName("TempGazuKalibWartoscLabel");
      ug->addWidget(Etykieta);
      Memo = new QPlainTextEdit(&Okno);
      Memo->setObjectName("BledyZarejestrowaneMemo");
      Postep = new QProgressBar(&Okno);
      Postep->setObjectName("postep");
      Opcje = new TGrupaOpcji("Rodzaj paliwa", {"LPG", "CNG"}, &Okno);
      Opcje->setObjectName("RodzajPaliwaRadioGroup");
      for (QWidget* w : std::initializer_list<QWidget*>{Combo, Edycja, EdycjaCalkowita, Pole, Grupa, Memo, Postep, Opcje}) {
        u->addWidget(w);
      }
      auto* ud = new QVBoxLayout(&Dialog);
      WDialogu = new QLineEdit(&Dialog);
      WDialogu->setObjectName("SWersjaLabel");
      ud->addWidget(WDialogu);
      Interfejs.DodajOkno(&Okno);
      Interfejs.DodajOkno(&Dialog);
    }
  };

private slots:
  void ComboAndRadioGroupSelectSilently() {
    TUklad u;
    QSignalSpy zmiana(u.Combo, &QComboBox::currentIndexChanged);
    QSignalSpy wybor(u.Opcje, &TGrupaOpcji::Zmieniono);
    u.Interfejs.UstawPozycje("TypSilnikaComboBox", 1);
    QCOMPARE(u.Combo->currentIndex(), 1);
    QCOMPARE(u.Interfejs.Pozycja("TypSilnikaComboBox"), 1);
    u.Interfejs.UstawPozycje("TypSilnikaComboBox", 2);  // past the list: none
    QCOMPARE(u.Combo->currentIndex(), -1);
    u.Interfejs.UstawPozycje("TypSilnikaComboBox", -1);
    QCOMPARE(u.Interfejs.Pozycja("TypSilnikaComboBox"), -1);
    QCOMPARE(zmiana.count(), 0);

    u.Interfejs.UstawPozycje("RodzajPaliwaRadioGroup", 1);
    QCOMPARE(u.Interfejs.Pozycja("RodzajPaliwaRadioGroup"), 1);
    u.Interfejs.UstawPozycje("RodzajPaliwaRadioGroup", 5);
    QCOMPARE(u.Interfejs.Pozycja("RodzajPaliwaRadioGroup"), -1);
    QCOMPARE(wybor.count(), 0);
  }

  void SpinEditsAndCheckBoxesSignalLikeAUserEdit() {
    TUklad u;
    QSignalSpy edycja(u.Edycja, &QDoubleSpinBox::valueChanged);
    QSignalSpy pole(u.Pole, &QCheckBox::toggled);
    u.Interfejs.UstawWartosc("ZmianaMinimalnegoCisnieniaRxSpinEdit", 1.5);
    QCOMPARE(u.Interfejs.Wartosc("ZmianaMinimalnegoCisnieniaRxSpinEdit"), 1.5);
    u.Interfejs.UstawWartosc("ZmianaMinimalnegoCisnieniaRxSpinEdit", 1.5);  // no change, no signal
    u.Interfejs.UstawWartosc("ZmianaMinimalnegoCisnieniaRxSpinEdit", 9.0);  // kept within the range
    QCOMPARE(u.Interfejs.Wartosc("ZmianaMinimalnegoCisnieniaRxSpinEdit"), 2.55);
    QCOMPARE(edycja.count(), 2);

    u.Interfejs.UstawWartosc("ZmianaMaksymalnychObrotowNaGazieSpinEdit", 6000.4);
    QCOMPARE(u.EdycjaCalkowita->value(), 6000);
    u.Interfejs.UstawWartosc("postep", 42);
    QCOMPARE(u.Interfejs.Wartosc("postep"), 42.0);

    u.Interfejs.UstawZaznaczenie("WtrBenzSterPlusemCheckBox", true);
    QVERIFY(u.Interfejs.Zaznaczony("WtrBenzSterPlusemCheckBox"));
    u.Interfejs.UstawZaznaczenie("WtrBenzSterPlusemCheckBox", true);
    QCOMPARE(pole.count(), 1);
  }

  void TextsEnableShowAndLines() {
    TUklad u;
    u.Okno.show();
    u.Interfejs.UstawTekst("TempGazuKalibWartoscLabel", "25 °C");
    QCOMPARE(u.Etykieta->text(), QStringLiteral("25 °C"));
    u.Interfejs.UstawTekst("UkryteParametry", "Serwis");
    QCOMPARE(u.Grupa->title(), QStringLiteral("Serwis"));
    u.Interfejs.UstawTekst("SWersjaLabel", "1.11.24");  // in the second window
    QCOMPARE(u.WDialogu->text(), QStringLiteral("1.11.24"));

    u.Interfejs.Wylacz("TypSilnikaComboBox");
    QVERIFY(!u.Combo->isEnabled());
    u.Interfejs.Wlacz("TypSilnikaComboBox");
    QVERIFY(u.Combo->isEnabled());
    u.Interfejs.Ukryj("UkryteParametry");
    QVERIFY(u.Grupa->isHidden());
    QVERIFY(!u.Etykieta->isVisible());
    u.Interfejs.Pokaz("UkryteParametry");
    QVERIFY(!u.Grupa->isHidden());

    QCOMPARE(u.Interfejs.LiczbaLinii("BledyZarejestrowaneMemo"), 0);
    u.Interfejs.DodajLinie("BledyZarejestrowaneMemo", "1. Błąd napięcia");
    u.Interfejs.DodajLinie("BledyZarejestrowaneMemo", "2. Brak wtrysku benzyny");
    QCOMPARE(u.Interfejs.LiczbaLinii("BledyZarejestrowaneMemo"), 2);
    QCOMPARE(u.Memo->toPlainText(), QStringLiteral("1. Błąd napięcia\n2. Brak wtrysku benzyny"));
    u.Interfejs.WyczyscLinie("BledyZarejestrowaneMemo");
    QCOMPARE(u.Interfejs.LiczbaLinii("BledyZarejestrowaneMemo"), 0);
  }

  void FocusByName() {
    TUklad u;
    u.Okno.show();
    QApplication::setActiveWindow(&u.Okno);
    QVERIFY(QTest::qWaitForWindowActive(&u.Okno));
    u.Interfejs.UstawFokus("ZmianaMinimalnegoCisnieniaRxSpinEdit");
    // The focus sits in the spin box's line edit; the control is the spin box.
    QCOMPARE(u.Interfejs.KontrolkaZFokusem(), std::string("ZmianaMinimalnegoCisnieniaRxSpinEdit"));
    u.Interfejs.Wylacz("TypSilnikaComboBox");
    u.Interfejs.UstawFokus("TypSilnikaComboBox");  // disabled: the focus stays
    u.Interfejs.UstawFokus("");
    QCOMPARE(u.Interfejs.KontrolkaZFokusem(), std::string("ZmianaMinimalnegoCisnieniaRxSpinEdit"));
  }

  void UnknownNamesAndUnfittingOperationsAreIgnored() {
    TUklad u;
    for (const char* nazwa : {"NieMaTakiej", ""}) {
      u.Interfejs.UstawPozycje(nazwa, 1);
      u.Interfejs.UstawWartosc(nazwa, 1);
      u.Interfejs.UstawZaznaczenie(nazwa, true);
      u.Interfejs.UstawTekst(nazwa, "x");
      u.Interfejs.Wlacz(nazwa);
      u.Interfejs.Wylacz(nazwa);
      u.Interfejs.Pokaz(nazwa);
      u.Interfejs.Ukryj(nazwa);
      u.Interfejs.DodajLinie(nazwa, "x");
      u.Interfejs.WyczyscLinie(nazwa);
      u.Interfejs.UstawFokus(nazwa);
      QCOMPARE(u.Interfejs.Pozycja(nazwa), -1);
      QCOMPARE(u.Interfejs.Wartosc(nazwa), 0.0);
      QCOMPARE(u.Interfejs.Zaznaczony(nazwa), false);
      QCOMPARE(u.Interfejs.LiczbaLinii(nazwa), 0);
    }
    // A label has no position, a combo no value.
    u.Interfejs.UstawPozycje("TempGazuKalibWartoscLabel", 1);
    u.Interfejs.UstawWartosc("TypSilnikaComboBox", 1);
    QCOMPARE(u.Combo->currentIndex(), 0);
    QCOMPARE(u.Interfejs.Wartosc("TypSilnikaComboBox"), 0.0);
  }

  void AControlThatIsGoneIsNotFound() {
    TUklad u;
    u.Interfejs.UstawTekst("TempGazuKalibWartoscLabel", "1");  // found and remembered
    delete u.Etykieta;
    u.Interfejs.UstawTekst("TempGazuKalibWartoscLabel", "2");
    QVERIFY(u.Interfejs.Kontrolka("TempGazuKalibWartoscLabel") == nullptr);
    // One made later is found.
    auto* nowa = new QLabel(&u.Dialog);
    nowa->setObjectName("TempGazuKalibWartoscLabel");
    u.Interfejs.UstawTekst("TempGazuKalibWartoscLabel", "3");
    QCOMPARE(nowa->text(), QStringLiteral("3"));
  }

  void HooksGoToTheWindow() {
    TUklad u;
    u.Interfejs.OdswiezWidok();
    u.Interfejs.PokazAktywneWtryskiwacze(0x0F);
    u.Interfejs.UstawTekstPaskaStatusu(1, "ver. 1.11.24");
    u.Interfejs.OdswiezMape();  // a display that does not exist yet: nothing
    QVERIFY(!u.Interfejs.OtworzOknoAktualizacji());
    QCOMPARE(u.Zaczepy.Wywolania, (QStringList{"OdswiezWidok", "Aktywne 15", "Pasek 1 ver. 1.11.24"}));
    TOknoGlowneQt bez;  // no window behind it at all
    bez.OdswiezWidok();
    QVERIFY(!bez.OtworzOknoAktualizacji());
  }
};

}  // namespace wtrysk

QTEST_MAIN(wtrysk::TOknoGlowneQtTest)
#include "TOknoGlowneQtTest.moc"
