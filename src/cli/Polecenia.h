#pragma once

#include <QStringList>

namespace wtrysk {

// Exit codes of wtrysk-cli.
enum TKodWyjscia : int {
  KodOk = 0,
  KodUzycie = 1,          // bad arguments
  KodBrakOdpowiedzi = 2,  // the controller did not answer (message 18)
  KodIdentyfikacji = 3,   // identification failed (program too old, firmware not served, ...)
  KodDanych = 4,          // bad input: hex, frame, file
  KodSystemu = 5,         // the system refused (pseudo-terminal, port folder)
};

// Each subcommand takes the arguments after its name and returns the exit code.
int PolecenieDekoduj(const QStringList& argumenty);
int PolecenieUst(const QStringList& argumenty);
int PolecenieListaPortow(const QStringList& argumenty);
int PolecenieMonitor(const QStringList& argumenty);
int PolecenieSymuluj(const QStringList& argumenty);

// One line "wtrysk-cli: <text>" on stderr.
void ZglosBlad(const QString& tekst);

}  // namespace wtrysk
