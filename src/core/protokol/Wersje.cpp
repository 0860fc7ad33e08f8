#include "protokol/Wersje.h"

#include <algorithm>
#include <string>

#include "bledy/DekodujBledy.h"
#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "model/Przeliczenia.h"
#include "okno/NazwyKontrolek.h"
#include "okno/TOknoGlowne.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

// --- 16 ---

uint8_t TWersja16::WlaczKorekte(int i, uint8_t r, TNastawy& n) const {
  const auto k = static_cast<std::size_t>(i - PierwszyIndeksMapy);
  n.KorektaMapy[k] = 0;
  return static_cast<uint8_t>(Zaokraglij(static_cast<int8_t>(r) * n.Mapa[k] / 128.0));
}

uint8_t TWersja16::KorektaDoWyslania(int i, const TNastawy& n) const {
  const auto k = static_cast<std::size_t>(i - PierwszyIndeksMapy);
  return static_cast<uint8_t>(Zaokraglij(n.KorektaMapy[k] * 128 / 100.0));
}

void TWersja16::DekodujDaneBiezaceWlasciwe(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja15::DekodujDaneBiezaceWlasciwe(poz, k);
  DekodujBlokTablic(poz, k, true);
}

// --- 17 ---

void TWersja17::DekodujDaneBiezaceWlasciwe(TCzytnikRamki& poz, TKontekstWersji& k) {
  TDaneBiezace& d = k.Model.DaneBiezace;
  const bool od21 = NumerWersji >= 21;
  DekodujSilnik(poz, d);
  d.CisnienieGazu = poz.SlowoStarszyPierwszy();
  d.CisnienieKolektora = poz.SlowoStarszyPierwszy();
  d.AktywneWtryskiwacze = poz.Bajt();
  DekodujZasilanieIPoziom(poz, d);
  d.BledyBiezace[0] = poz.Bajt();
  const uint8_t e2 = poz.Bajt();
  d.BledyBiezace[2] = od21 ? e2 : static_cast<uint8_t>(e2 >> 2 | 0xC0);
  DekodujBlokTablic(poz, k, !od21);
  DekodujDaneBiezaceDalsze(poz, k);
}

void TWersja17::DekodujDaneBiezaceDalsze(TCzytnikRamki&, TKontekstWersji& k) {
  k.Model.DaneBiezace.BledyBiezace[1] = 0xFF;
  k.Model.DaneBiezace.BledyBiezace[3] = 0xFF;
}

void TWersja17::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja16::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::ZmianaCzujnikaCisKolCombo);
}

// --- 18 ---

void TWersja18::DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TDaneBiezace& d = k.Model.DaneBiezace;
  const uint8_t odchylki = poz.Bajt();
  d.PunktOdchylki1 = odchylki & 0x01;
  d.PunktOdchylki2 = odchylki & 0x02;
  d.BledyBiezace[1] = poz.Bajt();
  d.BledyBiezace[3] = poz.Bajt();
}

void TWersja18::DekodujPoNastawach(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja17::DekodujPoNastawach(poz, k);
  DekodujBledy(poz, k);
}

void TWersja18::DekodujBledy(TCzytnikRamki& poz, TKontekstWersji& k) const {
  std::array<uint8_t, DlugoscObszaruBledow> log{};
  for (auto& b : log) b = poz.Bajt();
  k.Okno.WyczyscLinie(Kontrolka::BledyZarejestrowaneMemo);
  for (const auto& linia : wtrysk::DekodujBledy(log, NumerWersji, k.Komunikaty)) {
    k.Okno.DodajLinie(Kontrolka::BledyZarejestrowaneMemo, linia);
  }
}

void TWersja18::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja17::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::SygnalCiaglyCheckBox);
  okno.Wlacz(Kontrolka::KasujMapeBenzynaButton);
  okno.Wlacz(Kontrolka::KasujMapeGazButton);
  okno.Wlacz(Kontrolka::ZmianaCisnieniaRoboczegoRxSpinEdit);
  okno.Wlacz(Kontrolka::BlokowanieCheckBox);
}

// --- 19 ---

void TWersja19::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja18::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::WtrBenzSterPlusemCheckBox);
}

