#include "protokol/TObslugaRamek.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "link/TPortKomunikacyjny.h"
#include "model/TModelSterownika.h"
#include "okno/NazwyKontrolek.h"
#include "protokol/FormatDaty.h"
#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

namespace {

// Messages shown here.
constexpr int KomunikatWersja = 3;             // "ver. "
constexpr int KomunikatWersjaNieznana = 4;     // "Wersja oprogramowania nieznana"
constexpr int KomunikatWymaganaWersja = 5;     // "Sterownik gazu wymaga oprogramowania w wersji "
constexpr int KomunikatBrakOpisu = 21;         // "Brak opisu"
constexpr int KomunikatWylaczSilnik = 22;      // "Wyłącz silnik !!!"
constexpr int KomunikatWersjaNieobslugiwana = 33;  // "Program nie obsługuje tej wersji ..."

constexpr std::string_view BrakDanychAktualizacji = "- - -";

std::string Hex2(uint8_t b) {
  char tekst[3];
  std::snprintf(tekst, sizeof tekst, "%02X", b);
  return tekst;
}

}  // namespace

TObslugaRamek::TObslugaRamek(TModelSterownika& model, TOknoGlowne& okno, TTypWtryskiwacza& typWtryskiwacza,
                             const TKomunikaty& komunikaty, TOknoKomunikatow& oknoKomunikatow)
    : Model(model),
      Okno(okno),
      TypWtryskiwacza(typWtryskiwacza),
      Komunikaty(komunikaty),
      OknoKomunikatow(oknoKomunikatow),
      OknoZapamietujace(okno) {}

void TObslugaRamek::UstawPort(TPortKomunikacyjny* port) {
  Port = port;
  if (Port) Port->UstawOtoczenie(this);
}

TKontekstWersji TObslugaRamek::Kontekst() {
  return TKontekstWersji{Model, Okno, TypWtryskiwacza, Komunikaty, IdentyfikacjaSterownika, Historia};
}

std::optional<int> TObslugaRamek::NumerWersji() const {
  if (!Wersja) return std::nullopt;
  return Wersja->NumerWersji;
}

// --- Dispatch ---

void TObslugaRamek::ObsluzRamke(std::span<const uint8_t> ramka) {
  if (Zdarzenia.TimerOdchylki) Zdarzenia.TimerOdchylki(true);
  if (Port && Port->BrakPolaczenia()) {
    // The first valid frame of this connection: the status bar shows "connected" from now on.
    Port->UstawBrakPolaczenia(false);
    Okno.OdswiezPasekStatusu();
  }

  // The shortest frame the parser passes ends with its checksum at byte 3 and carries no
  // response code: it only shows that the controller is alive.
  if (ramka.size() < 5) return;

  TCzytnikRamki poz(ramka, 3);
  switch (ramka[3]) {
    case KodDanychBiezacych:
      DaneBiezace(poz);
      break;
    case KodIdentyfikacji:
    case KodUstawienFabrycznych:
      Identyfikacja(poz);
      break;
    case KodBlokuMapy:
      BlokMapy(poz);
      break;
    case KodRejestru:
      WartoscRejestru(poz);
      break;
    case KodBloku16:
      Blok16(poz);
      break;
    case KodZapisuHistorii:
    case KodOdczytuHistorii:
      OdpowiedzHistorii(poz);
      break;
    case KodBootloadera:
      Bootloader(ramka);
      break;
    default:
      break;
  }
}

void TObslugaRamek::DaneBiezace(TCzytnikRamki& poz) {
  if (Wersja) {
    TKontekstWersji k = Kontekst();
    // A frame shorter than the firmware's live layout changed nothing: redrawing the view or
    // sampling the oscilloscope would only repeat the previous readings as if they were new.
    if (!Wersja->DekodujDaneBiezace(poz, k)) return;
  }
  Okno.OdswiezWidok();
  if (Zdarzenia.ProbkaOscyloskopu) Zdarzenia.ProbkaOscyloskopu();
  if (Zdarzenia.SprawdzKrokKalibracji) Zdarzenia.SprawdzKrokKalibracji();
}

void TObslugaRamek::BlokMapy(TCzytnikRamki& poz) {
  // The whole map or nothing: half a map would mix two states of the controller.
  TMapa& mapa = Model.Nastawy.Mapa;
  if (poz.Pozostalo() < mapa.size()) return;
  for (uint8_t& komorka : mapa) komorka = poz.Bajt();
}

