#include "widok/PanelPrzelacznikow.h"

namespace wtrysk {

TMiganieLedPaliwa MiganieLedPaliwa(const TDaneBiezace& d) {
  if (!d.Stacyjka) return {false, 0};
  if (d.MiganieSzybkie) return d.MiganieLed ? TMiganieLedPaliwa{false, MiganieSzybkieMs} : TMiganieLedPaliwa{false, 0};
  if (d.NaGazie) return {true, 0};
  return d.MiganieLed ? TMiganieLedPaliwa{false, MiganieWolneMs} : TMiganieLedPaliwa{false, 0};
}

std::optional<TLedyPoziomu> LedyPoziomu(const TDaneBiezace& d) {
  TLedyPoziomu ledy{};
  if (!d.Stacyjka || !(d.NaGazie || d.MiganieLed)) return ledy;
  if (d.PoziomGazuLed > 4) return std::nullopt;
  if (d.PoziomGazuLed == 0) {
    ledy[0] = true;
  } else {
    for (int i = 1; i <= d.PoziomGazuLed; ++i) ledy[static_cast<std::size_t>(i)] = true;
  }
  return ledy;
}

TLedPaliwa::TLedPaliwa(TSerwisCzasu& czas) : Czas(czas) {}

void TLedPaliwa::UstawMiganie(bool wlaczona, int interwalMs) {
  if (wlaczona || interwalMs <= 0) {
    if (Timer) Timer->Wylacz();
    Ustaw(wlaczona);
    return;
  }
  if (!Timer || interwalMs != Interwal) {
    Interwal = interwalMs;
    Timer = Czas.UtworzTimer(interwalMs, [this] { Ustaw(!Stan); });
  }
  Timer->Wlacz();
}

void TLedPaliwa::Ustaw(bool swieci) {
  const bool zmiana = swieci != Stan;
  Stan = swieci;
  if (zmiana && PoZmianie) PoZmianie(Stan);
}

}  // namespace wtrysk
