#pragma once

#include <memory>

#include "TOknoCli.h"
#include "aplikacja/TSesjaSterownika.h"
#include "i18n/TKomunikaty.h"
#include "io/TListaPortow.h"
#include "io/TMapaPortowCom.h"
#include "io/TSerwisCzasuQt.h"
#include "io/TSterowaniePolaczeniem.h"
#include "io/TUsbFtdi.h"

namespace wtrysk {

// What connecting needs, set up the way the window program sets it up: the port list of this
// PC (serial ports, virtual ports, FTDI devices), connection control, and a controller session
// on a window that only remembers what is written into it.
struct TPolaczenieCli {
  TPolaczenieCli();

  TKomunikaty Komunikaty;
  TOknoCli Okno;
  TOknoKomunikatowCli OknoKomunikatow;
  TSerwisCzasuQt Czas;
  TMapaPortowCom Mapa;
  TUsbFtdi Usb;
  TListaPortow Lista;
  TSesjaSterownika Sesja;
  TSterowaniePolaczeniem Sterowanie;
};

}  // namespace wtrysk
