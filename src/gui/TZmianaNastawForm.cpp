#include "TZmianaNastawForm.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace wtrysk {

TZmianaNastawForm::TZmianaNastawForm(QWidget* rodzic) : QDialog(rodzic) {
  setObjectName(QStringLiteral("ZmianaNastawForm"));
  setWindowTitle(QStringLiteral("Ostrzeżenie"));
  setModal(true);
  auto* uklad = new QVBoxLayout(this);
  auto* gora = new QHBoxLayout;
  auto* ikona = new QLabel(this);
  const int rozmiar = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(rozmiar, rozmiar));
  ikona->setAlignment(Qt::AlignTop);
  gora->addWidget(ikona);
  auto* teksty = new QVBoxLayout;
  auto* tekst = new QLabel(QStringLiteral("Sterownik rejestruje wszystkie połączenia, Zmiana nastaw przez nieuprawnione "
                                          "osoby może być podstawą do utraty gwarancji !!!"),
                           this);
  tekst->setObjectName(QStringLiteral("OstrzezenieLabel"));
  tekst->setWordWrap(true);
  tekst->setMinimumWidth(tekst->fontMetrics().averageCharWidth() * 48);
  teksty->addWidget(tekst);
  auto* pytanie = new QLabel(QStringLiteral("Czas chcesz kontynuować ?"), this);
  pytanie->setObjectName(QStringLiteral("PytanieLabel"));
  QFont pogrubiona = pytanie->font();
  pogrubiona.setBold(true);
  pytanie->setFont(pogrubiona);
  teksty->addWidget(pytanie);
  gora->addLayout(teksty, 1);
  uklad->addLayout(gora);

  PokazNastepnymRazemCheckBox = new QCheckBox(QStringLiteral("Pokaż następnym razem"), this);
  PokazNastepnymRazemCheckBox->setObjectName(QStringLiteral("PokazNastepnymRazemCheckBox"));
  PokazNastepnymRazemCheckBox->setChecked(true);
  uklad->addWidget(PokazNastepnymRazemCheckBox);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  AnulujButton = new QPushButton(QStringLiteral("Anuluj"), this);
  AnulujButton->setObjectName(QStringLiteral("AnulujButton"));
  przyciski->addWidget(OkButton);
  przyciski->addWidget(AnulujButton);
  uklad->addLayout(przyciski);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(AnulujButton, &QPushButton::clicked, this, &QDialog::reject);
  // Enter presses the refusal unless the fitter moves to "OK" on purpose.
  OkButton->setAutoDefault(false);
  AnulujButton->setDefault(true);
  AnulujButton->setFocus(Qt::OtherFocusReason);
  setSizeGripEnabled(false);
}

}  // namespace wtrysk
