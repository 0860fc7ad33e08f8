#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace wtrysk {

// "Komunikat": how many times the controller was reset. Shown without blocking, above the
// main window and centred on it; "OK" has the focus and closes it.
class TSterownikResetowanyForm : public QDialog {
  Q_OBJECT
public:
  explicit TSterownikResetowanyForm(QWidget* glowne = nullptr);

  void Pokaz(const QString& tekst);

  QLabel* SterResetLabel;
  QPushButton* OkButton;
};

}  // namespace wtrysk
