#pragma once

#include <QFrame>

class QLabel;

namespace wtrysk {

// The picture of one gas injector, working or switched off. Drawn, so it stays sharp at any
// scale.
class TObrazWtryskiwacza : public QWidget {
  Q_OBJECT
public:
  TObrazWtryskiwacza(bool pracujacy, QWidget* rodzic);
  QSize sizeHint() const override;

signals:
  void Klikniety();

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
  bool Pracujacy;
};

// One gas injector of the live view: its number and whether it is active. A click on the
// picture is reported; the window decides what it does.
class TWtryskiwaczFrame : public QFrame {
  Q_OBJECT
public:
  TWtryskiwaczFrame(int numer, QWidget* rodzic);

  // Shows the working picture for true, the switched-off one otherwise, and keeps the value.
  void UstawAktywny(bool aktywny);
  bool Aktywny() const { return AktywnyFlaga; }
  int Numer() const { return NumerWtryskiwacza; }

signals:
  void Klikniety(TWtryskiwaczFrame* ramka);

private:
  int NumerWtryskiwacza;
  bool AktywnyFlaga = false;
  TObrazWtryskiwacza* WtryskiwaczPracujacy;
  TObrazWtryskiwacza* WtryskiwaczWylaczony;
  QLabel* NumerLabel;
};

}  // namespace wtrysk
