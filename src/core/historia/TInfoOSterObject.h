#pragma once

#include <bitset>
#include <cstdint>
#include <memory>

#include "czas/TSerwisCzasu.h"
#include "historia/NumerSeryjny.h"
#include "historia/TObszarHistorii.h"
#include "historia/TOtoczenieHistorii.h"
#include "link/TOtoczenieLacza.h"

namespace wtrysk {

// The controller's history as this program keeps it: the area as read at identification, the
// working copy the program updates and writes back, and the change warning.
//
// Every settings change and every connection is recorded three seconds after the first of
// them (later events in that window only move the time), then the working area goes back to
// the controller with command 59. Only firmware 24 and later keeps a history; for older
// firmware the areas stay zero and nothing is sent.
class TInfoOSterObject : public THistoriaLacza {
public:
  static constexpr int InterwalTimeraMs = 3000;
  static constexpr uint8_t KomendaZapisuObszaru = 59;
  static constexpr uint8_t KomendaOdczytuObszaru = 60;
  static constexpr int MinimalnaWersjaHistorii = 24;
  // A change of this PC within this many hours of the latest entry only updates its time.
  static constexpr int GodzinyWpisuZmiany = 10;
  // A latest change dated this far ahead of the PC's clock makes a change of unknown origin.
  static constexpr int GodzinyZegaraWTyle = 3;

  TInfoOSterObject(TSerwisCzasu& czas, TOtoczenieHistorii& otoczenie, uint32_t kodKomputera);
  TInfoOSterObject(const TInfoOSterObject&) = delete;
  TInfoOSterObject& operator=(const TInfoOSterObject&) = delete;

  // The send path of the link.
  bool CzyKomendaBezZmian(uint8_t kod) const override { return KomendyBezZmian[kod]; }
  // Warns once per identification when the latest change came from another PC. Refusing
  // closes the program and returns false.
  bool PotwierdzZmianeNastaw() override;
  // A change was sent at that time: it is recorded when the timer fires.
  void ZapiszZmiane(const TDataCzas& kiedy) override;
  void ZapiszPolaczenie(const TDataCzas& kiedy);

  // A new identification: the working area is zeroed except position 0, the read copy follows
  // it, and the warning will be asked again.
  void Resetuj();
  bool ZmianaZInnegoKomputera() const;
  // Firmware 24 or later is connected: it keeps a history, and the information dialog is offered.
  bool HistoriaDostepna() const;
  // Command 59 with positions 1..254 of the working area, when the history is available.
  void WyslijObszar();

  // Record a change or a connection at time t into the working area.
  void RejestrujZmiane(const TDataCzas& t);
  void RejestrujPolaczenie(const TDataCzas& t);
  // Overwrites the working-area record at position poz with t and this PC's code when the
  // record is stale; reports whether it wrote.
  bool WpiszJesliNieaktualny(std::size_t poz, TKierunek kierunek, uint32_t kod, int godziny,
                             const TDataCzas& t);

  // The area and serial block decoded from an identification frame: both areas take it, the
  // working area's "at the last connection" times are brought up to date, and the connection
  // is recorded three seconds from now. An open information dialog shows the new area.
  void WczytajObszarPolaczenia(const TObszarHistorii& obszar, const TBlok16& blok16);
  // The controller's answer to command 59 or 60: replaces the working area only.
  void WczytajObszarOdpowiedzi(const TObszarHistorii& obszar);

  // "Ustaw" of the inspection dialog: the point (0 = no inspection) goes into both areas, and
  // if the change is allowed it is recorded and written back. False when the fitter refused.
  bool UstawPunktPrzegladu(uint32_t punkt);

  uint32_t KodKomputera() const { return Kod; }
  const TObszarHistorii& ObszarOdczytany() const { return Odczytany; }
  const TObszarHistorii& ObszarRoboczy() const { return Roboczy; }
  const TBlok16& Blok16() const { return Blok; }
  bool OstrzezenieZaakceptowane() const { return Zaakceptowane; }
  bool ZmianaOczekuje() const { return ZmianaCzeka; }
  const TDataCzas& CzasZmiany() const { return KiedyZmiana; }
  bool PolaczenieOczekuje() const { return PolaczenieCzeka; }
  const TDataCzas& CzasPolaczenia() const { return KiedyPolaczenie; }
  bool TimerWlaczony() const { return Timer->Wlaczony(); }

  const std::bitset<256> KomendyBezZmian;

private:
  void TimerTimer();
  static std::bitset<256> ZbudujKomendyBezZmian();

  TSerwisCzasu& Czas;
  TOtoczenieHistorii& Otoczenie;
  const uint32_t Kod;
  std::unique_ptr<TTimer> Timer;

  TObszarHistorii Odczytany;
  TObszarHistorii Roboczy;
  TBlok16 Blok{};
  bool Zaakceptowane = false;
  bool ZmianaCzeka = false;
  TDataCzas KiedyZmiana;
  bool PolaczenieCzeka = false;
  TDataCzas KiedyPolaczenie;
};

}  // namespace wtrysk
