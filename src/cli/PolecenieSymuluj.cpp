// wtrysk-cli simulate: one simulated controller on a new pseudo-terminal, registered as a
// virtual COM port so the program and the monitor find it in their port lists.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <deque>
#include <unistd.h>

#include "Heks.h"
#include "Polecenia.h"
#include "io/TPseudoTerminal.h"
#include "io/FolderDanych.h"
#include "io/TMapaPortowCom.h"
#include "io/TSerwisCzasuQt.h"
#include "symulator/TSymulatorSterownika.h"

namespace wtrysk {

namespace {

int PotokSygnalow[2] = {-1, -1};

void ObsluzSygnal(int) {
  const char znak = 1;
  [[maybe_unused]] const auto n = ::write(PotokSygnalow[1], &znak, 1);
}

// Bytes to the pseudo-terminal without blocking: what the terminal cannot take now waits,
// in order, until it can.
class TNadajnik {
public:
  explicit TNadajnik(int deskryptor) : Deskryptor(deskryptor), Gotowy(deskryptor, QSocketNotifier::Write) {
    Gotowy.setEnabled(false);
    QObject::connect(&Gotowy, &QSocketNotifier::activated, [this] { Wypchnij(); });
  }
  void Nadaj(std::span<const uint8_t> bajty) {
    Kolejka.insert(Kolejka.end(), bajty.begin(), bajty.end());
    Wypchnij();
  }

private:
  void Wypchnij() {
    while (!Kolejka.empty()) {
      uint8_t bufor[4096];
      std::size_t n = 0;
      while (n < sizeof bufor && n < Kolejka.size()) {
        bufor[n] = Kolejka[n];
        ++n;
      }
      const ssize_t zapisane = ::write(Deskryptor, bufor, n);
      if (zapisane < 0) {
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) break;
        Kolejka.clear();  // the terminal is gone; nobody will read these
        break;
      }
      Kolejka.erase(Kolejka.begin(), Kolejka.begin() + zapisane);
    }
    Gotowy.setEnabled(!Kolejka.empty());
  }

  int Deskryptor;
  QSocketNotifier Gotowy;
  std::deque<uint8_t> Kolejka;
};

bool CzytajPrawdopodobienstwo(const QCommandLineParser& parser, const char* nazwa, double& wynik) {
  if (!parser.isSet(nazwa)) return true;
  bool liczba = false;
  wynik = parser.value(nazwa).toDouble(&liczba);
  if (!liczba || wynik < 0.0 || wynik > 1.0) {
    ZglosBlad(QString("--%1 takes a probability from 0 to 1").arg(nazwa));
    return false;
  }
  return true;
}

bool CzytajLiczbe(const QCommandLineParser& parser, const char* nazwa, int od, int doW, int& wynik) {
  if (!parser.isSet(nazwa)) return true;
  bool liczba = false;
  const int w = parser.value(nazwa).toInt(&liczba);
  if (!liczba || w < od || w > doW) {
    ZglosBlad(QString("--%1 takes a whole number from %2 to %3").arg(nazwa).arg(od).arg(doW));
    return false;
  }
  wynik = w;
  return true;
}

}  // namespace

