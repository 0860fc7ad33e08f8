#include "model/TNastawy.h"

namespace wtrysk {

void NastawyDomyslne(TNastawy& n) {
  n.IloscCylNaCewke = 0;
  n.IloscCylindrow = 1;  // "4 cylindry"
  n.ProgPrzelaczenia = 6;
  n.MaxObroty = 60;
  n.CisnienieRobocze = 100;
  n.KalibCzasWtrysku = 30;
  n.KalibMnoznik = 100;
  n.KalibTempGazu = 30;
  n.CisnienieMinimalne = 60;
  n.CzasBleduCisnienia = 3;
  n.CzasWylaczeniaPrzyBledzie = 2;
  n.CzasPrzelaczenia = 6;
  n.CzasPrzelCylindra = 20;
  n.CzasOtwZamWtr = 6;
  n.CzasRozpOgraniczenia = 30;
  n.TypWtryskiwacza = 1;  // MATRIX
  n.Mapa.fill(100);
  n.KorektaMapy.fill(0);
  n.ProgiPoziomu = {204, 153, 102, 51};
  n.RodzajCzujnikaPoziomu = 3;
  n.CzujnikTempReduktora = 1;
  n.CzujnikTempGazu = 1;
  n.CzujnikCisnienia = 4;
  n.CzujnikCisKolektora = 0;
  n.Flagi = 4;
  n.Flagi2 = 1;
  n.TempPrzelaczenia = 30;
  n.NastawyOdebrane = true;
  n.ZakresMapy1 = {10, 255, 0, 0, 0, 0, 0, 0, 0, 0};
  n.ZakresMapy2 = {10, 255, 0, 0, 0, 0, 0, 0, 0, 0};
  n.CzasPrzelaczenia16 = 6;
  n.KorekcjaWtryskiwacza.fill(128);
  n.MinObrotyLPG = 0;
  n.MinTempGazu = 0;
  n.WypelnienieOgraniczenia = 102;  // 40 %
  n.TypSondyLambda = 0;
  n.ProgDetekcjiObrotow = 41;
}

}  // namespace wtrysk
