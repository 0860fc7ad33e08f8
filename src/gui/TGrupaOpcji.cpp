#include "TGrupaOpcji.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace wtrysk {

TGrupaOpcji::TGrupaOpcji(const QString& tytul, const QStringList& pozycje, QWidget* rodzic)
    : QGroupBox(tytul, rodzic), Grupa(new QButtonGroup(this)) {
  auto* uklad = new QHBoxLayout(this);
  for (int i = 0; i < pozycje.size(); ++i) {
    auto* przycisk = new QRadioButton(pozycje[i], this);
    Grupa->addButton(przycisk, i);
    uklad->addWidget(przycisk);
  }
  uklad->addStretch();
  connect(Grupa, &QButtonGroup::idClicked, this, [this](int id) {
    if (!signalsBlocked()) emit Zmieniono(id);
  });
}

void TGrupaOpcji::UstawPozycje(int pozycja) {
  if (QAbstractButton* przycisk = Grupa->button(pozycja)) {
    przycisk->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked; unchecking takes it off for a moment.
  Grupa->setExclusive(false);
  for (QAbstractButton* b : Grupa->buttons()) b->setChecked(false);
  Grupa->setExclusive(true);
}

}  // namespace wtrysk
