#include "TSterownikResetowanyForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace wtrysk {

TSterownikResetowanyForm::TSterownikResetowanyForm(QWidget* glowne) : QDialog(glowne) {
  setObjectName(QStringLiteral("SterownikResetowanyForm"));
  setWindowTitle(QStringLiteral("Komunikat"));
  setModal(false);
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // An open notice never keeps the program running after the main window has closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  if (glowne) setPalette(glowne->palette());
  auto* uklad = new QVBoxLayout(this);
  auto* gora = new QHBoxLayout;
  auto* ikona = new QLabel(this);
  const int rozmiar = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(rozmiar, rozmiar));
  gora->addWidget(ikona);
  SterResetLabel = new QLabel(this);
  SterResetLabel->setObjectName(QStringLiteral("SterResetLabel"));
  SterResetLabel->setMinimumWidth(SterResetLabel->fontMetrics().averageCharWidth() * 32);
  gora->addWidget(SterResetLabel, 1);
  uklad->addLayout(gora);
  auto* dol = new QHBoxLayout;
  dol->addStretch();
  OkButton = new QPushButton(QStringLiteral("OK"), this);
  OkButton->setObjectName(QStringLiteral("OkButton"));
  OkButton->setDefault(true);
  dol->addWidget(OkButton);
  dol->addStretch();
  uklad->addLayout(dol);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TSterownikResetowanyForm::Pokaz(const QString& tekst) {
  SterResetLabel->setText(tekst);
  adjustSize();
  if (QWidget* glowne = parentWidget()) {
    const QRect r = glowne->frameGeometry();
    move(r.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  activateWindow();
  OkButton->setFocus(Qt::OtherFocusReason);
}

}  // namespace wtrysk
