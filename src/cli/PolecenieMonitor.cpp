// wtrysk-cli monitor: connects as the window program does and prints the controller's
// identity and then every live frame as JSON lines.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

#include "Json.h"
#include "Polaczenie.h"
#include "Polecenia.h"
#include "link/TPortKomunikacyjny.h"

namespace wtrysk {

int PolecenieMonitor(const QStringList& argumenty) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Connects to a port as the program does (identification, version handler) and prints one\n"
      "JSON line with the identity, then one per live frame with the live readings.\n"
      "Exit codes: 0 after --count frames; 2 the controller did not answer (message 18);\n"
      "3 identification failed or the port does not exist (the message says why).");
  parser.addHelpOption();
  parser.addOption({"port", "Tag of the port, as 'wtrysk-cli ports' lists it.", "TAG"});
  parser.addOption({"count", "Stop after N live frames (default: run until interrupted).", "N"});
  if (!parser.parse(QStringList{"monitor"} + argumenty)) {
    ZglosBlad(parser.errorText());
    return KodUzycie;
  }
  if (parser.isSet("help")) {
    std::printf("%s", qPrintable(parser.helpText()));
    return KodOk;
  }
  bool liczba = false;
  const int znacznik = parser.value("port").toInt(&liczba);
  if (!liczba) {
    ZglosBlad("monitor needs --port TAG (see 'wtrysk-cli ports')");
    return KodUzycie;
  }
  long long limit = -1;
  if (parser.isSet("count")) {
    limit = parser.value("count").toLongLong(&liczba);
    if (!liczba || limit < 1) {
      ZglosBlad("--count takes a whole number above 0");
      return KodUzycie;
    }
  }

  TPolaczenieCli p;
  int kodWyjscia = KodOk;
  auto zakoncz = [&kodWyjscia](int kod) {
    kodWyjscia = kod;
    QCoreApplication::exit(kod);
  };
  p.OknoKomunikatow.PoBledzie = [&](const std::string& tekst) {
    zakoncz(tekst == p.Komunikaty.PobierzKomunikat(TPortKomunikacyjny::KomunikatBrakSterownika) ? KodBrakOdpowiedzi
                                                                                                : KodIdentyfikacji);
  };
  bool tozsamoscWypisana = false;
  long long ramki = 0;
  p.Okno.PoOdswiezeniu = [&] {
    if (!p.Sesja.Obsluga.Wersja || kodWyjscia != KodOk) return;
    if (!tozsamoscWypisana) {
      QJsonObject tozsamosc = IdentyfikacjaDoJson(p.Sesja.Obsluga.IdentyfikacjaSterownika);
      tozsamosc["Wersja"] = p.Sesja.Obsluga.Wersja->NumerWersji;
      WypiszLinieJson(tozsamosc);
      tozsamoscWypisana = true;
    }
    QJsonObject dane = DaneBiezaceDoJson(p.Sesja.Model.DaneBiezace);
    dane["MaskaWtryskiwaczy"] = p.Sesja.Model.MaskaWtryskiwaczy;
    WypiszLinieJson(dane);
    if (limit > 0 && ++ramki >= limit) zakoncz(KodOk);
  };

  p.Lista.UstawWybranyPort(znacznik);
  p.Sterowanie.UstawPort(znacznik);
  if (!p.Sterowanie.PortKomunikacyjny()) {
    ZglosBlad(QString("no port with tag %1 (see 'wtrysk-cli ports')").arg(znacznik));
    return KodIdentyfikacji;
  }
  if (kodWyjscia != KodOk) return kodWyjscia;  // failed already while opening
  const int wynik = QCoreApplication::exec();
  p.Sterowanie.RozlaczClick();
  return wynik;
}

}  // namespace wtrysk