int PolecenieSymuluj(const QStringList& argumenty) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "A simulated gas controller on a new pseudo-terminal, registered as the virtual port COM<N>.\n"
      "Prints \"COM<N> <device path>\" and runs until interrupted (SIGINT or SIGTERM), then\n"
      "removes the virtual port.");
  parser.addHelpOption();
  parser.addOption({"firmware", "Firmware version, 15 to 30 (default 24).", "V", "24"});
  parser.addOption({"com", "COM number of the virtual port, 1 to 32 (default: the lowest free).", "N"});
  parser.addOption({"board", "Board number H of the \"1.H\" identity (default 11).", "H", "11"});
  parser.addOption({"requires", "Lowest program minor version the firmware asks for (default 14).", "M", "14"});
  parser.addOption({"loader", "Start in the update loader (answers with code 200)."});
  parser.addOption({"drop", "Lose each answer with probability P.", "P"});
  parser.addOption({"corrupt", "Damage each byte with probability P.", "P"});
  parser.addOption({"split", "Deliver frames in random pieces."});
  parser.addOption({"garbage", "Noise bytes between frames."});
  parser.addOption({"silent-after", "Stop answering S seconds after start.", "S"});
  parser.addOption({"errors", "Current error bytes E0,E1,E2,E3 (hex or decimal, active low).", "E0,E1,E2,E3"});
  parser.addOption({"seed", "Seed of the engine noise and the faults (default 1).", "N", "1"});
  parser.addOption({"log", "Print every chunk the program writes as \"RX <ms since start> <hex>\" on stdout."});
  if (!parser.parse(QStringList{"simulate"} + argumenty)) {
    ZglosBlad(parser.errorText());
    return KodUzycie;
  }
  if (parser.isSet("help")) {
    std::printf("%s", qPrintable(parser.helpText()));
    return KodOk;
  }
  if (!parser.positionalArguments().isEmpty()) {
    ZglosBlad("simulate takes no file or value without an option (see simulate --help)");
    return KodUzycie;
  }

  TOpcjeSymulatora opcje;
  int firmware = 24, numer = 0, plytka = 11, wymagana = 14, cisza = 0;
  if (!CzytajLiczbe(parser, "firmware", 15, 30, firmware) || !CzytajLiczbe(parser, "com", 1, 32, numer) ||
      !CzytajLiczbe(parser, "board", 0, 255, plytka) || !CzytajLiczbe(parser, "requires", 0, 65535, wymagana) ||
      !CzytajLiczbe(parser, "silent-after", 0, 1000000, cisza) ||
      !CzytajPrawdopodobienstwo(parser, "drop", opcje.Zaklocenia.Zgubienie) ||
      !CzytajPrawdopodobienstwo(parser, "corrupt", opcje.Zaklocenia.Uszkodzenie)) {
    return KodUzycie;
  }
  opcje.Naglowek.Firmware = static_cast<uint8_t>(firmware);
  opcje.Naglowek.Plytka = static_cast<uint8_t>(plytka);
  opcje.Naglowek.WymaganaWersja = static_cast<uint16_t>(wymagana);
  opcje.CiszaPoMs = cisza * 1000;
  opcje.StartWLadowarce = parser.isSet("loader");
  opcje.Zaklocenia.Dzielenie = parser.isSet("split");
  // Pieces written at once would merge again in the terminal's buffer; a short pause keeps
  // them apart, as a slow line would.
  if (opcje.Zaklocenia.Dzielenie) opcje.OdstepKawalkowMs = 2;
  opcje.Zaklocenia.Smieci = parser.isSet("garbage");
  bool ziarnoLiczba = false;
  opcje.Ziarno = parser.value("seed").toULongLong(&ziarnoLiczba);
  if (!ziarnoLiczba) {
    ZglosBlad("--seed takes a whole number");
    return KodUzycie;
  }
  if (parser.isSet("errors")) {
    const QStringList bajty = parser.value("errors").split(',');
    bool dobre = bajty.size() == 4;
    for (int i = 0; dobre && i < 4; ++i) {
      const int b = bajty[i].trimmed().toInt(&dobre, 0);
      dobre = dobre && b >= 0 && b <= 255;
      if (dobre) opcje.BledyBiezace[static_cast<std::size_t>(i)] = static_cast<uint8_t>(b);
    }
    if (!dobre) {
      ZglosBlad("--errors takes four bytes E0,E1,E2,E3, e.g. 0xFF,0xF7,0xFF,0xFF");
      return KodUzycie;
    }
  }

  TPseudoTerminal terminal;
  if (!terminal.Otworz()) {
    ZglosBlad(QString::fromStdString(terminal.Blad()));
    return KodSystemu;
  }
  TMapaPortowCom mapa(FolderDanychProgramu());
  const TWynikRejestracji port = mapa.ZarejestrujPortWirtualny(terminal.Sciezka(), numer);
  if (!port.Udana()) {
    ZglosBlad(QString::fromStdString(port.Opis));
    return KodSystemu;
  }

  if (::pipe(PotokSygnalow) != 0) {
    mapa.UsunPortWirtualny(port.Numer, terminal.Sciezka());
    ZglosBlad("cannot watch for signals");
    return KodSystemu;
  }
  std::signal(SIGINT, ObsluzSygnal);
  std::signal(SIGTERM, ObsluzSygnal);
  QSocketNotifier sygnaly(PotokSygnalow[0], QSocketNotifier::Read);
  QObject::connect(&sygnaly, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });

  TSerwisCzasuQt czas;
  TNadajnik nadajnik(terminal.Deskryptor());
  TSymulatorSterownika symulator(czas, opcje, [&nadajnik](std::span<const uint8_t> bajty) { nadajnik.Nadaj(bajty); });
  const bool dziennik = parser.isSet("log");
  QElapsedTimer odStartu;
  odStartu.start();
  QSocketNotifier odbior(terminal.Deskryptor(), QSocketNotifier::Read);
  QObject::connect(&odbior, &QSocketNotifier::activated, [&] {
    uint8_t bufor[4096];
    for (;;) {
      const ssize_t n = ::read(terminal.Deskryptor(), bufor, sizeof bufor);
      if (n > 0) {
        const std::span<const uint8_t> odebrane(bufor, static_cast<std::size_t>(n));
        if (dziennik) {
          std::printf("RX %lld %s\n", static_cast<long long>(odStartu.elapsed()), NaHeks(odebrane).c_str());
          std::fflush(stdout);
        }
        symulator.Odbierz(odebrane);
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      break;  // nothing more now (EAGAIN), or the far end hung up for a moment (EIO)
    }
  });

  std::printf("COM%d %s\n", port.Numer, terminal.Sciezka().c_str());
  std::fflush(stdout);
  const int wynik = QCoreApplication::exec();
  mapa.UsunPortWirtualny(port.Numer, terminal.Sciezka());
  return wynik == 0 ? KodOk : KodSystemu;
}

}  // namespace wtrysk
