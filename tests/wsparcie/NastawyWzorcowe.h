#pragma once

#include <cstdint>

#include "model/TNastawy.h"

namespace wtrysk {

// Settings unlike the defaults in every field and inside every firmware's ranges, so that a
// field read from the wrong place, or left out, or changed by a range rule shows up.
inline TNastawy NastawyWzorcowe() {
  TNastawy n;
  NastawyDomyslne(n);
  n.IloscCylNaCewke = 2;
  n.IloscCylindrow = 3;
  n.ProgPrzelaczenia = 15;
  n.MaxObroty = 55;
  n.CisnienieRobocze = 120;
  n.KalibCzasWtrysku = 40;
  n.KalibMnoznik = 110;
  n.KalibTempGazu = 35;
  n.CisnienieMinimalne = 70;
  n.CzasBleduCisnienia = 5;
  n.CzasWylaczeniaPrzyBledzie = 4;
  n.CzasPrzelaczenia = 8;
  n.CzasPrzelCylindra = 25;
  n.CzasOtwZamWtr = 9;
  n.CzasRozpOgraniczenia = 35;
  n.TypWtryskiwacza = 2;
  for (std::size_t k = 0; k < n.Mapa.size(); ++k) n.Mapa[k] = static_cast<uint8_t>(60 + k % 97);
  n.KorektaMapy.fill(0);
  n.KorektaMapy[0] = -10;
  n.KorektaMapy[1] = 25;
  n.KorektaMapy[245] = -128;
  n.ProgiPoziomu = {200, 150, 100, 50};
  n.RodzajCzujnikaPoziomu = 2;
  n.CzujnikTempReduktora = 2;
  n.CzujnikTempGazu = 3;
  n.CzujnikCisnienia = 1;
  n.CzujnikCisKolektora = 2;
  n.Flagi = 0x0A;
  n.Flagi2 = 0x00;
  n.TempPrzelaczenia = 40;
  n.ZakresMapy1 = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  n.ZakresMapy2 = {15, 25, 35, 45, 55, 0, 0, 0, 0, 0};
  n.CzasPrzelaczenia16 = 8;
  n.KorekcjaWtryskiwacza = {120, 121, 122, 123, 124, 125, 126, 127};
  n.MinObrotyLPG = 9;
  n.MinTempGazu = -5;
  n.WypelnienieOgraniczenia = 128;
  n.TypSondyLambda = 1;
  n.ProgDetekcjiObrotow = 50;
  return n;
}

}  // namespace wtrysk