// --- 20 ---

void TWersja20::DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja19::DekodujDaneBiezaceDalsze(poz, k);
  k.Model.MaskaWtryskiwaczy = poz.Bajt();
}

void TWersja20::DekodujNastawyPodstawowe(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja19::DekodujNastawyPodstawowe(poz, k);
  DekodujNastawyDalsze(poz, k);
}

void TWersja20::DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TNastawy& n = k.Model.Nastawy;
  n.Flagi2 = poz.Bajt();
  k.Okno.UstawZaznaczenie(Kontrolka::WylaczDlaPierwszegoBleduCheckBox, n.Flagi2 & Flagi2Bit::WylaczDlaPierwszegoBledu);
  if (NumerWersji >= 23) k.Okno.UstawPozycje(Kontrolka::RodzajPaliwaRadioGroup, (n.Flagi2 & Flagi2Bit::PaliwoCNG) ? 1 : 0);
  if (NumerWersji >= 24) k.Okno.UstawPozycje(Kontrolka::TypWtryskuComboBox, (n.Flagi2 & Flagi2Bit::WtryskRenix) ? 1 : 0);
  n.CzasWylaczeniaPrzyBledzie = poz.Bajt();
  k.Okno.UstawWartosc(Kontrolka::CzasWylKolWtrGdyBladCisRxSpinEdit, n.CzasWylaczeniaPrzyBledzie * 10.0);
}

void TWersja20::DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const {
  TWersja19::DodajDoObrazu(obraz, n);
  obraz.push_back(n.Flagi2);
  obraz.push_back(n.CzasWylaczeniaPrzyBledzie);
}

void TWersja20::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja19::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::WylaczDlaPierwszegoBleduCheckBox);
  okno.Wlacz(Kontrolka::CzasWylKolWtrGdyBladCisRxSpinEdit);
}

// --- 21 ---

void TWersja21::DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja20::DekodujDaneBiezaceDalsze(poz, k);
  TDaneBiezace& d = k.Model.DaneBiezace;
  d.CzasWtryskuBenzyny[6] = poz.SlowoMlodszyPierwszy();
  d.CzasWtryskuBenzyny[7] = poz.SlowoMlodszyPierwszy();
  d.NapiecieLambda2 = NapiecieLambdy(poz.Bajt());
}

void TWersja21::DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja20::DekodujNastawyDalsze(poz, k);
  TNastawy& n = k.Model.Nastawy;
  n.CzasRozpOgraniczenia = poz.Bajt();
  k.Okno.UstawWartosc(Kontrolka::CzasRozpOgraniczeniaRxSpinEdit, n.CzasRozpOgraniczenia / 10.0);
}

void TWersja21::DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const {
  TWersja20::DodajDoObrazu(obraz, n);
  obraz.push_back(n.CzasRozpOgraniczenia);
}

void TWersja21::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja20::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::CzasRozpOgraniczeniaRxSpinEdit);
}

// --- 23 ---

void TWersja23::DekodujCzasPrzelaczenia(uint8_t b, TKontekstWersji& k) const {
  // The low byte; the high byte comes after the settings of firmware 21.
  k.Model.Nastawy.CzasPrzelaczenia16 = b;
}

void TWersja23::DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja21::DekodujNastawyDalsze(poz, k);
  TNastawy& n = k.Model.Nastawy;
  n.CzasPrzelaczenia16 = static_cast<uint16_t>(n.CzasPrzelaczenia16 + (poz.Bajt() << 8));
  // The one-byte field still travels in settings files, where a controller of firmware 21 or
  // older takes it: keep it in step so a file saved here carries the real delay.
  n.CzasPrzelaczenia = static_cast<uint8_t>(std::min<int>(n.CzasPrzelaczenia16, 255));
  k.Okno.UstawWartosc(Kontrolka::ZmianaCzasuPrzelaczeniaNaGazRxSpinEdit, n.CzasPrzelaczenia16 * 0.5);
}

void TWersja23::DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const {
  TWersja21::DodajDoObrazu(obraz, n);
  obraz.push_back(static_cast<uint8_t>(n.CzasPrzelaczenia16 >> 8));
}

