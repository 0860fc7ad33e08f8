#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace wtrysk {

// "Ostrzeżenie": asked before the first change of settings after identification when the
// controller's latest change was made from another PC. "OK" accepts, "Anuluj" (which has the
// focus at first) or closing the window refuses.
class TZmianaNastawForm : public QDialog {
  Q_OBJECT
public:
  explicit TZmianaNastawForm(QWidget* rodzic = nullptr);

  QPushButton* OkButton;
  QPushButton* AnulujButton;
  QCheckBox* PokazNastepnymRazemCheckBox;  // its state is not used
};

}  // namespace wtrysk
