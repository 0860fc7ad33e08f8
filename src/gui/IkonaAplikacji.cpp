#include "IkonaAplikacji.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace wtrysk {

namespace {

// Drawn on a 64 x 64 grid, like the SVG.
QPixmap Narysuj(int rozmiar) {
  QPixmap obraz(rozmiar, rozmiar);
  obraz.fill(Qt::transparent);
  QPainter p(&obraz);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(rozmiar / 64.0, rozmiar / 64.0);

  QLinearGradient tlo(0, 0, 0, 64);
  tlo.setColorAt(0, QColor(0x1e, 0x88, 0xe5));
  tlo.setColorAt(1, QColor(0x0d, 0x47, 0xa1));
  p.setPen(Qt::NoPen);
  p.setBrush(tlo);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 14, 14);

  // The injector: connector, body, nozzle.
  p.setBrush(QColor(0xec, 0xef, 0xf1));
  p.drawRoundedRect(QRectF(27, 8, 10, 6), 1.5, 1.5);
  p.drawRoundedRect(QRectF(21, 13, 22, 24), 5, 5);
  QPainterPath dysza;
  dysza.moveTo(27, 37);
  dysza.lineTo(37, 37);
  dysza.lineTo(34.5, 44);
  dysza.lineTo(29.5, 44);
  dysza.closeSubpath();
  p.drawPath(dysza);
  p.setBrush(QColor(0x90, 0xa4, 0xae));
  p.drawRect(QRectF(21, 21, 22, 3));

  // The flame under the nozzle.
  QPainterPath plomien;
  plomien.moveTo(32, 46);
  plomien.cubicTo(40, 51, 39, 58, 32, 60);
  plomien.cubicTo(25, 58, 24, 51, 32, 46);
  QLinearGradient ogien(32, 46, 32, 60);
  ogien.setColorAt(0, QColor(0x4f, 0xc3, 0xf7));
  ogien.setColorAt(1, QColor(0xff, 0xb3, 0x00));
  p.setBrush(ogien);
  p.drawPath(plomien);
  return obraz;
}

}  // namespace

QIcon IkonaAplikacji() {
  QIcon ikona;
  for (int rozmiar : {16, 24, 32, 48, 64, 128, 256}) ikona.addPixmap(Narysuj(rozmiar));
  return ikona;
}

}  // namespace wtrysk
