// wtrysk-cli decode and ust: JSON out, clear messages and distinct exit codes on bad input.
#include <QFile>
#include <QJsonArray>

#include "ProcesCli.h"
#include "RamkaIdentyfikacji.h"
#include "pliki/FormatPlikuNastaw.h"
#include "protokol/Wersje.h"

namespace wtrysk {
namespace {

QString Heks(const TTablicaByte& bajty) {
  return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bajty.data()), static_cast<qsizetype>(bajty.size())).toHex(' '));
}

TEST_F(CliTest, DecodesALiveFrame) {
  TTablicaByte dane(52, 0);
  dane[0] = 0x01;
  dane[17] = 9;                // 900 rpm
  dane[19] = 0x00, dane[20] = 0x96;
  const auto wynik = Uruchom({"decode", "--live", Heks(ZbudujRamkeOdpowiedzi(1, dane)), "--firmware", "24"});
  ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy.toStdString();
  const auto linie = LinieJson(wynik.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_TRUE(linie[0]["Stacyjka"].toBool());
  EXPECT_EQ(linie[0]["Obroty"].toInt(), 9);
  EXPECT_EQ(linie[0]["CisnienieGazu"].toInt(), 150);
}

TEST_F(CliTest, DecodesAnIdentificationFrame) {
  TNaglowekIdentyfikacji naglowek;
  naglowek.Firmware = 25;
  auto dane = DaneIdentyfikacji(naglowek);
  dane[PozycjaNastawy(6)] = 3;  // six cylinders
  const auto wynik = Uruchom({"decode", "--ident", Heks(RamkaIdentyfikacji(dane))});
  ASSERT_EQ(wynik.Kod, 0) << wynik.Bledy.toStdString();
  const auto linie = LinieJson(wynik.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  const QJsonObject& o = linie[0];
  EXPECT_EQ(o["Identyfikacja"].toObject()["WersjaFirmware"].toInt(), 25);
  EXPECT_EQ(o["Identyfikacja"].toObject()["NazwaWersji"].toString(), "1.11");
  EXPECT_EQ(o["Wersja"].toInt(), 24);
  EXPECT_EQ(o["Nastawy"].toObject()["IloscCylindrow"].toInt(), 3);
  EXPECT_EQ(o["ObszarHistorii"].toString().size(), 510);
  EXPECT_EQ(o["Blok16"].toString().size(), 32);
  EXPECT_TRUE(o["Kontrolki"].toObject()["Pokazane"].toArray().contains("ProgDetekcjiObrotowPanel"));
  EXPECT_TRUE(o["Kontrolki"].toObject()["Ukryte"].toArray().contains("SygObrPanel"));
}

TEST_F(CliTest, BadInputGivesAMessageAndAnExitCode) {
  auto zlaSuma = ZbudujRamkeOdpowiedzi(1, TTablicaByte(52, 0));
  zlaSuma.back() ^= 0x01;
  TNaglowekIdentyfikacji stary;
  stary.Firmware = 14;
  struct TPrzypadek {
    const char* Nazwa;
    QStringList Argumenty;
    int Kod;
  };
  const TPrzypadek przypadki[] = {
      {"not hex", {"decode", "--live", "zz", "--firmware", "24"}, 4},
      {"odd digits", {"decode", "--live", "aa0", "--firmware", "24"}, 4},
      {"bad checksum", {"decode", "--live", Heks(zlaSuma), "--firmware", "24"}, 4},
      {"short for the layout", {"decode", "--live", Heks(ZbudujRamkeOdpowiedzi(1, TTablicaByte(30, 0))), "--firmware", "24"}, 4},
      {"firmware not served", {"decode", "--live", Heks(ZbudujRamkeOdpowiedzi(1, TTablicaByte(30, 0))), "--firmware", "14"}, 4},
      {"live frame as identification", {"decode", "--ident", Heks(ZbudujRamkeOdpowiedzi(1, {}))}, 4},
      {"firmware refused", {"decode", "--ident", Heks(RamkaIdentyfikacji(stary))}, 3},
      {"no frame", {"decode"}, 1},
      {"no firmware", {"decode", "--live", "aa00050 1b0"}, 1},
      {"unknown command", {"frobnicate"}, 1},
      {"missing file", {"ust", "show", "/nonexistent/x.ust"}, 4},
  };
  for (const auto& p : przypadki) {
    const auto wynik = Uruchom(p.Argumenty);
    EXPECT_EQ(wynik.Kod, p.Kod) << p.Nazwa;
    EXPECT_FALSE(wynik.Bledy.trimmed().isEmpty()) << p.Nazwa << ": a message on stderr";
    EXPECT_TRUE(wynik.Wyjscie.isEmpty()) << p.Nazwa;
  }
}

TEST_F(CliTest, EveryCommandHasHelp) {
  for (const char* polecenie : {"simulate", "ports", "monitor", "decode", "ust"}) {
    const auto wynik = Uruchom({polecenie, "--help"});
    EXPECT_EQ(wynik.Kod, 0) << polecenie;
    EXPECT_FALSE(wynik.Wyjscie.isEmpty()) << polecenie;
  }
}

TEST_F(CliTest, SettingsFileShownAndImagedForAnotherFirmware) {
  TNastawy n;
  NastawyDomyslne(n);
  n.IloscCylindrow = 2;
  n.CzasPrzelaczenia = 8;
  TIdentyfikacjaSterownika id{"1.11", 17, std::nullopt, 14};
  const auto bajty = ZbudujPlikNastaw(id, *UtworzWersje(17), n);
  const QString sciezka = Folder.filePath("a.ust");
  {
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(reinterpret_cast<const char*>(bajty.data()), static_cast<qint64>(bajty.size()));
  }
  const auto pokaz = Uruchom({"ust", "show", sciezka});
  ASSERT_EQ(pokaz.Kod, 0) << pokaz.Bledy.toStdString();
  const auto linie = LinieJson(pokaz.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(linie[0]["WersjaFirmware"].toInt(), 17);
  EXPECT_TRUE(linie[0]["WymaganaWersjaProgramu"].isNull());
  EXPECT_EQ(linie[0]["Nastawy"].toObject()["IloscCylindrow"].toInt(), 2);

  const auto obraz = Uruchom({"ust", "image", sciezka, "--firmware", "24"});
  ASSERT_EQ(obraz.Kod, 0) << obraz.Bledy.toStdString();
  const QByteArray heks = obraz.Wyjscie.trimmed();
  EXPECT_EQ(heks.size(), 554 * 2);
  EXPECT_EQ(heks.mid(2, 2), "02") << "cylinders";
  EXPECT_EQ(heks.mid(21 * 2, 2), "08") << "the old file's switch-over delay reaches the 16-bit field";

  QFile zly(Folder.filePath("zly.ust"));
  ASSERT_TRUE(zly.open(QIODevice::WriteOnly));
  zly.write("\x08Z410Ust...");
  zly.close();
  const auto odrzucony = Uruchom({"ust", "show", zly.fileName()});
  EXPECT_EQ(odrzucony.Kod, 4);
  EXPECT_TRUE(odrzucony.Bledy.contains("not a settings file"));
}

}  // namespace
}  // namespace wtrysk
