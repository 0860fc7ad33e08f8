#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wtrysk {

// The one way the core reaches the main window (and the dialogs that live as long as it: the
// gas-injector settings window and the update window). Controls are addressed by their
// component names (NazwyKontrolek.h); the GUI finds them by objectName, and a name that no
// control carries is ignored. Beside the named-control operations there are a few hooks for
// the displays that draw from the core's records themselves.
//
// Setting a spin edit's value or a check box's state behaves like a user edit: when the value
// really changes, the control's change handler runs, and the parameter editors send the new
// value unless the send lock is set. Selecting a combo box item never runs a handler.
class TOknoGlowne {
public:
  virtual ~TOknoGlowne() = default;

  // --- Named controls ---

  // Combo box or radio group: selects item `pozycja` (-1 or an index past the list: none).
  virtual void UstawPozycje(std::string_view nazwa, int pozycja) = 0;
  // Spin edit: the value in the unit the control shows (ms, s, bar, rpm, %, V); the control
  // keeps it within its own range.
  virtual void UstawWartosc(std::string_view nazwa, double wartosc) = 0;
  // Check box: checked or not.
  virtual void UstawZaznaczenie(std::string_view nazwa, bool zaznaczony) = 0;
  // Label (or any control with a caption): its text, UTF-8.
  virtual void UstawTekst(std::string_view nazwa, std::string_view tekst) = 0;

  virtual void Wlacz(std::string_view nazwa) = 0;   // enable
  virtual void Wylacz(std::string_view nazwa) = 0;  // disable
  virtual void Pokaz(std::string_view nazwa) = 0;   // make visible
  virtual void Ukryj(std::string_view nazwa) = 0;   // hide

  // What the controls show now (for a name that no control carries: -1, 0, false).
  virtual int Pozycja(std::string_view nazwa) const = 0;
  virtual double Wartosc(std::string_view nazwa) const = 0;
  virtual bool Zaznaczony(std::string_view nazwa) const = 0;

  // The control that has the keyboard focus, empty for none; and giving it back. An empty
  // name, or a control that cannot take the focus now, leaves the focus where it is.
  virtual std::string KontrolkaZFokusem() const = 0;
  virtual void UstawFokus(std::string_view nazwa) = 0;

  // Read-only multi-line lists (the errors page's memos): empty, append one line, count.
  virtual void WyczyscLinie(std::string_view nazwa) = 0;
  virtual void DodajLinie(std::string_view nazwa, std::string_view tekst) = 0;
  virtual int LiczbaLinii(std::string_view nazwa) const = 0;

  // --- Hooks ---

  // Shows the reset-count notice without blocking, with this text.
  virtual void PokazSterownikResetowany(std::string_view tekst) = 0;

  // Sets the eight gas-injector frames of the live view: frame j + 1 shows the working image
  // when bit j is set, the switched-off one otherwise.
  virtual void PokazAktywneWtryskiwacze(uint8_t maska) = 0;

  // Map frame: the right (pressure) axis follows TypSilnikaComboBox, 0..100 for "Standard"
  // and 0..255 for "Turbo"; the deviation view keeps its own range.
  virtual void UstawZakresOsiMapy() = 0;
  // Map frame: the node series is emptied, then one node is added at time value / 10 ms for
  // each non-zero entry, in order.
  virtual void UstawWezlyMapy(const std::array<uint8_t, 10>& wezly) = 0;
  // Map frame: redraws the map line and the nodes from the settings' map cells.
  virtual void OdswiezMape() = 0;
  // One point of the two pressure tables that the live frame streams: row 0 or 1, index
  // 0..259 (newer firmware does not wrap), value. The map tools keep the tables.
  virtual void ZapiszPunktTabeli(int wiersz, int indeks, uint8_t wartosc) = 0;

  // The live view redraws its labels, LEDs, injector frames and status bar from the live
  // readings just decoded.
  virtual void OdswiezWidok() = 0;

  // Status bar: the text of panel `panel` (panel 1 carries the controller's version), and a
  // redraw of the owner-drawn panels (connection state, fuel).
  virtual void UstawTekstPaskaStatusu(int panel, std::string_view tekst) = 0;
  virtual void OdswiezPasekStatusu() = 0;

  // The firmware-update offer: opens the update window unless it is open already. True when
  // it was opened now, so that the caller fills its labels.
  virtual bool OtworzOknoAktualizacji() = 0;
};

}  // namespace wtrysk
