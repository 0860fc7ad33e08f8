// wtrysk-cli: the command-line side of the service tool, for fitters, support staff and
// tests: a simulated controller, a headless monitor, frame decoders and settings-file tools.
#include <QCoreApplication>
#include <cstdio>

#include "Polecenia.h"

namespace wtrysk {

void ZglosBlad(const QString& tekst) { std::fprintf(stderr, "wtrysk-cli: %s\n", qPrintable(tekst)); }

}  // namespace wtrysk

namespace {

const char* const Pomoc =
    "usage: wtrysk-cli COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  simulate   a simulated controller on a new virtual port\n"
    "  ports      the Port-menu entries: caption and tag\n"
    "  monitor    connect, identify and print live readings as JSON lines\n"
    "  decode     decode one received frame given as hex\n"
    "  ust        show a settings file, or the image it would send\n"
    "\n"
    "'wtrysk-cli COMMAND --help' describes each command.\n";

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication aplikacja(argc, argv);
  QCoreApplication::setApplicationName("wtrysk");
  QStringList argumenty = QCoreApplication::arguments().mid(1);
  if (argumenty.isEmpty() || argumenty.front() == "--help" || argumenty.front() == "-h" || argumenty.front() == "help") {
    std::printf("%s", Pomoc);
    return argumenty.isEmpty() ? wtrysk::KodUzycie : wtrysk::KodOk;
  }
  const QString polecenie = argumenty.takeFirst();
  if (polecenie == "decode") return wtrysk::PolecenieDekoduj(argumenty);
  if (polecenie == "ust") return wtrysk::PolecenieUst(argumenty);
  if (polecenie == "ports") return wtrysk::PolecenieListaPortow(argumenty);
  if (polecenie == "monitor") return wtrysk::PolecenieMonitor(argumenty);
  if (polecenie == "simulate") return wtrysk::PolecenieSymuluj(argumenty);
  wtrysk::ZglosBlad("unknown command '" + polecenie + "' (see wtrysk-cli --help)");
  return wtrysk::KodUzycie;
}
