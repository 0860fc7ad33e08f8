// Takes a picture of the main window connected to the in-process simulated controller, for
// the documentation and for checking the layout at a given size:
//   wtrysk_zrzut_okna PLIK.png [SZEROKOSC WYSOKOSC [STRONA [SERWIS]]]
// The controller runs for a few simulated minutes first, so the engine is warm and on gas.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "OknoTestowe.h"
#include "aplikacja/TSesjaSterownika.h"

int main(int argc, char* argv[]) {
  QApplication aplikacja(argc, argv);
  const QStringList arg = QCoreApplication::arguments();
  if (arg.size() < 2) {
    std::fprintf(stderr, "usage: wtrysk_zrzut_okna FILE.png [WIDTH HEIGHT [PAGE [SERVICE]]]\n");
    return 2;
  }
  const int szerokosc = arg.size() > 3 ? arg[2].toInt() : 1280;
  const int wysokosc = arg.size() > 3 ? arg[3].toInt() : 800;
  const int strona = arg.size() > 4 ? arg[4].toInt() : 0;
  const bool serwis = arg.size() > 5 && arg[5] == QLatin1String("1");

  wtrysk::TOknoTestowe t;
  wtrysk::TWtryskForm& okno = t.Utworz();
  okno.resize(szerokosc, wysokosc);
  okno.show();
  t.PolaczSymulator();
  // Warm-up: about three minutes of engine time, then the wait for the switch-over.
  for (int i = 0; i < 1800; ++i) t.Zegar.Przesun(100);
  okno.PokazZakladke(strona);
  if (serwis) {
    for (const char* nazwa : {"UkrytePanel", "UkryteParametry", "WylWtrGazPanel"}) okno.Okno().Pokaz(nazwa);
  }
  for (int i = 0; i < 5; ++i) {
    t.Zegar.Przesun(100);
    QApplication::processEvents();
  }
  const bool zapisano = okno.grab().save(arg[1]);
  for (const std::string& b : t.Komunikaty.Bledy) std::fprintf(stderr, "message: %s\n", b.c_str());
  return zapisano ? 0 : 1;
}
