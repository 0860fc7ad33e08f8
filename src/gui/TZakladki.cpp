#include "TZakladki.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QWheelEvent>
#include <algorithm>

namespace wtrysk {

TZakladki::TZakladki(QWidget* rodzic) : QTabBar(rodzic) {
  setObjectName(QStringLiteral("NadWykresem"));
  setDrawBase(true);
  setExpanding(false);
  setFont(CzcionkaZakladek());
}

QFont TZakladki::CzcionkaZakladek() const {
  QFont f = font();
  f.setPointSize(10);
  return f;
}

void TZakladki::UstawKolorZakladki(int indeks, const QColor& kolor) {
  if (KolorZakladki(indeks) == kolor || (!kolor.isValid() && !Kolory.contains(indeks))) return;
  if (kolor.isValid()) {
    Kolory.insert(indeks, kolor);
  } else {
    Kolory.remove(indeks);
  }
  update();
}

QColor TZakladki::KolorZakladki(int indeks) const { return Kolory.value(indeks); }

QSize TZakladki::tabSizeHint(int indeks) const {
  QSize s = QTabBar::tabSizeHint(indeks);
  const QFontMetrics fm(CzcionkaZakladek());
  s.setHeight(std::max(s.height(), std::max(WysokoscZakladki, fm.height() + 12)));
  s.setWidth(std::max(s.width(), fm.horizontalAdvance(tabText(indeks)) + 24));
  return s;
}

void TZakladki::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab opcja;
    initStyleOption(&opcja, i);
    p.drawControl(QStyle::CE_TabBarTabShape, opcja);
    const QRect r = tabRect(i).adjusted(3, 3, -3, i == currentIndex() ? -1 : -2);
    const QColor kolor = Kolory.value(i);
    if (kolor.isValid()) p.fillRect(r, kolor);
    p.setFont(CzcionkaZakladek());
    p.setPen(palette().color(isTabEnabled(i) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(r, Qt::AlignCenter, tabText(i));
  }
}

void TZakladki::mousePressEvent(QMouseEvent* zdarzenie) {
  if (!Wolno()) {
    zdarzenie->accept();
    return;
  }
  QTabBar::mousePressEvent(zdarzenie);
}

void TZakladki::keyPressEvent(QKeyEvent* zdarzenie) {
  if (!Wolno()) {
    zdarzenie->accept();
    return;
  }
  QTabBar::keyPressEvent(zdarzenie);
}

void TZakladki::wheelEvent(QWheelEvent* zdarzenie) {
  if (!Wolno()) {
    zdarzenie->accept();
    return;
  }
  QTabBar::wheelEvent(zdarzenie);
}

}  // namespace wtrysk
