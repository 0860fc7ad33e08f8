#pragma once

#include <QColor>
#include <QHash>
#include <QTabBar>
#include <functional>

namespace wtrysk {

// The page tabs above the working area. Each tab is drawn with its own text at 10 points on
// the window's colour; one tab can be given a colour of its own (the errors tab). While
// CzyWolnoZmienic says no, the user cannot move to another tab.
class TZakladki : public QTabBar {
  Q_OBJECT
public:
  static constexpr int WysokoscZakladki = 30;

  explicit TZakladki(QWidget* rodzic = nullptr);

  std::function<bool()> CzyWolnoZmienic;

  // The background of tab `indeks`; an invalid colour gives it back the window's colour.
  void UstawKolorZakladki(int indeks, const QColor& kolor);
  QColor KolorZakladki(int indeks) const;

protected:
  QSize tabSizeHint(int indeks) const override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;
  void keyPressEvent(QKeyEvent* zdarzenie) override;
  void wheelEvent(QWheelEvent* zdarzenie) override;

private:
  bool Wolno() const { return !CzyWolnoZmienic || CzyWolnoZmienic(); }
  QFont CzcionkaZakladek() const;

  QHash<int, QColor> Kolory;
};

}  // namespace wtrysk
