#include "io/UrzadzeniaSzeregowe.h"

#include <QSerialPortInfo>
#include <filesystem>
#include <map>
#include <system_error>

namespace wtrysk {

namespace {

std::string Kanoniczna(const std::string& sciezka) {
  std::error_code blad;
  const auto wynik = std::filesystem::canonical(sciezka, blad);
  return blad ? sciezka : wynik.string();
}

// /dev/serial/by-id holds one link per USB serial device, named after its maker, model and
// serial number: the best name a device has.
std::map<std::string, std::string> NazwyWedlugId() {
  std::map<std::string, std::string> nazwy;
  std::error_code blad;
  for (const auto& wpis : std::filesystem::directory_iterator("/dev/serial/by-id", blad)) {
    std::error_code bladCelu;
    const auto cel = std::filesystem::canonical(wpis.path(), bladCelu);
    if (!bladCelu) nazwy.emplace(cel.string(), wpis.path().filename().string());
  }
  return nazwy;
}

std::string Hex4(quint16 liczba) { return QStringLiteral("%1").arg(liczba, 4, 16, QLatin1Char('0')).toStdString(); }

}  // namespace

std::vector<TUrzadzenieSzeregowe> UrzadzeniaSzeregoweSystemu() {
  const auto nazwy = NazwyWedlugId();
  std::vector<TUrzadzenieSzeregowe> wynik;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    TUrzadzenieSzeregowe urzadzenie;
    urzadzenie.Sciezka = info.systemLocation().toStdString();
    if (const auto nazwa = nazwy.find(Kanoniczna(urzadzenie.Sciezka)); nazwa != nazwy.end()) {
      urzadzenie.Tozsamosc = "by-id:" + nazwa->second;
    } else if (!info.serialNumber().isEmpty()) {
      urzadzenie.Tozsamosc = "sn:" + Hex4(info.vendorIdentifier()) + ":" + Hex4(info.productIdentifier()) + ":" +
                             info.serialNumber().toStdString();
    } else {
      urzadzenie.Tozsamosc = "loc:" + urzadzenie.Sciezka;
    }
    wynik.push_back(std::move(urzadzenie));
  }
  return wynik;
}

}  // namespace wtrysk
