#pragma once

#include <QDir>
#include <QFile>
#include <memory>
#include <string>
#include <vector>

#include "TFolderTymczasowy.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TPortSymulatora.h"
#include "TWtryskForm.h"
#include "czas/TZegarWirtualny.h"
#include "io/TUrzadzenieFtdi.h"

namespace wtrysk {

// No FTDI device attached.
class TFtdiBrak : public TUrzadzenieFtdi {
public:
  int Otworz(const std::string&) override { return -3; }
  int Zamknij() override { return 0; }
  int Czytaj(uint8_t*, int) override { return 0; }
  int Pisz(const uint8_t*, int) override { return 0; }
  int Resetuj() override { return 0; }
  int UstawPredkosc(int) override { return 0; }
  int UstawZnak(int, int, int) override { return 0; }
  int UstawPrzeplyw(int, uint8_t, uint8_t) override { return 0; }
  int UstawCzasy(int, int) override { return 0; }
  int UtworzListe() override { return 0; }
  int PobierzListe(std::vector<TWezelUrzadzeniaUsb>& lista) override {
    lista.clear();
    return 0;
  }
};

// A main window in a folder of its own (settings, language files, virtual ports), on a virtual
// clock, with no serial device and no FTDI device of the machine, and message boxes that are
// recorded and answered from a queue.
struct TOknoTestowe {
  TOknoTestowe() { QDir().mkpath(QString::fromStdString(Folder.Plik("porty"))); }
  // The simulated controller goes first, unhooked from the window it served.
  ~TOknoTestowe() {
    if (Okno && Port) Okno->PodlaczPort(nullptr);
    Port.reset();
  }

  TOpcjeOkna Opcje() {
    TOpcjeOkna o;
    o.FolderUstawien = Folder.Sciezka.string();
    o.FolderyJezykow = {Folder.Sciezka.string()};
    o.FolderDanych = Folder.Sciezka.string();
    o.UrzadzeniaSzeregowe = [] { return std::vector<TUrzadzenieSzeregowe>{}; };
    o.UtworzFtdi = [] { return std::make_unique<TFtdiBrak>(); };
    o.Czas = &Zegar;
    o.OknoKomunikatow = &Komunikaty;
    o.KodKomputera = 0x12345678;
    return o;
  }

  TWtryskForm& Utworz() {
    Okno = std::make_unique<TWtryskForm>(Opcje());
    return *Okno;
  }

  // A simulated controller wired to the window (made by Utworz) and connecting: the
  // identification request is on its way.
  TPortSymulatora& PolaczSymulator() {
    Port = std::make_unique<TPortSymulatora>(Zegar, Okno->Komunikaty(), Komunikaty);
    Okno->PodlaczPort(Port.get());
    Port->Otworz();
    return *Port;
  }

  std::string Ustawienia() const { return Folder.Plik("ustawienia.dat"); }

  // A file in the "Lang" subfolder.
  void DodajJezyk(const char* nazwa) {
    QDir().mkpath(QString::fromStdString(Folder.Plik("Lang")));
    QFile plik(QString::fromStdString(Folder.Plik(std::string("Lang/") + nazwa)));
    plik.open(QIODevice::WriteOnly);
    plik.write("[KString]\n");
  }

  // A virtual serial port COM<numer> in the data folder, pointing at a file that exists.
  void DodajPortWirtualny(int numer) {
    const std::string cel = Folder.Plik("urzadzenie" + std::to_string(numer));
    QFile(QString::fromStdString(cel)).open(QIODevice::WriteOnly);
    QFile::link(QString::fromStdString(cel), QString::fromStdString(Folder.Plik("porty/COM" + std::to_string(numer))));
  }

  TFolderTymczasowy Folder;
  TZegarWirtualny Zegar;
  TOknoKomunikatowNagrywajace Komunikaty;
  std::unique_ptr<TWtryskForm> Okno;
  std::unique_ptr<TPortSymulatora> Port;
};

}  // namespace wtrysk