void TObslugaRamek::WartoscRejestru(TCzytnikRamki& poz) {
  if (poz.Pozostalo() < 1) return;
  const uint8_t b = poz.Bajt();
  Okno.UstawTekst(Kontrolka::RejestrWartoscHexLabel, Hex2(b));
  Okno.UstawTekst(Kontrolka::RejestrWartoscIntLabel, std::to_string(b));
}

void TObslugaRamek::Blok16(TCzytnikRamki& poz) {
  auto& blok = Model.DaneBiezace.Blok16;
  if (poz.Pozostalo() < blok.size()) return;
  for (uint8_t& b : blok) b = poz.Bajt();
}

void TObslugaRamek::OdpowiedzHistorii(TCzytnikRamki& poz) {
  // Only firmware 24 and later keeps a history area; an older handler refuses the decode, and
  // so does any handler for a frame too short to hold the area.
  if (!Wersja) return;
  TObszar255 rekord{};
  if (!Wersja->DekodujHistorie(poz, rekord)) return;
  if (!Historia) return;
  TObszarHistorii obszar;
  for (std::size_t i = 0; i < rekord.size(); ++i) obszar.UstawBajt(i, rekord[i]);
  Historia->WczytajObszarOdpowiedzi(obszar);
}

void TObslugaRamek::Bootloader(std::span<const uint8_t> ramka) {
  TrybBootloadera = true;
  // The frame lies in the link's receive buffer, which closing the link starts over.
  const TTablicaByte kopia(ramka.begin(), ramka.end());
  ZamknijLacze();
  TCzytnikRamki poz(kopia, 3);
  // A loader that does not even report its version leaves the controller unidentified.
  if (!CzytajNaglowekSterownika(poz)) IdentyfikacjaSterownika = {};
  OfertaAktualizacji();
}

// --- Connection start and close ---

void TObslugaRamek::PolaczenieRozpoczete() {
  OknoZapamietujace.CofnijZmiany();
  if (Zdarzenia.ZerujOdchylki) Zdarzenia.ZerujOdchylki();
  if (Zdarzenia.NowePolaczenie) Zdarzenia.NowePolaczenie();
}

void TObslugaRamek::LaczeZamkniete() {
  Okno.OdswiezPasekStatusu();
  if (Zdarzenia.ZerujPanelPrzelacznikow) Zdarzenia.ZerujPanelPrzelacznikow();
  if (Zdarzenia.TimerOdchylki) Zdarzenia.TimerOdchylki(false);
  Wersja.reset();
}

void TObslugaRamek::ZamknijLacze() {
  if (Port) {
    Port->Zamknij();  // comes back through LaczeZamkniete
  } else {
    LaczeZamkniete();
  }
}

// --- Identification ---

bool TObslugaRamek::CzytajNaglowekSterownika(TCzytnikRamki& poz) {
  if (poz.Pozostalo() < DlugoscNaglowkaBootloadera) return false;
  IdentyfikacjaSterownika.NazwaWersji = "1." + std::to_string(poz.Bajt());
  IdentyfikacjaSterownika.WersjaFirmware = poz.Bajt();
  IdentyfikacjaSterownika.WymaganaWersjaProgramu = poz.SlowoStarszyPierwszy();
  return true;
}

