#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "NastawyWzorcowe.h"
#include "TFolderTymczasowy.h"
#include "TOknoKomunikatowNagrywajace.h"
#include "TOknoNagrywajace.h"
#include "TOtoczenieHistoriiNagrywajace.h"
#include "TOtoczenieNagrywajace.h"
#include "TPortTestowy.h"
#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "historia/TInfoOSterObject.h"
#include "model/TTypWtryskiwacza.h"
#include "pliki/FormatPlikuNastaw.h"
#include "pliki/PlikNastaw.h"

namespace wtrysk {

// A controller on a virtual clock behind a recording transport, the program-wide objects the
// settings-file operations work on, and a temporary folder for the files. Tests use it through
// PlikNastawTest, or build one per case of a table.
//
// The controller answers every command with its own code when ObsluzKomendy runs the send
// ticks. The receive dispatcher is played by Identyfikuj, which runs for every answer to
// command 12: by default it decodes NastawySterownika into the model, as an identification
// does.
class TStanowiskoPlikuNastaw {
public:
  TStanowiskoPlikuNastaw() {
    Port.UstawOtoczenie(&Otoczenie);
    Port.UstawHistorie(&HistoriaLacza);
    Otoczenie.PoRamce = [this](const TTablicaByte& ramka) {
      if (ramka[3] == 12 && Identyfikuj) Identyfikuj();
    };
    Identyfikuj = [this] {
      Model.Nastawy = NastawySterownika;
      Model.Nastawy.NastawyOdebrane = true;
    };
    NastawyDomyslne(Model.Nastawy);
    NastawyDomyslne(NastawySterownika);
  }

  // Opens the link to a controller of firmware `wersja` and lets its identification run.
  void Polacz(int wersja, uint16_t wymagana = 14) {
    Identyfikacja.WersjaFirmware = static_cast<uint8_t>(wersja);
    Identyfikacja.WymaganaWersjaProgramu = wymagana;
    Wersja = UtworzWersjeDlaFirmware(wersja);
    Port.Otworz();
    ObsluzKomendy();
  }

  // Runs the send ticks, answering each command (polls aside) with its own code, until the
  // line is free and nothing waits. The commands the controller got, as code then payload.
  std::vector<TTablicaByte> ObsluzKomendy() {
    std::vector<TTablicaByte> komendy;
    do {
      Zegar.Przesun(TPortKomunikacyjny::OkresNadawaniaMs);
      for (const auto& zapis : Port.PobierzZapisy()) {
        if (std::equal(zapis.Bajty.begin(), zapis.Bajty.end(), RamkaZapytania.begin(), RamkaZapytania.end())) continue;
        komendy.emplace_back(zapis.Bajty.begin() + 1, zapis.Bajty.end() - 1);
        Port.Odbierz(ZbudujRamkeOdpowiedzi(komendy.back().front(), {}));
      }
    } while (Port.Polaczony() && (!Port.LiniaWolna() || Port.LiczbaOczekujacych() > 0));
    return komendy;
  }

  // A settings file as a controller of firmware `wersja` would have it saved.
  std::string PlikZ(int wersja, const TNastawy& n, uint16_t wymagana = 14, const std::string& nazwa = "a.ust") {
    TIdentyfikacjaSterownika id;
    id.WersjaFirmware = static_cast<uint8_t>(wersja);
    id.WymaganaWersjaProgramu = wymagana;
    const std::string sciezka = Folder.Plik(nazwa);
    TFolderTymczasowy::Zapisz(sciezka, ZbudujPlikNastaw(id, *UtworzWersjeDlaFirmware(wersja), n));
    return sciezka;
  }

  // Starts a save; the result, once there is one, lands in WynikZapisu.
  void Zapisz(const std::string& nazwa) {
    ZapiszPlikNastaw(K, nazwa, [this](bool zapisano) {
      EXPECT_FALSE(WynikZapisu) << "reported twice";
      WynikZapisu = zapisano;
    });
  }

  std::string Tekst(int numer, const std::string& dopisek = {}) const {
    return Komunikaty.PobierzKomunikat(numer) + dopisek;
  }

  TZegarWirtualny Zegar;
  TKomunikaty Komunikaty;
  TOknoKomunikatowNagrywajace Okno;
  TOtoczenieNagrywajace Otoczenie;
  THistoriaTestowa HistoriaLacza;
  std::unique_ptr<TPortKomunikacyjny> PortWlasny = std::make_unique<TPortTestowy>(Zegar, Komunikaty, Okno);
  TPortTestowy& Port = static_cast<TPortTestowy&>(*PortWlasny);

  TModelSterownika Model;
  TNastawy NastawySterownika;
  std::function<void()> Identyfikuj;
  TIdentyfikacjaSterownika Identyfikacja;
  std::unique_ptr<TWersja15> Wersja;
  TOknoNagrywajace OknoGlowne;
  TTypWtryskiwacza TypWtryskiwacza{OknoGlowne, Okno, Komunikaty};
  TOtoczenieHistoriiNagrywajace OtoczenieHistorii;
  TInfoOSterObject Info{Zegar, OtoczenieHistorii, 0x1234ABCD};
  TFolderTymczasowy Folder;

  TKontekstPlikuNastaw K{Model, Identyfikacja, PortWlasny, Wersja, TypWtryskiwacza, Komunikaty, Okno, &Info};
  std::optional<bool> WynikZapisu;
};

class PlikNastawTest : public ::testing::Test, public TStanowiskoPlikuNastaw {};

}  // namespace wtrysk
