// The change warning, the reset notice, the message boxes, the single running copy and the
// close on SIGTERM.
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <csignal>

#include "OknoTestowe.h"
#include "TCzasFrame.h"
#include "TJednaInstancja.h"
#include "TOknoKomunikatowQt.h"
#include "TSterownikResetowanyForm.h"
#include "TSygnalyZamkniecia.h"
#include "TZmianaNastawForm.h"
#include "aplikacja/TSesjaSterownika.h"

namespace wtrysk {

class DialogiTest : public QObject {
  Q_OBJECT

private slots:
  void ChangeWarningDialog() {
    TZmianaNastawForm okno;
    QCOMPARE(okno.windowTitle(), QStringLiteral("Ostrzeżenie"));
    QVERIFY(okno.isModal());
    QVERIFY(okno.findChild<QLabel*>("OstrzezenieLabel")->text().startsWith(
        QStringLiteral("Sterownik rejestruje wszystkie połączenia, Zmiana nastaw")));
    QVERIFY(okno.PokazNastepnymRazemCheckBox->isChecked());
    QCOMPARE(okno.OkButton->text(), QStringLiteral("OK"));
    QCOMPARE(okno.AnulujButton->text(), QStringLiteral("Anuluj"));

    // "Anuluj" has the focus and is what Enter presses; "OK" accepts, closing refuses.
    okno.show();
    QApplication::setActiveWindow(&okno);
    QVERIFY(QTest::qWaitForWindowActive(&okno));
    QCOMPARE(QApplication::focusWidget(), okno.AnulujButton);
    QTest::keyClick(&okno, Qt::Key_Return);
    QCOMPARE(okno.result(), int(QDialog::Rejected));
    okno.show();
    okno.OkButton->click();
    QCOMPARE(okno.result(), int(QDialog::Accepted));
    okno.show();
    okno.close();
    QCOMPARE(okno.result(), int(QDialog::Rejected));
  }

  void RefusingTheWarningClosesTheProgramWithItsSettingsWritten() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.show();
    int pokazane = 0;
    okno.UruchomDialog = [&](QDialog& d) {
      if (qobject_cast<TZmianaNastawForm*>(&d)) ++pokazane;
      return int(QDialog::Accepted);
    };
    QVERIFY(okno.Sesja().PokazOstrzezenieZmiany());
    okno.UruchomDialog = [&](QDialog&) { return int(QDialog::Rejected); };
    QVERIFY(!okno.Sesja().PokazOstrzezenieZmiany());
    QCOMPARE(pokazane, 1);

    // The refusal closes the window once the send path is left.
    okno.Sesja().ZamknijAplikacje();
    QVERIFY(okno.isVisible());
    QTRY_VERIFY(okno.isHidden());
    QCOMPARE(TFolderTymczasowy::Czytaj(t.Ustawienia()).size(), std::size_t{112});
  }

  void ResetNoticeShowsWithoutBlocking() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    okno.show();
    TSterownikResetowanyForm* notka = okno.SterownikResetowany();
    QVERIFY(notka->isHidden());
    okno.Okno().PokazSterownikResetowany("Sterownik był 3 razy resetowany");
    QVERIFY(notka->isVisible());
    QVERIFY(!notka->isModal());
    QVERIFY(notka->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(notka->windowTitle(), QStringLiteral("Komunikat"));
    QCOMPARE(notka->SterResetLabel->text(), QStringLiteral("Sterownik był 3 razy resetowany"));
    QCOMPARE(notka->SterResetLabel->objectName(), QStringLiteral("SterResetLabel"));
    notka->OkButton->click();
    QVERIFY(notka->isHidden());
    // An open notice does not keep the program alive.
    okno.Okno().PokazSterownikResetowany("Sterownik był 1 raz resetowany");
    QVERIFY(okno.close());
    QVERIFY(notka->isHidden());
  }

