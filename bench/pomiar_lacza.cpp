// Measures the link over a real pseudo-terminal: the simulated controller on one end, the
// program's serial transport, link engine and decoders on the other. Reports the time from a
// poll leaving the program to its answer being decoded (median and 99th percentile), the live
// frames per second at the 100 ms tick, and the frames of each minute, which shows drift.
//
//   pomiar_lacza [seconds]     (default 60; 600 for the ten-minute drift check)
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <unistd.h>
#include <vector>

#include "OknaPuste.h"
#include "aplikacja/TSesjaSterownika.h"
#include "i18n/TKomunikaty.h"
#include "io/TPortCOM.h"
#include "io/TPseudoTerminal.h"
#include "io/TSerwisCzasuQt.h"
#include "symulator/TSymulatorSterownika.h"

using namespace wtrysk;
using Zegar = std::chrono::steady_clock;

namespace {

class TOknoPomiaru : public TOknoPuste {
public:
  void OdswiezWidok() override {
    if (PoOdswiezeniu) PoOdswiezeniu();
  }
  std::function<void()> PoOdswiezeniu;
};

// The serial transport with the moment of each poll noted.
class TPortPomiaru : public TPortCOM {
public:
  using TPortCOM::TPortCOM;
  int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) override {
    if (liczba == RamkaZapytania.size() && std::equal(bajty, bajty + liczba, RamkaZapytania.begin())) {
      OstatnieZapytanie = Zegar::now();
    }
    return TPortCOM::ZapiszBajty(bajty, liczba);
  }
  Zegar::time_point OstatnieZapytanie;
};

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication aplikacja(argc, argv);
  const int sekundy = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;

  TPseudoTerminal terminal;
  if (!terminal.Otworz()) {
    std::fprintf(stderr, "%s\n", terminal.Blad().c_str());
    return 1;
  }
  TSerwisCzasuQt czas;
  TOpcjeSymulatora opcje;
  opcje.Naglowek.Firmware = 26;
  TSymulatorSterownika symulator(czas, opcje, [&](std::span<const uint8_t> b) {
    [[maybe_unused]] const auto n = ::write(terminal.Deskryptor(), b.data(), b.size());
  });
  QSocketNotifier odbior(terminal.Deskryptor(), QSocketNotifier::Read);
  QObject::connect(&odbior, &QSocketNotifier::activated, [&] {
    uint8_t bufor[4096];
    ssize_t n;
    while ((n = ::read(terminal.Deskryptor(), bufor, sizeof bufor)) > 0) {
      symulator.Odbierz(std::span<const uint8_t>(bufor, static_cast<std::size_t>(n)));
    }
  });

  TKomunikaty komunikaty;
  TOknoPomiaru okno;
  TOknoKomunikatowCiche oknoKomunikatow;
  TSesjaSterownika sesja(czas, okno, oknoKomunikatow, komunikaty, 1);
  TPortPomiaru port(czas, komunikaty, oknoKomunikatow, 1, [&](int) { return std::optional<std::string>(terminal.Sciezka()); });
  sesja.PodlaczPort(&port);

  std::vector<double> opoznieniaMs;
  std::vector<int> ramkiNaMinute;
  Zegar::time_point poczatek;
  Zegar::time_point ostatnia;
  okno.PoOdswiezeniu = [&] {
    if (!sesja.Obsluga.Wersja) return;
    const auto teraz = Zegar::now();
    ostatnia = teraz;
    if (opoznieniaMs.empty()) poczatek = teraz;
    opoznieniaMs.push_back(std::chrono::duration<double, std::milli>(teraz - port.OstatnieZapytanie).count());
    const auto minuta = static_cast<std::size_t>(std::chrono::duration_cast<std::chrono::minutes>(teraz - poczatek).count());
    if (ramkiNaMinute.size() <= minuta) ramkiNaMinute.resize(minuta + 1, 0);
    ++ramkiNaMinute[minuta];
  };
  port.Otworz();
  QTimer::singleShot(sekundy * 1000, &aplikacja, &QCoreApplication::quit);
  QCoreApplication::exec();
  port.Zamknij();

  if (opoznieniaMs.empty()) {
    std::fprintf(stderr, "no live frame was decoded\n");
    return 1;
  }
  // Frames per second over the intervals between the first and the last frame.
  const double trwanie = std::chrono::duration<double>(ostatnia - poczatek).count();
  std::vector<double> posortowane = opoznieniaMs;
  std::sort(posortowane.begin(), posortowane.end());
  const auto centyl = [&](double p) { return posortowane[static_cast<std::size_t>(p * (posortowane.size() - 1))]; };
  std::printf("live frames decoded:      %zu in %.1f s = %.3f frames/s\n", opoznieniaMs.size(), trwanie,
              static_cast<double>(opoznieniaMs.size() - 1) / trwanie);
  std::printf("poll to decoded, median:  %.3f ms\n", centyl(0.5));
  std::printf("poll to decoded, p99:     %.3f ms\n", centyl(0.99));
  std::printf("poll to decoded, max:     %.3f ms\n", posortowane.back());
  std::printf("frames per minute:       ");
  for (int r : ramkiNaMinute) std::printf(" %d", r);
  std::printf("\n");
  return 0;
}
