// wtrysk-cli ports: the entries of the Port menu.
#include <cstdio>

#include "Polaczenie.h"
#include "Polecenia.h"

namespace wtrysk {

int PolecenieListaPortow(const QStringList& argumenty) {
  if (argumenty.contains("--help") || argumenty.contains("-h")) {
    std::printf(
        "usage: wtrysk-cli ports\n"
        "The entries of the Port menu, one per line: caption, a tab, tag. Serial and virtual\n"
        "ports have their COM number as tag, FTDI devices 100 + their index.\n");
    return KodOk;
  }
  if (!argumenty.isEmpty()) {
    ZglosBlad("ports takes no arguments");
    return KodUzycie;
  }
  TPolaczenieCli polaczenie;
  for (const auto& wpis : polaczenie.Lista.Wpisy()) std::printf("%s\t%d\n", wpis.Podpis.c_str(), wpis.Znacznik);
  return KodOk;
}

}  // namespace wtrysk
