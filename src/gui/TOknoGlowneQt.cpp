#include "TOknoGlowneQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

#include "TGrupaOpcji.h"

namespace wtrysk {

void TOknoGlowneQt::DodajOkno(QWidget* okno) {
  if (okno && !Okna.contains(okno)) Okna.append(okno);
}

QWidget* TOknoGlowneQt::Kontrolka(std::string_view nazwa) const {
  if (nazwa.empty()) return nullptr;
  const QString klucz = QStr(nazwa);
  if (const auto it = Znalezione.constFind(klucz); it != Znalezione.constEnd() && *it) return *it;
  for (const QPointer<QWidget>& okno : Okna) {
    if (!okno) continue;
    QWidget* w = okno->objectName() == klucz ? okno.data() : okno->findChild<QWidget*>(klucz);
    if (w) {
      Znalezione.insert(klucz, w);
      return w;
    }
  }
  return nullptr;
}

void TOknoGlowneQt::UstawPozycje(std::string_view nazwa, int pozycja) {
  QWidget* w = Kontrolka(nazwa);
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    const QSignalBlocker cisza(combo);
    combo->setCurrentIndex(pozycja >= 0 && pozycja < combo->count() ? pozycja : -1);
  } else if (auto* grupa = qobject_cast<TGrupaOpcji*>(w)) {
    const QSignalBlocker cisza(grupa);
    grupa->UstawPozycje(pozycja);
  }
}

void TOknoGlowneQt::UstawWartosc(std::string_view nazwa, double wartosc) {
  QWidget* w = Kontrolka(nazwa);
  if (auto* d = qobject_cast<QDoubleSpinBox*>(w)) {
    d->setValue(wartosc);
  } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
    s->setValue(static_cast<int>(std::lround(wartosc)));
  } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
    p->setValue(static_cast<int>(std::lround(wartosc)));
  }
}

void TOknoGlowneQt::UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) {
  if (auto* b = qobject_cast<QAbstractButton*>(Kontrolka(nazwa)); b && b->isCheckable()) b->setChecked(zaznaczony);
}

void TOknoGlowneQt::UstawTekst(std::string_view nazwa, std::string_view tekst) {
  QWidget* w = Kontrolka(nazwa);
  const QString t = QStr(tekst);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(t);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(t);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(t);
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(t);
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(t);
  }
}

void TOknoGlowneQt::Wlacz(std::string_view nazwa) {
  if (QWidget* w = Kontrolka(nazwa)) w->setEnabled(true);
}

void TOknoGlowneQt::Wylacz(std::string_view nazwa) {
  if (QWidget* w = Kontrolka(nazwa)) w->setEnabled(false);
}

void TOknoGlowneQt::Pokaz(std::string_view nazwa) {
  if (QWidget* w = Kontrolka(nazwa)) w->setVisible(true);
}

void TOknoGlowneQt::Ukryj(std::string_view nazwa) {
  if (QWidget* w = Kontrolka(nazwa)) w->setVisible(false);
}

int TOknoGlowneQt::Pozycja(std::string_view nazwa) const {
  QWidget* w = Kontrolka(nazwa);
  if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
  if (auto* grupa = qobject_cast<TGrupaOpcji*>(w)) return grupa->Pozycja();
  return -1;
}

double TOknoGlowneQt::Wartosc(std::string_view nazwa) const {
  QWidget* w = Kontrolka(nazwa);
  if (auto* d = qobject_cast<QDoubleSpinBox*>(w)) return d->value();
  if (auto* s = qobject_cast<QSpinBox*>(w)) return s->value();
  if (auto* p = qobject_cast<QProgressBar*>(w)) return p->value();
  return 0.0;
}

bool TOknoGlowneQt::Zaznaczony(std::string_view nazwa) const {
  auto* b = qobject_cast<QAbstractButton*>(Kontrolka(nazwa));
  return b && b->isChecked();
}

std::string TOknoGlowneQt::KontrolkaZFokusem() const {
  // The focus may sit in a part of a control (a spin box's line edit): the control is the
  // nearest widget up the chain that carries a name of its own.
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
    const QString nazwa = w->objectName();
    if (nazwa.isEmpty() || nazwa.startsWith(QLatin1String("qt_"))) continue;
    for (const QPointer<QWidget>& okno : Okna) {
      if (okno && (okno == w || okno->isAncestorOf(w))) return nazwa.toStdString();
    }
    return {};
  }
  return {};
}

void TOknoGlowneQt::UstawFokus(std::string_view nazwa) {
  QWidget* w = Kontrolka(nazwa);
  if (!w || !w->isEnabled() || !w->isVisible() || w->focusPolicy() == Qt::NoFocus) return;
  w->setFocus(Qt::OtherFocusReason);
}

void TOknoGlowneQt::WyczyscLinie(std::string_view nazwa) {
  if (auto* m = qobject_cast<QPlainTextEdit*>(Kontrolka(nazwa))) m->clear();
}

void TOknoGlowneQt::DodajLinie(std::string_view nazwa, std::string_view tekst) {
  if (auto* m = qobject_cast<QPlainTextEdit*>(Kontrolka(nazwa))) m->appendPlainText(QStr(tekst));
}

int TOknoGlowneQt::LiczbaLinii(std::string_view nazwa) const {
  auto* m = qobject_cast<QPlainTextEdit*>(Kontrolka(nazwa));
  if (!m || m->document()->isEmpty()) return 0;
  return m->document()->blockCount();
}

void TOknoGlowneQt::PokazSterownikResetowany(std::string_view tekst) {
  if (Zaczepy) Zaczepy->PokazSterownikResetowany(tekst);
}
void TOknoGlowneQt::PokazAktywneWtryskiwacze(uint8_t maska) {
  if (Zaczepy) Zaczepy->PokazAktywneWtryskiwacze(maska);
}
void TOknoGlowneQt::UstawZakresOsiMapy() {
  if (Zaczepy) Zaczepy->UstawZakresOsiMapy();
}
void TOknoGlowneQt::UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) {
  if (Zaczepy) Zaczepy->UstawWezlyMapy(wezly);
}
void TOknoGlowneQt::OdswiezMape() {
  if (Zaczepy) Zaczepy->OdswiezMape();
}
void TOknoGlowneQt::ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) {
  if (Zaczepy) Zaczepy->ZapiszPunktTabeli(wiersz, indeks, wartosc);
}
void TOknoGlowneQt::OdswiezWidok() {
  if (Zaczepy) Zaczepy->OdswiezWidok();
}
void TOknoGlowneQt::UstawTekstPaskaStatusu(int panel, std::string_view tekst) {
  if (Zaczepy) Zaczepy->UstawTekstPaskaStatusu(panel, tekst);
}
void TOknoGlowneQt::OdswiezPasekStatusu() {
  if (Zaczepy) Zaczepy->OdswiezPasekStatusu();
}
bool TOknoGlowneQt::OtworzOknoAktualizacji() { return Zaczepy && Zaczepy->OtworzOknoAktualizacji(); }

}  // namespace wtrysk
