#include "TPasekStatusu.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "KoloryQt.h"
#include "TOknoGlowneQt.h"

namespace wtrysk {

namespace {
constexpr int Margines = 6;
}

TPasekStatusu::TPasekStatusu(QWidget* rodzic) : QStatusBar(rodzic) {
  setObjectName(QStringLiteral("PasekStatusu"));
  setSizeGripEnabled(false);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Połącz"));
}

void TPasekStatusu::UstawTekstPanelu(int panel, const QString& tekst) {
  if (panel < 0 || panel >= static_cast<int>(Teksty.size())) return;
  Teksty[static_cast<std::size_t>(panel)] = tekst;
  update();
}

QString TPasekStatusu::TekstPanelu(int panel) const {
  if (panel < 0 || panel >= static_cast<int>(Teksty.size())) return {};
  return Teksty[static_cast<std::size_t>(panel)];
}

QSize TPasekStatusu::sizeHint() const {
  QFont duza = font();
  duza.setPointSize(10);
  const int h = std::max(fontMetrics().height(), QFontMetrics(duza).height()) + 8;
  return {400, h};
}

QSize TPasekStatusu::minimumSizeHint() const { return sizeHint(); }

std::array<QRect, 4> TPasekStatusu::Panele() const {
  const int prawy = SzerokoscPrawegoPanelu ? SzerokoscPrawegoPanelu() : 170;
  std::array<int, 4> w = SzerokosciPaneli(width(), prawy);
  // Panels 0 and 1 never cut their text: at large fonts they grow and panel 2 gives way.
  QFont mala = font();
  mala.setPointSize(8);
  w[0] = std::max(w[0], QFontMetrics(mala).horizontalAdvance(QStr(Wyglad0.Tekst)) + 2 * Margines);
  w[1] = std::max(w[1], fontMetrics().horizontalAdvance(Teksty[1]) + 2 * Margines);
  w[2] = std::max(0, width() - w[0] - w[1] - prawy);
  w[3] = std::max(0, width() - w[0] - w[1] - w[2]);
  std::array<QRect, 4> r;
  int x = 0;
  for (std::size_t i = 0; i < r.size(); ++i) {
    r[i] = QRect(x, 0, w[i], height());
    x += w[i];
  }
  return r;
}

void TPasekStatusu::RysujTekst(QPainter& p, const QRect& r, const QColor& czcionka, const QColor& tlo,
                               const QString& tekst, int rozmiar) const {
  p.fillRect(r, tlo);
  QFont f = font();
  f.setPointSize(rozmiar);
  p.setFont(f);
  p.setPen(czcionka);
  const QFontMetrics fm(f);
  const TPunkt punkt = PolozenieTekstu({r.left(), r.top(), r.width(), r.height()}, fm.horizontalAdvance(tekst), fm.height());
  p.drawText(QPoint(punkt.X, punkt.Y + fm.ascent()), tekst);
}

void TPasekStatusu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor tloOkna = palette().color(QPalette::Window);
  p.fillRect(rect(), tloOkna);
  if (ZrodloPanelu0) Wyglad0 = ZrodloPanelu0();
  if (ZrodloPanelu3) Wyglad3 = ZrodloPanelu3();
  const auto panele = Panele();
  const QRect wnetrze0 = panele[0].adjusted(1, 2, -1, -2);
  RysujTekst(p, wnetrze0, KolorQt(Wyglad0.Czcionka), Wyglad0.Tlo ? KolorQt(*Wyglad0.Tlo) : tloOkna,
             QStr(Wyglad0.Tekst), Wyglad0.RozmiarCzcionki);
  p.setFont(font());
  p.setPen(palette().color(QPalette::WindowText));
  for (std::size_t i : {std::size_t{1}, std::size_t{2}}) {
    p.drawText(panele[i].adjusted(Margines, 0, -Margines, 0), Qt::AlignVCenter | Qt::AlignLeft, Teksty[i]);
  }
  if (panele[3].width() > 0) {
    RysujTekst(p, panele[3].adjusted(1, 2, -1, -2), KolorQt(Wyglad3.Czcionka),
               Wyglad3.Tlo ? KolorQt(*Wyglad3.Tlo) : tloOkna, QStr(Wyglad3.Tekst), Wyglad3.RozmiarCzcionki);
  }
  // Separators between the panels.
  p.setPen(palette().color(QPalette::Mid));
  for (std::size_t i = 1; i < panele.size(); ++i) p.drawLine(panele[i].left(), 2, panele[i].left(), height() - 3);
  p.drawLine(0, 0, width(), 0);
}

void TPasekStatusu::mousePressEvent(QMouseEvent* zdarzenie) {
  if (zdarzenie->button() == Qt::LeftButton) emit Klikniety();
}

}  // namespace wtrysk
