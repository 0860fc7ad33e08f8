#include "Json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

#include "Heks.h"

namespace wtrysk {

namespace {
template <typename T, std::size_t N>
QJsonArray Tablica(const std::array<T, N>& wartosci) {
  QJsonArray wynik;
  for (const auto& w : wartosci) wynik.append(static_cast<int>(w));
  return wynik;
}
}  // namespace

QJsonObject DaneBiezaceDoJson(const TDaneBiezace& d) {
  QJsonObject o;
  o["Stacyjka"] = d.Stacyjka;
  o["NaGazie"] = d.NaGazie;
  o["MiganieLed"] = d.MiganieLed;
  o["MiganieSzybkie"] = d.MiganieSzybkie;
  o["ZmianaStanu"] = d.ZmianaStanu;
  o["CzasWtryskuBenzyny"] = Tablica(d.CzasWtryskuBenzyny);
  o["CzasWtryskuGazu"] = static_cast<qint64>(d.CzasWtryskuGazu);
  o["Obroty"] = d.Obroty;
  o["NapiecieLambda1"] = d.NapiecieLambda1;
  o["NapiecieLambda2"] = d.NapiecieLambda2;
  o["CisnienieGazu"] = d.CisnienieGazu;
  o["CisnienieKolektora"] = d.CisnienieKolektora;
  o["AktywneWtryskiwacze"] = d.AktywneWtryskiwacze;
  o["AktualnyMnoznik"] = d.AktualnyMnoznik;
  o["NapiecieZasilania"] = d.NapiecieZasilania;
  o["CzujnikPoziomu"] = d.CzujnikPoziomu;
  o["PoziomGazuLed"] = d.PoziomGazuLed;
  o["TempReduktora"] = d.TempReduktora;
  o["TempGazu"] = d.TempGazu;
  o["BledyBiezace"] = Tablica(d.BledyBiezace);
  o["PunktOdchylki1"] = d.PunktOdchylki1;
  o["PunktOdchylki2"] = d.PunktOdchylki2;
  o["Blok16"] = QString::fromStdString(NaHeks(d.Blok16));
  return o;
}

QJsonObject NastawyDoJson(const TNastawy& n) {
  QJsonObject o;
  o["IloscCylNaCewke"] = n.IloscCylNaCewke;
  o["IloscCylindrow"] = n.IloscCylindrow;
  o["ProgPrzelaczenia"] = n.ProgPrzelaczenia;
  o["MaxObroty"] = n.MaxObroty;
  o["CisnienieRobocze"] = n.CisnienieRobocze;
  o["KalibCzasWtrysku"] = n.KalibCzasWtrysku;
  o["KalibMnoznik"] = n.KalibMnoznik;
  o["KalibTempGazu"] = n.KalibTempGazu;
  o["CisnienieMinimalne"] = n.CisnienieMinimalne;
  o["CzasBleduCisnienia"] = n.CzasBleduCisnienia;
  o["CzasWylaczeniaPrzyBledzie"] = n.CzasWylaczeniaPrzyBledzie;
  o["CzasPrzelaczenia"] = n.CzasPrzelaczenia;
  o["CzasPrzelCylindra"] = n.CzasPrzelCylindra;
  o["CzasOtwZamWtr"] = n.CzasOtwZamWtr;
  o["CzasRozpOgraniczenia"] = n.CzasRozpOgraniczenia;
  o["TypWtryskiwacza"] = n.TypWtryskiwacza;
  o["Mapa"] = Tablica(n.Mapa);
  o["KorektaMapy"] = Tablica(n.KorektaMapy);
  o["ProgiPoziomu"] = Tablica(n.ProgiPoziomu);
  o["RodzajCzujnikaPoziomu"] = n.RodzajCzujnikaPoziomu;
  o["CzujnikTempReduktora"] = n.CzujnikTempReduktora;
  o["CzujnikTempGazu"] = n.CzujnikTempGazu;
  o["CzujnikCisnienia"] = n.CzujnikCisnienia;
  o["CzujnikCisKolektora"] = n.CzujnikCisKolektora;
  o["Flagi"] = n.Flagi;
  o["Flagi2"] = n.Flagi2;
  o["TempPrzelaczenia"] = n.TempPrzelaczenia;
  o["NastawyOdebrane"] = n.NastawyOdebrane;
  o["ZakresMapy1"] = Tablica(n.ZakresMapy1);
  o["ZakresMapy2"] = Tablica(n.ZakresMapy2);
  o["CzasPrzelaczenia16"] = n.CzasPrzelaczenia16;
  o["KorekcjaWtryskiwacza"] = Tablica(n.KorekcjaWtryskiwacza);
  o["MinObrotyLPG"] = n.MinObrotyLPG;
  o["MinTempGazu"] = n.MinTempGazu;
  o["WypelnienieOgraniczenia"] = n.WypelnienieOgraniczenia;
  o["TypSondyLambda"] = n.TypSondyLambda;
  o["ProgDetekcjiObrotow"] = n.ProgDetekcjiObrotow;
  return o;
}

QJsonObject IdentyfikacjaDoJson(const TIdentyfikacjaSterownika& id) {
  QJsonObject o;
  o["NazwaWersji"] = QString::fromStdString(id.NazwaWersji);
  o["WersjaFirmware"] = id.WersjaFirmware;
  o["WymaganaWersjaProgramu"] = id.WymaganaWersjaProgramu;
  if (id.DataFirmware) {
    const auto& d = *id.DataFirmware;
    o["DataFirmware"] = QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.Rok, d.Miesiac, d.Dzien, d.Godzina, d.Minuta,
                                          d.Sekunda);
  } else {
    o["DataFirmware"] = QJsonValue::Null;
  }
  return o;
}

void WypiszLinieJson(const QJsonObject& obiekt) {
  const QByteArray tekst = QJsonDocument(obiekt).toJson(QJsonDocument::Compact);
  std::fwrite(tekst.constData(), 1, static_cast<std::size_t>(tekst.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace wtrysk
