#pragma once

#include <array>
#include <optional>
#include <string>

#include "bledy/KolorZakladkiBledow.h"
#include "model/TDaneBiezace.h"

namespace wtrysk {

class TKomunikaty;

// What one owner-drawn panel of the status bar shows. Without a background colour the panel
// is drawn on the window's own colour.
struct TWygladPanelu {
  std::string Tekst;
  TKolorRGB Czcionka;
  std::optional<TKolorRGB> Tlo;
  int RozmiarCzcionki = 8;  // points
  friend bool operator==(const TWygladPanelu&, const TWygladPanelu&) = default;
};

// Panel 0, the connection: "Brak Połączenia" in black on red until the first valid frame of a
// connection, then "Połączony" in black on the window's colour.
TWygladPanelu PanelPolaczenia(bool brakPolaczenia, const TKomunikaty& komunikaty);

// Panel 3, the fuel, white at 10 points: "Brak Stacyjki" on silver with the ignition off;
// otherwise "Benzyna" on red while the LED blinks fast, "Gaz" on green on gas, "Benzyna" on blue.
TWygladPanelu PanelPaliwa(const TDaneBiezace& d, const TKomunikaty& komunikaty);

// The four panels' widths: 100, 200, then panel 2 takes the window's width less panels 0 and 1
// and the right-hand panel (never below 0), and panel 3 the rest, under the right-hand panel.
std::array<int, 4> SzerokosciPaneli(int szerokoscOkna, int szerokoscPrawegoPanelu);

struct TProstokat {
  int Lewo = 0;
  int Gora = 0;
  int Szerokosc = 0;
  int Wysokosc = 0;
  friend bool operator==(const TProstokat&, const TProstokat&) = default;
};

// Where centred text of that size starts in the rectangle: left + Round(width / 2) -
// Round(text width / 2), Round((height - text height) / 2 + top), halves to even.
struct TPunkt {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPunkt&, const TPunkt&) = default;
};
TPunkt PolozenieTekstu(const TProstokat& prostokat, int szerokoscTekstu, int wysokoscTekstu);

}  // namespace wtrysk
