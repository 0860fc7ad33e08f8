#include "TCzasFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "TOknoGlowneQt.h"
#include "historia/PokazCzas.h"

namespace wtrysk {

TCzasFrame::TCzasFrame(const QString& nazwa, QWidget* rodzic) : QFrame(rodzic) {
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  NazwaLabel = new QLabel(nazwa, this);
  NazwaLabel->setObjectName(QStringLiteral("NazwaLabel"));
  uklad->addWidget(NazwaLabel);
  auto* wartosci = new QHBoxLayout;
  auto dodaj = [&](const char* nazwaWartosci, const char* jednostka) {
    auto* wartosc = new QLabel(this);
    wartosc->setObjectName(QString::fromLatin1(nazwaWartosci));
    wartosc->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wartosc->setMinimumWidth(wartosc->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    wartosci->addWidget(wartosc);
    wartosci->addWidget(new QLabel(QString::fromLatin1(jednostka), this));
    return wartosc;
  };
  GodzinyWartoscLabel = dodaj("GodzinyWartoscLabel", "H");
  MinutyWartoscLabel = dodaj("MinutyWartoscLabel", "M");
  SekundyWartoscLabel = dodaj("SekundyWartoscLabel", "S");
  wartosci->addStretch();
  uklad->addLayout(wartosci);
}

void TCzasFrame::PokazCzas(uint32_t polsekundy) {
  const TTekstyCzasu t = wtrysk::PokazCzas(polsekundy);
  GodzinyWartoscLabel->setText(QStr(t.Godziny));
  MinutyWartoscLabel->setText(QStr(t.Minuty));
  SekundyWartoscLabel->setText(QStr(t.Sekundy));
}

void TCzasFrame::UstawKolor(const QColor& kolor) {
  for (QLabel* l : {GodzinyWartoscLabel, MinutyWartoscLabel, SekundyWartoscLabel}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, kolor);
    l->setPalette(p);
  }
}

}  // namespace wtrysk
