#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "link/TOtoczenieLacza.h"
#include "okno/TOknoZapamietujace.h"
#include "protokol/TCzytnikRamki.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/TWersja15.h"

namespace wtrysk {

class TInfoOSterObject;
class TKomunikaty;
class TOknoGlowne;
class TOknoKomunikatow;
class TPortKomunikacyjny;
class TTypWtryskiwacza;
struct TModelSterownika;

// What the receive dispatcher tells the features that do not live behind the window
// interface. A hook left empty does nothing, so a feature that does not exist yet costs
// nothing.
struct TZdarzeniaObslugi {
  // OdchylkaTimer: enabled at every received frame, disabled when the link closes.
  std::function<void(bool wlaczony)> TimerOdchylki;
  // A connection is starting: the deviation accumulators and their flags are cleared and the
  // map chart's series redrawn.
  std::function<void()> ZerujOdchylki;
  // A connection is starting: what the window keeps once per connection starts afresh.
  std::function<void()> NowePolaczenie;
  // The link has closed: the switch panel goes blank.
  std::function<void()> ZerujPanelPrzelacznikow;
  // After each live-data frame, in this order: the oscilloscope takes a sample of the new
  // readings, then a running autocalibration checks its current step.
  std::function<void()> ProbkaOscyloskopu;
  std::function<void()> SprawdzKrokKalibracji;
  // After the settings of an identification are decoded: the cylinder frames are laid out for
  // the item now selected in ZmianaIlosciCylindrowCombo.
  std::function<void(int pozycjaIlosciCylindrow)> UlozRamkiCylindrow;
  // After the settings of an identification are decoded: the LED-threshold dialog, if it is
  // open, shows the new thresholds.
  std::function<void()> OdswiezProgiLed;
};

// The receive side of the protocol: every verified frame from the link engine arrives here and
// goes to its consumer by response code. It owns what identification establishes: the
// controller's identity, the version handler serving its firmware, the send lock and the
// update-loader flag.
//
// Response codes acted on: 1 live data, 12 and 38 identification, 20 map block, 29 register
// value, 52 serial block, 59 and 60 history area, 200 update loader. Every other code only
// shows that the controller is alive.
class TObslugaRamek : public TOtoczenieLacza {
public:
  static constexpr uint8_t KodDanychBiezacych = 1;
  static constexpr uint8_t KodIdentyfikacji = 12;
  static constexpr uint8_t KodBlokuMapy = 20;
  static constexpr uint8_t KodRejestru = 29;
  static constexpr uint8_t KodUstawienFabrycznych = 38;
  static constexpr uint8_t KodBloku16 = 52;
  static constexpr uint8_t KodZapisuHistorii = 59;
  static constexpr uint8_t KodOdczytuHistorii = 60;
  static constexpr uint8_t KodBootloadera = 200;

  // Identity bytes 4 to 15 of an identification frame, before the settings.
  static constexpr std::size_t DlugoscNaglowka = 12;
  // Bytes 4 to 7, all that the update loader reports.
  static constexpr std::size_t DlugoscNaglowkaBootloadera = 4;
  // The status-bar panel that carries the controller's version.
  static constexpr int PanelWersji = 1;

  TObslugaRamek(TModelSterownika& model, TOknoGlowne& okno, TTypWtryskiwacza& typWtryskiwacza,
                const TKomunikaty& komunikaty, TOknoKomunikatow& oknoKomunikatow);
  TObslugaRamek(const TObslugaRamek&) = delete;
  TObslugaRamek& operator=(const TObslugaRamek&) = delete;

  // The port whose frames arrive here; this object becomes its surroundings. Identification
  // failures and the update loader close the link through it. None: no link to close.
  void UstawPort(TPortKomunikacyjny* port);
  // The controller-history object, once it exists.
  void UstawHistorie(TInfoOSterObject* historia) { Historia = historia; }

  // --- Called by the link engine ---
  void ObsluzRamke(std::span<const uint8_t> ramka) override;
  // Undoes the previous firmware's window adjustments and clears the deviation state.
  void PolaczenieRozpoczete() override;
  // Redraws the status bar (now disconnected), blanks the switch panel, stops the deviation
  // timer and frees the version handler.
  void LaczeZamkniete() override;

  // An identification frame (answer 12 or 38), `poz` at its response code.
  void Identyfikacja(TCzytnikRamki& poz);
  // Bytes 4 to 7 into the identity: "1." and byte 4, the firmware version, the required
  // program version (high byte first); leaves `poz` at byte 7. False, reading nothing and
  // changing nothing, when the frame ends before byte 7.
  bool CzytajNaglowekSterownika(TCzytnikRamki& poz);
  // Offers the firmware update: refused with message 22 while the engine turns with the
  // ignition on; otherwise the update window opens (unless it is open already) showing the
  // controller's version and date.
  void OfertaAktualizacji();

  // What the handler decodes into; for the features that call the handler themselves.
  TKontekstWersji Kontekst();
  // The version the current handler serves, none while no controller is identified.
  std::optional<int> NumerWersji() const;

  std::unique_ptr<TWersja15> Wersja;
  TIdentyfikacjaSterownika IdentyfikacjaSterownika;
  // While set the parameter editors send nothing: identification is writing the controller's
  // values into their controls.
  bool BlokadaWysylania = false;
  // The controller reported its update loader; the update window clears it when it shows.
  bool TrybBootloadera = false;
  TZdarzeniaObslugi Zdarzenia;

private:
  void DaneBiezace(TCzytnikRamki& poz);
  void BlokMapy(TCzytnikRamki& poz);
  void WartoscRejestru(TCzytnikRamki& poz);
  void Blok16(TCzytnikRamki& poz);
  void OdpowiedzHistorii(TCzytnikRamki& poz);
  void Bootloader(std::span<const uint8_t> ramka);

  // Closes the link and shows message `komunikat`; identification stops there.
  void OdrzucSterownik(int komunikat);
  void ZamknijLacze();

  TModelSterownika& Model;
  TOknoGlowne& Okno;
  TTypWtryskiwacza& TypWtryskiwacza;
  const TKomunikaty& Komunikaty;
  TOknoKomunikatow& OknoKomunikatow;
  TPortKomunikacyjny* Port = nullptr;
  TInfoOSterObject* Historia = nullptr;
  // The window as the firmware's handler adjusts it, so the next connection can undo that.
  TOknoZapamietujace OknoZapamietujace;
};

}  // namespace wtrysk