void TObslugaRamek::Identyfikacja(TCzytnikRamki& poz) {
  // Set until the settings are in the controls. Every failing branch below closes the link and
  // leaves it set: nothing can be sent on a closed link, and the next identification clears it.
  BlokadaWysylania = true;

  TIdentyfikacjaSterownika& id = IdentyfikacjaSterownika;
  if (poz.Pozostalo() < DlugoscNaglowka) {
    // Not even the identity came: nothing in this frame describes the controller.
    id = {};
    Okno.UstawTekstPaskaStatusu(PanelWersji, Komunikaty.PobierzKomunikat(KomunikatWersjaNieznana));
    OdrzucSterownik(KomunikatWersjaNieobslugiwana);
    return;
  }

  CzytajNaglowekSterownika(poz);
  TDataCzas data;
  data.Dzien = poz.Bajt();
  data.Miesiac = poz.Bajt();
  data.Rok = poz.SlowoStarszyPierwszy();
  data.Godzina = poz.Bajt();
  data.Minuta = poz.Bajt();
  data.Sekunda = poz.Bajt();
  poz.Bajt();  // byte 15 means nothing to the program; the settings start after it

  if (data.CzyPoprawna()) {
    id.DataFirmware = data;
    Okno.UstawTekstPaskaStatusu(PanelWersji, Komunikaty.PobierzKomunikat(KomunikatWersja) + id.NazwaWersji + "." +
                                                 std::to_string(id.WersjaFirmware) + "   " + DataKrotka(data) +
                                                 "  " + CzasDlugi(data));
  } else {
    // A controller that cannot give its build date is not trusted with its version either.
    id.DataFirmware.reset();
    Okno.UstawTekstPaskaStatusu(PanelWersji, Komunikaty.PobierzKomunikat(KomunikatWersjaNieznana));
    id.NazwaWersji.clear();
    id.WersjaFirmware = 0;
  }

  if (WersjaProgramuMinor < id.WymaganaWersjaProgramu) {
    ZamknijLacze();
    OknoKomunikatow.PokazBlad(Komunikaty.PobierzKomunikat(KomunikatWymaganaWersja) + "1." +
                              std::to_string(id.WymaganaWersjaProgramu) + ".x.x");
    return;
  }

  // Firmware without a class of its own is served by the nearest lower one.
  std::unique_ptr<TWersja15> nowa = UtworzWersjeDlaFirmware(id.WersjaFirmware);
  if (!nowa) {
    OdrzucSterownik(KomunikatWersjaNieobslugiwana);
    return;
  }
  // A frame shorter than its firmware's layout is refused before anything is touched: the
  // window and the settings keep what they showed, the link closes and the fitter is told the
  // controller cannot be served, rather than working on with settings half of which are made up.
  if (poz.Pozostalo() < nowa->DlugoscNastaw() + nowa->DlugoscPoNastawach()) {
    OdrzucSterownik(KomunikatWersjaNieobslugiwana);
    return;
  }
  Wersja = std::move(nowa);

  if (Historia) Historia->Resetuj();
  Wersja->UstawKontrolki(OknoZapamietujace, id);
  TKontekstWersji k = Kontekst();
  if (!Wersja->DekodujNastawy(poz, k)) {
    OdrzucSterownik(KomunikatWersjaNieobslugiwana);
    return;
  }
  if (Zdarzenia.UlozRamkiCylindrow) {
    Zdarzenia.UlozRamkiCylindrow(Okno.Pozycja(Kontrolka::ZmianaIlosciCylindrowCombo));
  }
  Model.Nastawy.NastawyOdebrane = true;
  if (Zdarzenia.OdswiezProgiLed) Zdarzenia.OdswiezProgiLed();
  BlokadaWysylania = false;
}

void TObslugaRamek::OdrzucSterownik(int komunikat) {
  ZamknijLacze();
  OknoKomunikatow.PokazBlad(Komunikaty.PobierzKomunikat(komunikat));
}

// --- Update offer ---

void TObslugaRamek::OfertaAktualizacji() {
  const TDaneBiezace& d = Model.DaneBiezace;
  if (d.Obroty != 0 && d.Stacyjka) {
    OknoKomunikatow.PokazBlad(Komunikaty.PobierzKomunikat(KomunikatWylaczSilnik));
    return;
  }
  if (!Okno.OtworzOknoAktualizacji()) return;

  const TIdentyfikacjaSterownika& id = IdentyfikacjaSterownika;
  Okno.UstawTekst(Kontrolka::SWersjaLabel, id.NazwaWersji + "." + std::to_string(id.WersjaFirmware));
  if (id.DataFirmware) {
    Okno.UstawTekst(Kontrolka::SDataLabel, DataKrotka(*id.DataFirmware) + "  " + CzasDlugi(*id.DataFirmware));
  }
  Okno.UstawTekst(Kontrolka::AWersjaLabel, BrakDanychAktualizacji);
  Okno.UstawTekst(Kontrolka::ADataLabel, BrakDanychAktualizacji);
  Okno.WyczyscLinie(Kontrolka::OpisMemo);
  Okno.DodajLinie(Kontrolka::OpisMemo, Komunikaty.PobierzKomunikat(KomunikatBrakOpisu));
  Okno.UstawWartosc(Kontrolka::PostepGauge, 0);
}

}  // namespace wtrysk
