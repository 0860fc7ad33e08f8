#pragma once

#include <QColor>
#include <QWidget>

#include "TCentralkaVO.h"

class QLabel;

namespace wtrysk {

// One LED drawn as a lit or dark lens. A lit LED and its dark twin lie on top of each other
// and one of them is shown.
class TObrazLed : public QWidget {
  Q_OBJECT
public:
  TObrazLed(QColor kolor, bool swieci, QWidget* rodzic);
  QSize sizeHint() const override;
  // The kind-of-LED number a press reports (0: none).
  int Tag = 0;

signals:
  void Nacisniety(int tag);

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
  QColor Kolor;
  bool Swieci;
};

// The round fuel button and the fuel LED.
class TKsztalt : public QWidget {
  Q_OBJECT
public:
  enum class TRodzaj { Przycisk, Led };
  TKsztalt(TRodzaj rodzaj, QWidget* rodzic);
  QSize sizeHint() const override;
  void UstawKolor(QColor kolor);
  QColor Kolor() const { return Wypelnienie; }

signals:
  void Nacisniety();

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* zdarzenie) override;

private:
  TRodzaj Rodzaj;
  QColor Wypelnienie;
};

// The five-LED switch panel: the reserve LED and four level LEDs, the fuel LED and the round
// "B/G" fuel button.
class TCentralkaVOLed300 : public TCentralkaVO {
  Q_OBJECT
public:
  static constexpr unsigned KolorLeduPaliwaWl = 32768;  // green
  static constexpr unsigned KolorLeduPaliwaWyl = 0;     // black

  TCentralkaVOLed300(TSerwisCzasu& czas, QWidget* rodzic);

  void UstawLedy(bool rezerwa, bool led1, bool led2, bool led3, bool led4) override;
  void UstawLedPaliwa(bool swieci) override;

  // Which LEDs are lit now: reserve, LED 1 .. LED 4.
  std::array<bool, 5> Ledy() const;
  QColor KolorLeduPaliwa() const { return LedRodzajPaliwaShape->Kolor(); }

private:
  std::array<TObrazLed*, 5> Zapalone{};
  std::array<TObrazLed*, 5> Zgaszone{};
  TKsztalt* CentralkaPrzyciskShape;
  TKsztalt* LedRodzajPaliwaShape;
  QLabel* NapisBG;
};

}  // namespace wtrysk
