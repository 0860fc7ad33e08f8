#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "okno/TOknoGlowne.h"

namespace wtrysk {

// The displays that draw from the core's records themselves. The main window implements them;
// each does nothing until its display exists.
class TZaczepyOkna {
public:
  virtual ~TZaczepyOkna() = default;
  virtual void PokazSterownikResetowany(std::string_view) {}
  virtual void PokazAktywneWtryskiwacze(uint8_t) {}
  virtual void UstawZakresOsiMapy() {}
  virtual void UstawWezlyMapy(const std::array<uint8_t, 10>&) {}
  virtual void OdswiezMape() {}
  virtual void ZapiszPunktTabeli(int, int, uint8_t) {}
  virtual void OdswiezWidok() {}
  virtual void UstawTekstPaskaStatusu(int, std::string_view) {}
  virtual void OdswiezPasekStatusu() {}
  virtual bool OtworzOknoAktualizacji() { return false; }
};

// The core's window interface over Qt widgets: a control is the widget whose objectName is the
// name, looked up in the registered windows (the main window and the dialogs that live as long
// as it), and each operation does what fits the widget's kind. A name that no widget carries,
// or an operation that does not fit the widget, is ignored.
//
// Spin edits and check boxes signal their change as a user edit does (valueChanged, toggled);
// selecting a combo box or radio group item is silent.
class TOknoGlowneQt : public TOknoGlowne {
public:
  explicit TOknoGlowneQt(TZaczepyOkna* zaczepy = nullptr) : Zaczepy(zaczepy) {}

  // A window whose controls (the window itself included) can be addressed from now on.
  void DodajOkno(QWidget* okno);
  // The control with this name, or none.
  QWidget* Kontrolka(std::string_view nazwa) const;

  void UstawPozycje(std::string_view nazwa, int pozycja) override;
  void UstawWartosc(std::string_view nazwa, double wartosc) override;
  void UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) override;
  void UstawTekst(std::string_view nazwa, std::string_view tekst) override;
  void Wlacz(std::string_view nazwa) override;
  void Wylacz(std::string_view nazwa) override;
  void Pokaz(std::string_view nazwa) override;
  void Ukryj(std::string_view nazwa) override;
  int Pozycja(std::string_view nazwa) const override;
  double Wartosc(std::string_view nazwa) const override;
  bool Zaznaczony(std::string_view nazwa) const override;
  std::string KontrolkaZFokusem() const override;
  void UstawFokus(std::string_view nazwa) override;
  void WyczyscLinie(std::string_view nazwa) override;
  void DodajLinie(std::string_view nazwa, std::string_view tekst) override;
  int LiczbaLinii(std::string_view nazwa) const override;

  void PokazSterownikResetowany(std::string_view tekst) override;
  void PokazAktywneWtryskiwacze(uint8_t maska) override;
  void UstawZakresOsiMapy() override;
  void UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) override;
  void OdswiezMape() override;
  void ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) override;
  void OdswiezWidok() override;
  void UstawTekstPaskaStatusu(int panel, std::string_view tekst) override;
  void OdswiezPasekStatusu() override;
  bool OtworzOknoAktualizacji() override;

private:
  QList<QPointer<QWidget>> Okna;
  // Names found so far; a widget that is gone drops out by itself.
  mutable QHash<QString, QPointer<QWidget>> Znalezione;
  TZaczepyOkna* Zaczepy;
};

inline QString QStr(std::string_view tekst) {
  return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

}  // namespace wtrysk
