#include "TOknoKomunikatowQt.h"

#include <QMessageBox>

#include "TOknoGlowneQt.h"

namespace wtrysk {

namespace {
// Texts carry Windows line breaks; a label wants plain ones.
QString TekstOkna(const std::string& tekst) { return QStr(tekst).replace(QLatin1String("\r\n"), QLatin1String("\n")); }
}  // namespace

TOknoKomunikatowQt::TOknoKomunikatowQt(QString tytul, QWidget* rodzic) : Tytul(std::move(tytul)), Rodzic(rodzic) {}

int TOknoKomunikatowQt::Wykonaj(QMessageBox& okno) { return Uruchom ? Uruchom(okno) : okno.exec(); }

void TOknoKomunikatowQt::PokazBlad(const std::string& tekst) {
  QMessageBox okno(QMessageBox::Critical, Tytul, TekstOkna(tekst), QMessageBox::Ok, Rodzic);
  Wykonaj(okno);
}

void TOknoKomunikatowQt::PokazInformacje(const std::string& tekst) {
  QMessageBox okno(QMessageBox::Information, Tytul, TekstOkna(tekst), QMessageBox::Ok, Rodzic);
  Wykonaj(okno);
}

bool TOknoKomunikatowQt::ZadajPytanie(const std::string& tytul, const std::string& tekst) {
  QMessageBox okno(QMessageBox::Question, QStr(tytul), TekstOkna(tekst), QMessageBox::Yes | QMessageBox::No, Rodzic);
  okno.setDefaultButton(QMessageBox::No);
  return Wykonaj(okno) == QMessageBox::Yes;
}

}  // namespace wtrysk