  void TimeDisplay() {
    TCzasFrame czas(QStringLiteral("Praca na gazie"));
    const std::pair<uint32_t, QStringList> przypadki[] = {
        {7201, {"1", "0", "0"}}, {2440000, {"338", "53", "20"}}, {0, {"", "", ""}}};
    for (const auto& [polsekundy, teksty] : przypadki) {
      czas.PokazCzas(polsekundy);
      QCOMPARE((QStringList{czas.GodzinyWartoscLabel->text(), czas.MinutyWartoscLabel->text(),
                            czas.SekundyWartoscLabel->text()}),
               teksty);
    }
  }

  void MessageBoxes() {
    TOknoKomunikatowQt okna(QStringLiteral("Wtrysk"));
    QStringList widziane;
    int odpowiedz = QMessageBox::Yes;
    okna.Uruchom = [&](QMessageBox& m) {
      QString przyciski;
      if (m.standardButtons() & QMessageBox::Ok) przyciski += "Ok";
      if (m.standardButtons() & QMessageBox::Yes) przyciski += "Yes";
      if (m.standardButtons() & QMessageBox::No) przyciski += "No";
      widziane << QStringLiteral("%1|%2|%3|%4|%5")
                      .arg(int(m.icon()))
                      .arg(m.windowTitle(), m.text(), przyciski)
                      .arg(m.defaultButton() ? int(m.standardButton(m.defaultButton())) : 0);
      return odpowiedz;
    };
    okna.PokazBlad("Brak sterownika gazu");
    QVERIFY(okna.ZadajPytanie("Pytanie", "Brak przeglądu !!! \r\n\r\n Skasować ?"));
    odpowiedz = QMessageBox::No;
    QVERIFY(!okna.ZadajPytanie("Pytanie", "x"));
    QCOMPARE(widziane, (QStringList{
                           QStringLiteral("%1|Wtrysk|Brak sterownika gazu|Ok|0").arg(int(QMessageBox::Critical)),
                           QStringLiteral("%1|Pytanie|Brak przeglądu !!! \n\n Skasować ?|YesNo|%2")
                               .arg(int(QMessageBox::Question))
                               .arg(int(QMessageBox::No)),
                           QStringLiteral("%1|Pytanie|x|YesNo|%2").arg(int(QMessageBox::Question)).arg(int(QMessageBox::No)),
                       }));
  }

  void ASecondStartBringsTheFirstToTheFront() {
    const QString klucz = QStringLiteral("wtrysk-test-%1").arg(QCoreApplication::applicationPid());
    TJednaInstancja pierwsza(klucz);
    QVERIFY(pierwsza.Uruchom());
    QSignalSpy pokaz(&pierwsza, &TJednaInstancja::PokazSie);
    {
      TJednaInstancja druga(klucz);
      QVERIFY(!druga.Uruchom());
    }
    QVERIFY(pokaz.wait(2000));
    QCOMPARE(pokaz.count(), 1);
  }

  void SigtermClosesTheWindowAsTheFitterWould() {
    TOknoTestowe t;
    TWtryskForm& okno = t.Utworz();
    TSygnalyZamkniecia sygnaly;
    connect(&sygnaly, &TSygnalyZamkniecia::Zamknij, &okno, &TWtryskForm::ZamknijNaSygnal);
    okno.show();
    // A modal question is open; it is refused and the window closes all the same.
    QTimer::singleShot(0, &okno, [] { ::raise(SIGTERM); });
    okno.Okno().UstawZaznaczenie("RPMCheckBox", false);
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Pytanie"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No, &okno);
    pytanie.setWindowModality(Qt::ApplicationModal);
    const int wynik = pytanie.exec();
    QVERIFY(wynik != QMessageBox::Yes);
    QTRY_VERIFY(okno.isHidden());
    const auto zapisane = CzytajPlikUstawien(t.Ustawienia());
    QVERIFY(zapisane.has_value());
    QVERIFY(!zapisane->WidocznoscKanalow[0]);
  }
};

}  // namespace wtrysk

QTEST_MAIN(wtrysk::DialogiTest)
#include "DialogiTest.moc"
