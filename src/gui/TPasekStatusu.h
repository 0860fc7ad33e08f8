#pragma once

#include <QStatusBar>
#include <array>
#include <functional>

#include "widok/PasekStatusu.h"

namespace wtrysk {

// The status bar of the main window: four panels side by side. Panels 0 (connection) and 3
// (fuel) are drawn from what their sources say at the moment of drawing; panels 1 and 2 hold
// plain text (panel 1 the controller's version).
class TPasekStatusu : public QStatusBar {
  Q_OBJECT
public:
  explicit TPasekStatusu(QWidget* rodzic = nullptr);

  // Asked at every redraw of panel 0 and panel 3.
  std::function<TWygladPanelu()> ZrodloPanelu0;
  std::function<TWygladPanelu()> ZrodloPanelu3;
  // The width of the window's right-hand panel; panel 3 lies under it.
  std::function<int()> SzerokoscPrawegoPanelu;

  void UstawTekstPanelu(int panel, const QString& tekst);
  QString TekstPanelu(int panel) const;
  // What panels 0 and 3 showed when last drawn.
  const TWygladPanelu& Narysowany(int panel) const { return panel == 0 ? Wyglad0 : Wyglad3; }
  // The four panels' rectangles now.
  std::array<QRect, 4> Panele() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  // A press anywhere on the bar.
  void Klikniety();

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
  // Draws text centred on a filled rectangle at the given size in points.
  void RysujTekst(QPainter& p, const QRect& r, const QColor& czcionka, const QColor& tlo, const QString& tekst,
                  int rozmiar) const;

  std::array<QString, 4> Teksty;
  TWygladPanelu Wyglad0;
  TWygladPanelu Wyglad3;
};

}  // namespace wtrysk
