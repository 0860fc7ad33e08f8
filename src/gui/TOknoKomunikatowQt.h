#pragma once

#include <QPointer>
#include <functional>

#include "ui/TOknoKomunikatow.h"

class QMessageBox;
class QWidget;

namespace wtrysk {

// The core's message boxes as modal Qt message boxes over the main window. How a box is run
// can be replaced (tests answer without a human); by default it is exec().
class TOknoKomunikatowQt : public TOknoKomunikatow {
public:
  // The box's caption for errors and notices: the application title.
  explicit TOknoKomunikatowQt(QString tytul, QWidget* rodzic = nullptr);

  void UstawRodzica(QWidget* rodzic) { Rodzic = rodzic; }

  void PokazBlad(const std::string& tekst) override;
  void PokazInformacje(const std::string& tekst) override;
  // Yes and No; "No" is the default button. True for Yes.
  bool ZadajPytanie(const std::string& tytul, const std::string& tekst) override;

  // Runs a prepared box and gives the button pressed (a QMessageBox::StandardButton).
  std::function<int(QMessageBox&)> Uruchom;

private:
  int Wykonaj(QMessageBox& okno);

  QString Tytul;
  QPointer<QWidget> Rodzic;
};

}  // namespace wtrysk
