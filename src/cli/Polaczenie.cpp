#include "Polaczenie.h"

#include "historia/KodKomputera.h"
#include "io/FolderDanych.h"
#include "io/TUrzadzenieFtdi.h"

namespace wtrysk {

TPolaczenieCli::TPolaczenieCli()
    : Mapa(FolderDanychProgramu()),
      Usb(UtworzUrzadzenieLibftdi(), OknoKomunikatow),
      Lista(Komunikaty, Mapa, Usb),
      Sesja(Czas, Okno, OknoKomunikatow, Komunikaty, KodTegoKomputera()),
      Sterowanie(Czas, Komunikaty, OknoKomunikatow, Lista, [this](TPortKomunikacyjny& port) { Sesja.PodlaczPort(&port); }) {
  // A missing FTDI library or device is normal here; the list simply has no USB entries.
  Usb.UsbPokazBledy = false;
  Sterowanie.PortZwolniony = [this] { Sesja.PodlaczPort(nullptr); };
  Lista.OdswiezListePortow(true);
}

}  // namespace wtrysk
