#include "TWtryskiwaczFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace wtrysk {

TObrazWtryskiwacza::TObrazWtryskiwacza(bool pracujacy, QWidget* rodzic) : QWidget(rodzic), Pracujacy(pracujacy) {
  setToolTip(QStringLiteral("Stan wtryskiwacza gazowego"));
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TObrazWtryskiwacza::sizeHint() const {
  const int h = fontMetrics().height();
  return {h + h / 2, 2 * h};
}

void TObrazWtryskiwacza::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
  const bool wlaczona = isEnabled();
  // Body: a rounded cylinder with a connector on top and a nozzle below.
  QColor korpus = Pracujacy ? QColor(0x2e, 0x9e, 0x44) : QColor(0x8a, 0x8f, 0x96);
  if (!wlaczona) korpus = palette().color(QPalette::Disabled, QPalette::Button).darker(115);
  const double w = r.width();
  const double h = r.height();
  const QRectF zlacze(r.left() + w * 0.30, r.top(), w * 0.40, h * 0.16);
  const QRectF cialo(r.left() + w * 0.12, r.top() + h * 0.14, w * 0.76, h * 0.56);
  QPainterPath dysza;
  dysza.moveTo(r.left() + w * 0.36, cialo.bottom());
  dysza.lineTo(r.left() + w * 0.64, cialo.bottom());
  dysza.lineTo(r.left() + w * 0.56, r.top() + h * 0.84);
  dysza.lineTo(r.left() + w * 0.44, r.top() + h * 0.84);
  dysza.closeSubpath();
  p.setPen(QPen(korpus.darker(150), 1));
  p.setBrush(korpus.darker(120));
  p.drawRoundedRect(zlacze, 1.5, 1.5);
  p.setBrush(korpus);
  p.drawRoundedRect(cialo, w * 0.15, w * 0.15);
  p.setBrush(korpus.darker(130));
  p.drawPath(dysza);
  if (!wlaczona) return;
  if (Pracujacy) {
    // A spray of gas under the nozzle.
    p.setPen(QPen(QColor(0x2e, 0x9e, 0x44), 1.2));
    const QPointF wylot(r.center().x(), r.top() + h * 0.86);
    for (double dx : {-0.22, 0.0, 0.22}) p.drawLine(wylot, QPointF(wylot.x() + w * dx, r.bottom()));
  } else {
    p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2.0, Qt::SolidLine, Qt::RoundCap));
    const QRectF krzyz = cialo.adjusted(w * 0.18, h * 0.12, -w * 0.18, -h * 0.12);
    p.drawLine(krzyz.topLeft(), krzyz.bottomRight());
    p.drawLine(krzyz.topRight(), krzyz.bottomLeft());
  }
}

void TObrazWtryskiwacza::mousePressEvent(QMouseEvent* zdarzenie) {
  if (zdarzenie->button() == Qt::LeftButton) emit Klikniety();
}

TWtryskiwaczFrame::TWtryskiwaczFrame(int numer, QWidget* rodzic) : QFrame(rodzic), NumerWtryskiwacza(numer) {
  setObjectName(QStringLiteral("WtryskiwaczFrame%1").arg(numer));
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(1, 1, 1, 1);
  uklad->setSpacing(0);
  // The two pictures lie on top of each other; one of them is shown.
  auto* obrazy = new QGridLayout;
  WtryskiwaczPracujacy = new TObrazWtryskiwacza(true, this);
  WtryskiwaczPracujacy->setObjectName(QStringLiteral("WtryskiwaczPracujacy"));
  WtryskiwaczWylaczony = new TObrazWtryskiwacza(false, this);
  WtryskiwaczWylaczony->setObjectName(QStringLiteral("WtryskiwaczWylaczony"));
  obrazy->addWidget(WtryskiwaczPracujacy, 0, 0, Qt::AlignHCenter);
  obrazy->addWidget(WtryskiwaczWylaczony, 0, 0, Qt::AlignHCenter);
  uklad->addLayout(obrazy);
  NumerLabel = new QLabel(QString::number(numer), this);
  NumerLabel->setObjectName(QStringLiteral("NumerLabel"));
  NumerLabel->setAlignment(Qt::AlignHCenter);
  uklad->addWidget(NumerLabel);
  for (TObrazWtryskiwacza* obraz : {WtryskiwaczPracujacy, WtryskiwaczWylaczony}) {
    connect(obraz, &TObrazWtryskiwacza::Klikniety, this, [this] { emit Klikniety(this); });
  }
  UstawAktywny(false);
}

void TWtryskiwaczFrame::UstawAktywny(bool aktywny) {
  AktywnyFlaga = aktywny;
  WtryskiwaczPracujacy->setVisible(aktywny);
  WtryskiwaczWylaczony->setVisible(!aktywny);
}

}  // namespace wtrysk
