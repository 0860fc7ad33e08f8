#pragma once

#include <QFrame>
#include <cstdint>

class QLabel;

namespace wtrysk {

// A working time shown as hours, minutes and seconds, each value followed by "H", "M", "S",
// under a caption. The controller-information and inspection dialogs hold several.
class TCzasFrame : public QFrame {
  Q_OBJECT
public:
  explicit TCzasFrame(const QString& nazwa, QWidget* rodzic = nullptr);

  // A count of half-seconds; 0 empties the three values.
  void PokazCzas(uint32_t polsekundy);
  // The colour the values are drawn in.
  void UstawKolor(const QColor& kolor);

  QLabel* NazwaLabel;
  QLabel* GodzinyWartoscLabel;
  QLabel* MinutyWartoscLabel;
  QLabel* SekundyWartoscLabel;
};

}  // namespace wtrysk