void TWersja23::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja21::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::RodzajPaliwaRadioGroup);
}

// --- 24 ---

void TWersja24::DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja23::DekodujNastawyDalsze(poz, k);
  TNastawy& n = k.Model.Nastawy;
  TOknoGlowne& okno = k.Okno;
  for (std::size_t j = 0; j < n.KorekcjaWtryskiwacza.size(); ++j) {
    n.KorekcjaWtryskiwacza[j] = poz.Bajt();
    okno.UstawWartosc(Kontrolka::KorekcjaWtrRxSpinEdit[j], BajtNaKorekte(n.KorekcjaWtryskiwacza[j]));
  }
  n.MinObrotyLPG = poz.Bajt();
  okno.UstawWartosc(Kontrolka::MinObrotyLPGRxSpinEdit, n.MinObrotyLPG * 100.0);
  n.MinTempGazu = static_cast<int8_t>(poz.Bajt());
  okno.UstawWartosc(Kontrolka::MinTempGazuRxSpinEdit, n.MinTempGazu);
  n.WypelnienieOgraniczenia = poz.Bajt();
  okno.UstawWartosc(Kontrolka::WypelnienieOgraniczeniaRxSpinEdit, BajtNaProcent(n.WypelnienieOgraniczenia));
  n.TypSondyLambda = poz.Bajt();
  okno.UstawPozycje(Kontrolka::ZmianaTypuSondyLambdaCombo, n.TypSondyLambda);
  n.ProgDetekcjiObrotow = poz.Bajt();
  okno.UstawWartosc(Kontrolka::ProgDetekcjiObrotowRxSpinEdit, BajtNaNapiecie(n.ProgDetekcjiObrotow));
}

bool TWersja24::DekodujHistorie(TCzytnikRamki& poz, TObszar255& obszar) const {
  if (poz.Pozostalo() < obszar.size()) return false;
  for (std::size_t i = 1; i < obszar.size(); ++i) obszar[i] = poz.Bajt();
  obszar[0] = poz.Bajt();
  return true;
}

void TWersja24::DekodujPoNastawach(TCzytnikRamki& poz, TKontekstWersji& k) {
  TWersja23::DekodujPoNastawach(poz, k);
  TObszar255 obszar{};
  DekodujHistorie(poz, obszar);
  TBlok16& blok = k.Model.DaneBiezace.Blok16;
  for (auto& b : blok) b = poz.Bajt();
  if (k.Historia) k.Historia->WczytajObszarPolaczenia(TObszarHistorii::ZSurowych(obszar), blok);
}

void TWersja24::DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const {
  TWersja23::DodajDoObrazu(obraz, n);
  obraz.insert(obraz.end(), n.KorekcjaWtryskiwacza.begin(), n.KorekcjaWtryskiwacza.end());
  obraz.push_back(n.MinObrotyLPG);
  obraz.push_back(static_cast<uint8_t>(n.MinTempGazu));
  obraz.push_back(n.WypelnienieOgraniczenia);
  obraz.push_back(n.TypSondyLambda);
  obraz.push_back(n.ProgDetekcjiObrotow);
}

void TWersja24::UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const {
  TWersja23::UstawKontrolki(okno, id);
  okno.Wlacz(Kontrolka::KorWtrGazGroupBox);
  okno.Wlacz(Kontrolka::MinObrotyLPGRxSpinEdit);
  okno.Wlacz(Kontrolka::MinTempGazuRxSpinEdit);
  // Five controls depend on the hardware, which only boards 1.11 and 1.12 have.
  if (id.NazwaWersji == "1.11" || id.NazwaWersji == "1.12") {
    okno.Wlacz(Kontrolka::WypelnienieOgraniczeniaRxSpinEdit);
    okno.Wlacz(Kontrolka::ZmianaTypuSondyLambdaCombo);
    okno.Pokaz(Kontrolka::ProgDetekcjiObrotowPanel);
    okno.Ukryj(Kontrolka::SygObrPanel);
    okno.Wlacz(Kontrolka::TypWtryskuComboBox);
  }
}

}  // namespace wtrysk
