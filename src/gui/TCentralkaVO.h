#pragma once

#include <QFrame>
#include <array>

#include "widok/PanelPrzelacznikow.h"

namespace wtrysk {

class TSerwisCzasu;

// The switch panel of the car as the live view shows it: a fuel LED that can blink, the gas
// level LEDs and the fuel button. Kinds of panel differ in their LEDs; they draw them in
// UstawLedy and UstawLedPaliwa.
class TCentralkaVO : public QFrame {
  Q_OBJECT
public:
  TCentralkaVO(TSerwisCzasu& czas, QWidget* rodzic);

  // Reserve LED, LED 1 .. LED 4.
  virtual void UstawLedy(bool rezerwa, bool led1, bool led2, bool led3, bool led4) = 0;
  // Keeps the fuel LED's state; kinds of panel also draw it.
  virtual void UstawLedPaliwa(bool swieci) { StanLedPaliwa = swieci; }

  // The fuel LED: on, or an interval of 0, stops blinking and shows "on"; otherwise it
  // toggles every interval.
  void UstawMiganie(bool wlaczona, int interwalMs) { LedPaliwa.UstawMiganie(wlaczona, interwalMs); }
  // The gas level LEDs, or none to leave them as they are.
  void PokazPoziom(const std::optional<TLedyPoziomu>& ledy);
  // Everything dark, no blinking: the link has closed.
  void Zeruj();

  bool StanLedPaliwa = false;
  // The control that acts as the fuel button.
  QWidget* Przycisk = nullptr;
  const TLedPaliwa& LedRodzajPaliwa() const { return LedPaliwa; }

signals:
  // The fuel button was pressed.
  void ZmienPaliwo(QWidget* przycisk);
  // A level LED (1 to 4) was pressed.
  void OtworzProgi(int numerLed);

private:
  TLedPaliwa LedPaliwa;
};

}  // namespace wtrysk
