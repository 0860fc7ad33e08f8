// wtrysk-cli decode: one received frame, as hex, into JSON.
#include <QCommandLineParser>
#include <QJsonArray>
#include <cstdio>

#include "Heks.h"
#include "Json.h"
#include "Polecenia.h"
#include "TOknoCli.h"
#include "czas/TZegarWirtualny.h"
#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "model/TTypWtryskiwacza.h"
#include "okno/NazwyKontrolek.h"
#include "okno/TOknoZapamietujace.h"
#include "protokol/TObslugaRamek.h"

namespace wtrysk {

namespace {

// History surroundings of a decode: no link, nothing to send, no dialogs.
class THistoriaBezLacza : public TOtoczenieHistorii {
public:
  explicit THistoriaBezLacza(std::optional<int> wersja) : Wersja(wersja) {}
  std::optional<int> WersjaFirmware() const override { return Wersja; }
  void WyslijKomende(uint8_t, std::span<const uint8_t>) override {}
  bool PokazOstrzezenieZmianyNastaw() override { return false; }
  void ZamknijProgram() override {}
  std::optional<int> Wersja;
};

// What a decoder fills and shows on, with no window and no link.
struct TSrodowiskoDekodera {
  TModelSterownika Model;
  TOknoCli Okno;
  TOknoKomunikatowCli OknoKomunikatow;
  TKomunikaty Komunikaty;
  TTypWtryskiwacza Typ{Okno, OknoKomunikatow, Komunikaty};
};

QJsonArray Lista(const std::vector<std::string>& teksty) {
  QJsonArray wynik;
  for (const auto& t : teksty) wynik.append(QString::fromStdString(t));
  return wynik;
}

std::optional<TTablicaByte> CzytajRamke(const QString& heks) {
  const auto bajty = CzytajHeks(heks.toStdString());
  if (!bajty) {
    ZglosBlad("not a hex byte string");
    return std::nullopt;
  }
  if (const auto blad = SprawdzRamke(*bajty); !blad.empty()) {
    ZglosBlad(QString::fromStdString(blad));
    return std::nullopt;
  }
  return bajty;
}

int DekodujDaneBiezace(const TTablicaByte& ramka, int firmware) {
  if (ramka[3] != TObslugaRamek::KodDanychBiezacych) {
    ZglosBlad(QString("not a live-data frame (response code %1)").arg(ramka[3]));
    return KodDanych;
  }
  auto wersja = UtworzWersjeDlaFirmware(firmware);
  if (!wersja) {
    ZglosBlad(QString("firmware %1 is not served").arg(firmware));
    return KodDanych;
  }
  TSrodowiskoDekodera s;
  TIdentyfikacjaSterownika id;
  TKontekstWersji kontekst{s.Model, s.Okno, s.Typ, s.Komunikaty, id, nullptr};
  TCzytnikRamki poz(ramka, 3);
  if (!wersja->DekodujDaneBiezace(poz, kontekst)) {
    ZglosBlad(QString("the frame is shorter than the live layout of firmware %1 (%2 payload bytes)")
                  .arg(firmware)
                  .arg(wersja->DlugoscDanychBiezacych()));
    return KodDanych;
  }
  QJsonObject wynik = DaneBiezaceDoJson(s.Model.DaneBiezace);
  wynik["MaskaWtryskiwaczy"] = s.Model.MaskaWtryskiwaczy;
  WypiszLinieJson(wynik);
  return KodOk;
}

int DekodujIdentyfikacje(const TTablicaByte& ramka) {
  if (ramka[3] != TObslugaRamek::KodIdentyfikacji && ramka[3] != TObslugaRamek::KodUstawienFabrycznych) {
    ZglosBlad(QString("not an identification frame (response code %1)").arg(ramka[3]));
    return KodDanych;
  }
  TSrodowiskoDekodera s;
  TObslugaRamek obsluga(s.Model, s.Okno, s.Typ, s.Komunikaty, s.OknoKomunikatow);
  TZegarWirtualny zegar;
  THistoriaBezLacza otoczenieHistorii(ramka.size() > 5 ? std::optional<int>(ramka[5]) : std::nullopt);
  TInfoOSterObject historia(zegar, otoczenieHistorii, 0);
  obsluga.UstawHistorie(&historia);
  obsluga.ObsluzRamke(ramka);
  if (!obsluga.Wersja) return KodIdentyfikacji;  // the dispatcher has said why

  TOknoCli oknoKontrolek;
  TOknoZapamietujace zapamietujace(oknoKontrolek);
  obsluga.Wersja->UstawKontrolki(zapamietujace, obsluga.IdentyfikacjaSterownika);
  const TZmienioneKontrolki& kontrolki = zapamietujace.ZmienioneKontrolki();

  QJsonObject wynik;
  wynik["Identyfikacja"] = IdentyfikacjaDoJson(obsluga.IdentyfikacjaSterownika);
  wynik["Wersja"] = obsluga.Wersja->NumerWersji;
  wynik["Nastawy"] = NastawyDoJson(s.Model.Nastawy);
  wynik["BledyZarejestrowane"] = Lista(s.Okno.Linie[std::string(Kontrolka::BledyZarejestrowaneMemo)]);
  wynik["ObszarHistorii"] = QString::fromStdString(NaHeks(historia.ObszarOdczytany().Surowe()));
  wynik["Blok16"] = QString::fromStdString(NaHeks(s.Model.DaneBiezace.Blok16));
  QJsonObject zmienione;
  zmienione["Wlaczone"] = Lista(kontrolki.KontrolkiWlaczone);
  zmienione["Pokazane"] = Lista(kontrolki.KontrolkiPokazane);
  zmienione["Ukryte"] = Lista(kontrolki.KontrolkiUkryte);
  wynik["Kontrolki"] = zmienione;
  WypiszLinieJson(wynik);
  return KodOk;
}

}  // namespace

int PolecenieDekoduj(const QStringList& argumenty) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Decodes one whole received frame (start byte to checksum, as hex) into JSON.\n"
      "  decode --live HEX --firmware V   a live-data frame of firmware V\n"
      "  decode --ident HEX               an identification frame");
  parser.addHelpOption();
  parser.addOption({"live", "A live-data frame.", "HEX"});
  parser.addOption({"ident", "An identification frame (answer 12 or 38).", "HEX"});
  parser.addOption({"firmware", "Firmware version of the live frame.", "V"});
  if (!parser.parse(QStringList{"decode"} + argumenty)) {
    ZglosBlad(parser.errorText());
    return KodUzycie;
  }
  if (parser.isSet("help")) {
    std::printf("%s", qPrintable(parser.helpText()));
    return KodOk;
  }
  if (parser.isSet("live") == parser.isSet("ident")) {
    ZglosBlad("decode takes exactly one of --live and --ident (see decode --help)");
    return KodUzycie;
  }
  if (parser.isSet("live")) {
    bool liczba = false;
    const int firmware = parser.value("firmware").toInt(&liczba);
    if (!liczba) {
      ZglosBlad("decode --live needs --firmware V");
      return KodUzycie;
    }
    const auto ramka = CzytajRamke(parser.value("live"));
    return ramka ? DekodujDaneBiezace(*ramka, firmware) : KodDanych;
  }
  const auto ramka = CzytajRamke(parser.value("ident"));
  return ramka ? DekodujIdentyfikacje(*ramka) : KodDanych;
}

}  // namespace wtrysk
