// wtrysk-cli ust: what a settings file holds, and what loading it would send.
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "Heks.h"
#include "Json.h"
#include "Polecenia.h"
#include "TOknoCli.h"
#include "i18n/TKomunikaty.h"
#include "model/TTypWtryskiwacza.h"
#include "pliki/FormatPlikuNastaw.h"
#include "pliki/PlikNastaw.h"

namespace wtrysk {

namespace {

struct TPlik {
  TTablicaByte Bajty;
  TNaglowekPlikuNastaw Naglowek;
};

std::optional<TPlik> CzytajPlik(const QString& nazwa) {
  QFile plik(nazwa);
  if (!plik.open(QIODevice::ReadOnly)) {
    ZglosBlad("cannot open " + nazwa + ": " + plik.errorString());
    return std::nullopt;
  }
  // A settings file is a few hundred bytes; anything far larger is not one.
  const QByteArray dane = plik.read(64 * 1024);
  TPlik wynik;
  wynik.Bajty.assign(dane.begin(), dane.end());
  const auto naglowek = CzytajNaglowekPlikuNastaw(wynik.Bajty);
  if (!naglowek) {
    ZglosBlad(nazwa + " is not a settings file (no \"Z410Ust\" header)");
    return std::nullopt;
  }
  wynik.Naglowek = *naglowek;
  return wynik;
}

}  // namespace

int PolecenieUst(const QStringList& argumenty) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Settings files (.ust).\n"
      "  ust show FILE                  header and settings as JSON\n"
      "  ust image FILE --firmware V    hex of the settings image (command 26) that loading FILE\n"
      "                                 into a controller of firmware V would send");
  parser.addHelpOption();
  parser.addOption({"firmware", "Firmware of the controller the file would be loaded into.", "V"});
  parser.addPositionalArgument("action", "show or image");
  parser.addPositionalArgument("file", "The settings file.");
  if (!parser.parse(QStringList{"ust"} + argumenty)) {
    ZglosBlad(parser.errorText());
    return KodUzycie;
  }
  if (parser.isSet("help")) {
    std::printf("%s", qPrintable(parser.helpText()));
    return KodOk;
  }
  const QStringList pozycyjne = parser.positionalArguments();
  if (pozycyjne.size() != 2 || (pozycyjne[0] != "show" && pozycyjne[0] != "image")) {
    ZglosBlad("usage: ust show FILE | ust image FILE --firmware V");
    return KodUzycie;
  }
  const bool obraz = pozycyjne[0] == "image";
  int firmware = 0;
  if (obraz) {
    bool liczba = false;
    firmware = parser.value("firmware").toInt(&liczba);
    if (!liczba) {
      ZglosBlad("ust image needs --firmware V");
      return KodUzycie;
    }
  }

  const auto plik = CzytajPlik(pozycyjne[1]);
  if (!plik) return KodDanych;
  const TNaglowekPlikuNastaw& naglowek = plik->Naglowek;
  // A file from before 19 does not name the program version it needs: any will do here.
  const auto wersjaPliku =
      WersjaDlaPlikuNastaw(naglowek.WersjaFirmware, naglowek.WymaganaWersjaProgramu.value_or(0));
  if (!wersjaPliku) {
    ZglosBlad(QString("no handler reads settings of firmware %1 needing program version 1.%2")
                  .arg(naglowek.WersjaFirmware)
                  .arg(naglowek.WymaganaWersjaProgramu.value_or(0)));
    return KodDanych;
  }

  TOknoCli okno;
  TOknoKomunikatowCli oknoKomunikatow;
  TKomunikaty komunikaty;
  TTypWtryskiwacza typ(okno, oknoKomunikatow, komunikaty);
  TNastawy n;
  if (!obraz) {
    NastawyDomyslne(n);
    TCzytnikPliku tresc(plik->Bajty, naglowek.PoczatekTresci);
    wersjaPliku->CzytajZPliku(tresc, n);
    QJsonObject wynik;
    wynik["WersjaFirmware"] = naglowek.WersjaFirmware;
    wynik["WymaganaWersjaProgramu"] = naglowek.WymaganaWersjaProgramu ? QJsonValue(*naglowek.WymaganaWersjaProgramu)
                                                                      : QJsonValue(QJsonValue::Null);
    wynik["WersjaTresci"] = wersjaPliku->NumerWersji;
    wynik["Nastawy"] = NastawyDoJson(n);
    WypiszLinieJson(wynik);
    return KodOk;
  }
  const auto wersjaSterownika = UtworzWersjeDlaFirmware(firmware);
  if (!wersjaSterownika) {
    ZglosBlad(QString("firmware %1 is not served").arg(firmware));
    return KodUzycie;
  }
  NastawyZPliku(plik->Bajty, naglowek, *wersjaPliku, *wersjaSterownika, typ, n);
  std::printf("%s\n", NaHeks(wersjaSterownika->ObrazNastaw(n)).c_str());
  return KodOk;
}

}  // namespace wtrysk
