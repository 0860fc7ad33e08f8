#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace wtrysk {

// A radio group: a titled box of exclusive options, addressed by item index like a combo box.
class TGrupaOpcji : public QGroupBox {
  Q_OBJECT
public:
  TGrupaOpcji(const QString& tytul, const QStringList& pozycje, QWidget* rodzic = nullptr);

  int Pozycja() const { return Grupa->checkedId(); }
  // -1, or an index past the list: no item selected.
  void UstawPozycje(int pozycja);
  int LiczbaPozycji() const { return static_cast<int>(Grupa->buttons().size()); }

signals:
  // The user picked an item.
  void Zmieniono(int pozycja);

private:
  QButtonGroup* Grupa;
};

}  // namespace wtrysk
