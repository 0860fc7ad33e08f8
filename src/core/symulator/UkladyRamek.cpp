#include "symulator/UkladyRamek.h"

#include <algorithm>

#include "symulator/KomendySterownika.h"
#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

namespace {

void Dodaj(TTablicaByte& b, unsigned wartosc) { b.push_back(static_cast<uint8_t>(wartosc & 0xFF)); }

template <std::size_t N>
void DodajWszystkie(TTablicaByte& b, const std::array<uint8_t, N>& tablica) {
  b.insert(b.end(), tablica.begin(), tablica.end());
}

// Up to layout 20 the injector byte E2 goes shifted left by two; its two top bits are lost.
uint8_t StaryBajtWtryskiwaczy(uint8_t maska) { return static_cast<uint8_t>((maska & 0x3F) << 2 | 0x03); }

uint16_t NapiecieZBajtu(uint8_t b) { return static_cast<uint16_t>(Zaokraglij(b * 500.0 / 255.0)); }

uint16_t ZasilanieZBajtu(uint8_t b) {
  return static_cast<uint16_t>(Zaokraglij((b * 5.0 / 81.530385 + 0.7) * 100.0));
}

// Walks an image byte by byte; reading past its end gives 0 (the length is checked first).
class TCzytnikObrazu {
public:
  explicit TCzytnikObrazu(std::span<const uint8_t> b) : Bajty(b) {}
  uint8_t Bajt() { return Poz < Bajty.size() ? Bajty[Poz++] : 0; }
  template <std::size_t N>
  void Wszystkie(std::array<uint8_t, N>& tablica) {
    for (auto& b : tablica) b = Bajt();
  }

private:
  std::span<const uint8_t> Bajty;
  std::size_t Poz = 0;
};

}  // namespace

TPolaDanychBiezacych PolaDanychBiezacych(int uklad) {
  TPolaDanychBiezacych p{};
  p.Dlugosc = uklad >= 21 ? 52 : uklad >= 20 ? 47 : uklad >= 18 ? 46 : uklad >= 17 ? 43 : uklad >= 16 ? 41 : 30;
  p.Cylindry = uklad >= 21 ? 8 : 6;
  p.AktywneWtryskiwacze = uklad >= 17;
  p.Tablice = uklad >= 16;
  p.Odchylki = uklad >= 18;
  p.BledyE1E3 = uklad >= 18;
  p.Maska = uklad >= 20;
  p.Lambda2 = uklad >= 21;
  p.PelnyE2 = uklad >= 21;
  return p;
}

TTablicaByte DaneBiezaceRamki(const TOdczytySterownika& o, const TBlokTablic& t, int uklad) {
  const TPolaDanychBiezacych pola = PolaDanychBiezacych(uklad);
  TTablicaByte b;
  b.reserve(pola.Dlugosc);
  Dodaj(b, o.Stacyjka ? 0x01 : 0x00);
  // Status B: bit 0 on gas; otherwise bit 1 the fuel LED blinks, bit 5 it blinks fast.
  Dodaj(b, o.NaGazie ? 0x01u : (o.MiganieLed ? 0x02u : 0u) | (o.MiganieSzybkie ? 0x20u : 0u));
  for (int j = 0; j < 6; ++j) {
    const uint16_t czas = o.CzasWtryskuBenzyny[static_cast<std::size_t>(j)];
    Dodaj(b, czas);
    Dodaj(b, czas >> 8u);
  }
  Dodaj(b, o.CzasWtryskuGazu >> 16u);
  Dodaj(b, o.CzasWtryskuGazu >> 8u);
  Dodaj(b, o.CzasWtryskuGazu);
  Dodaj(b, o.Obroty);
  Dodaj(b, o.Lambda1);
  if (uklad >= 17) {
    Dodaj(b, o.CisnienieGazu >> 8u);
    Dodaj(b, o.CisnienieGazu);
    Dodaj(b, o.CisnienieKolektora >> 8u);
    Dodaj(b, o.CisnienieKolektora);
    Dodaj(b, o.AktywneWtryskiwacze);
  } else {
    Dodaj(b, std::min<unsigned>(o.CisnienieGazu, 255));
    Dodaj(b, std::min<unsigned>(o.CisnienieKolektora, 255));
    Dodaj(b, 0);  // unused in this layout
  }
  Dodaj(b, o.AktualnyMnoznik);
  Dodaj(b, o.Zasilanie);
  Dodaj(b, o.CzujnikPoziomu);
  Dodaj(b, o.PoziomGazuLed);
  Dodaj(b, static_cast<uint8_t>(o.TempReduktora));
  Dodaj(b, static_cast<uint8_t>(o.TempGazu));
  Dodaj(b, o.Bledy[0]);
  Dodaj(b, pola.PelnyE2 ? o.Bledy[2] : StaryBajtWtryskiwaczy(o.Bledy[2]));
  if (pola.Tablice) {
    Dodaj(b, t.Start);
    for (const auto& wiersz : t.Wartosci) DodajWszystkie(b, wiersz);
  }
  if (pola.Odchylki) {
    Dodaj(b, (o.PunktOdchylki1 ? 0x01u : 0u) | (o.PunktOdchylki2 ? 0x02u : 0u));
    Dodaj(b, o.Bledy[1]);
    Dodaj(b, o.Bledy[3]);
  }
  if (pola.Maska) Dodaj(b, o.MaskaWtryskiwaczy);
  if (pola.Lambda2) {
    for (std::size_t j = 6; j < 8; ++j) {
      Dodaj(b, o.CzasWtryskuBenzyny[j]);
      Dodaj(b, o.CzasWtryskuBenzyny[j] >> 8u);
    }
    Dodaj(b, o.Lambda2);
  }
  return b;
}

TDaneBiezace DaneJakOdczytane(const TOdczytySterownika& o, int uklad) {
  const TPolaDanychBiezacych pola = PolaDanychBiezacych(uklad);
  TDaneBiezace d;
  d.Stacyjka = o.Stacyjka;
  d.NaGazie = o.NaGazie;
  d.MiganieLed = o.NaGazie ? false : o.MiganieLed;
  d.MiganieSzybkie = o.NaGazie ? false : o.MiganieSzybkie;
  d.CzasWtryskuBenzyny = o.CzasWtryskuBenzyny;
  d.CzasWtryskuGazu = o.CzasWtryskuGazu & 0xFFFFFF;
  d.Obroty = o.Obroty;
  d.NapiecieLambda1 = NapiecieZBajtu(o.Lambda1);
  d.NapiecieLambda2 = NapiecieZBajtu(o.Lambda2);
  d.CisnienieGazu = uklad >= 17 ? o.CisnienieGazu : std::min<uint16_t>(o.CisnienieGazu, 255);
  d.CisnienieKolektora = uklad >= 17 ? o.CisnienieKolektora : std::min<uint16_t>(o.CisnienieKolektora, 255);
  d.AktywneWtryskiwacze = o.AktywneWtryskiwacze;
  d.AktualnyMnoznik = o.AktualnyMnoznik;
  d.NapiecieZasilania = ZasilanieZBajtu(o.Zasilanie);
  d.CzujnikPoziomu = o.CzujnikPoziomu;
  d.PoziomGazuLed = o.PoziomGazuLed;
  d.TempReduktora = o.TempReduktora;
  d.TempGazu = o.TempGazu;
  d.BledyBiezace = o.Bledy;
  if (!pola.PelnyE2) d.BledyBiezace[2] = static_cast<uint8_t>(o.Bledy[2] | 0xC0);
  if (!pola.BledyE1E3) d.BledyBiezace[1] = d.BledyBiezace[3] = 0xFF;
  d.PunktOdchylki1 = o.PunktOdchylki1;
  d.PunktOdchylki2 = o.PunktOdchylki2;
  return d;
}

TTablicaByte NaglowekIdentyfikacji(const TNaglowekSterownika& n) {
  const TDataCzas& d = n.DataKompilacji;
  TTablicaByte b;
  Dodaj(b, n.Plytka);
  Dodaj(b, n.Firmware);
  Dodaj(b, n.WymaganaWersja >> 8u);
  Dodaj(b, n.WymaganaWersja);
  Dodaj(b, static_cast<unsigned>(d.Dzien));
  Dodaj(b, static_cast<unsigned>(d.Miesiac));
  Dodaj(b, static_cast<unsigned>(d.Rok) >> 8u);
  Dodaj(b, static_cast<unsigned>(d.Rok));
  Dodaj(b, static_cast<unsigned>(d.Godzina));
  Dodaj(b, static_cast<unsigned>(d.Minuta));
  Dodaj(b, static_cast<unsigned>(d.Sekunda));
  Dodaj(b, 0);  // spare
  return b;
}

TTablicaByte BajtyNastaw(const TPamiecSterownika& p, uint8_t aktywneWtryskiwacze, int uklad) {
  const TNastawy& n = p.Nastawy;
  TTablicaByte b;
  b.reserve(560);
  Dodaj(b, p.LiczbaResetow);
  DodajWszystkie(b, p.Napiecia);
  Dodaj(b, aktywneWtryskiwacze);
  Dodaj(b, n.IloscCylNaCewke);
  Dodaj(b, n.IloscCylindrow);
  Dodaj(b, n.ProgPrzelaczenia);
  Dodaj(b, n.MaxObroty);
  DodajWszystkie(b, n.ProgiPoziomu);
  Dodaj(b, n.RodzajCzujnikaPoziomu);
  Dodaj(b, n.CzujnikTempReduktora);
  Dodaj(b, n.CzujnikTempGazu);
  Dodaj(b, n.CzujnikCisnienia);
  if (uklad >= 17) Dodaj(b, n.CzujnikCisKolektora);
  Dodaj(b, n.Flagi);
  Dodaj(b, n.TempPrzelaczenia);
  Dodaj(b, n.CisnienieRobocze);
  Dodaj(b, n.KalibCzasWtrysku);
  Dodaj(b, n.KalibMnoznik);
  Dodaj(b, n.KalibTempGazu);
  Dodaj(b, n.CisnienieMinimalne);
  Dodaj(b, n.CzasBleduCisnienia);
  Dodaj(b, uklad >= 23 ? n.CzasPrzelaczenia16 : n.CzasPrzelaczenia);  // from 23 its low byte
  Dodaj(b, n.CzasPrzelCylindra);
  Dodaj(b, n.CzasOtwZamWtr);
  if (uklad >= 17) Dodaj(b, n.TypWtryskiwacza);
  DodajWszystkie(b, n.ZakresMapy1);
  DodajWszystkie(b, n.ZakresMapy2);
  DodajWszystkie(b, n.Mapa);
  DodajWszystkie(b, p.Korekty);
  if (uklad >= 20) {
    Dodaj(b, n.Flagi2);
    Dodaj(b, n.CzasWylaczeniaPrzyBledzie);
  }
  if (uklad >= 21) Dodaj(b, n.CzasRozpOgraniczenia);
  if (uklad >= 23) Dodaj(b, n.CzasPrzelaczenia16 >> 8u);
  if (uklad >= 24) {
    DodajWszystkie(b, n.KorekcjaWtryskiwacza);
    Dodaj(b, n.MinObrotyLPG);
    Dodaj(b, static_cast<uint8_t>(n.MinTempGazu));
    Dodaj(b, n.WypelnienieOgraniczenia);
    Dodaj(b, n.TypSondyLambda);
    Dodaj(b, n.ProgDetekcjiObrotow);
  }
  return b;
}

std::array<uint8_t, DlugoscRejestruBledow> BajtyRejestruBledow(std::span<const TWpisBledu> wpisy, int uklad) {
  std::array<uint8_t, DlugoscRejestruBledow> log;
  log.fill(0xFF);
  std::size_t poz = 0;
  for (const TWpisBledu& w : wpisy) {
    if (w.Kod == 0) {
      // An injector entry is never cut: the PC would read a half entry as nothing anyway.
      if (poz + 3 > log.size()) break;
      log[poz++] = 0;
      log[poz++] = uklad >= 21 ? w.Maska : StaryBajtWtryskiwaczy(w.Maska);
      log[poz++] = w.Drugi;
    } else {
      if (poz + 1 > log.size()) break;
      log[poz++] = w.Kod;
    }
  }
  return log;
}

TTablicaByte ObszarNaLinii(const TObszarSterownika& obszar) {
  TTablicaByte b(obszar.begin() + 1, obszar.end());
  b.push_back(obszar[0]);
  return b;
}

TTablicaByte DaneIdentyfikacji(const TNaglowekSterownika& n, const TPamiecSterownika& p,
                               uint8_t aktywneWtryskiwacze, int uklad) {
  TTablicaByte b = NaglowekIdentyfikacji(n);
  const TTablicaByte nastawy = BajtyNastaw(p, aktywneWtryskiwacze, uklad);
  b.insert(b.end(), nastawy.begin(), nastawy.end());
  if (uklad >= 18) DodajWszystkie(b, BajtyRejestruBledow(p.RejestrBledow, uklad));
  if (uklad >= 24) {
    const TTablicaByte obszar = ObszarNaLinii(p.ObszarHistorii);
    b.insert(b.end(), obszar.begin(), obszar.end());
    DodajWszystkie(b, p.Blok16);
  }
  return b;
}

bool WczytajObrazNastaw(std::span<const uint8_t> obraz, int uklad, TNastawy& n, TKorektySterownika& korekty) {
  if (obraz.size() != DlugoscObrazuNastaw(uklad)) return false;
  TCzytnikObrazu c(obraz);
  n.IloscCylNaCewke = c.Bajt();
  n.IloscCylindrow = c.Bajt();
  n.ProgPrzelaczenia = c.Bajt();
  n.MaxObroty = c.Bajt();
  c.Wszystkie(n.ProgiPoziomu);
  n.RodzajCzujnikaPoziomu = c.Bajt();
  n.CzujnikTempReduktora = c.Bajt();
  n.CzujnikTempGazu = c.Bajt();
  n.CzujnikCisnienia = c.Bajt();
  if (uklad >= 17) n.CzujnikCisKolektora = c.Bajt();
  n.Flagi = c.Bajt();
  n.TempPrzelaczenia = c.Bajt();
  n.CisnienieRobocze = c.Bajt();
  n.KalibCzasWtrysku = c.Bajt();
  n.KalibMnoznik = c.Bajt();
  n.KalibTempGazu = c.Bajt();
  n.CisnienieMinimalne = c.Bajt();
  n.CzasBleduCisnienia = c.Bajt();
  const uint8_t czasPrzelaczenia = c.Bajt();
  if (uklad >= 23) {
    n.CzasPrzelaczenia16 = czasPrzelaczenia;  // the high byte comes at the end
  } else {
    n.CzasPrzelaczenia = czasPrzelaczenia;
  }
  n.CzasPrzelCylindra = c.Bajt();
  n.CzasOtwZamWtr = c.Bajt();
  if (uklad >= 17) n.TypWtryskiwacza = c.Bajt();
  c.Wszystkie(n.ZakresMapy1);
  c.Wszystkie(n.ZakresMapy2);
  c.Wszystkie(n.Mapa);
  c.Wszystkie(korekty);
  if (uklad >= 20) {
    n.Flagi2 = c.Bajt();
    n.CzasWylaczeniaPrzyBledzie = c.Bajt();
  }
  if (uklad >= 21) n.CzasRozpOgraniczenia = c.Bajt();
  if (uklad >= 23) n.CzasPrzelaczenia16 = static_cast<uint16_t>(n.CzasPrzelaczenia16 | c.Bajt() << 8);
  if (uklad >= 24) {
    c.Wszystkie(n.KorekcjaWtryskiwacza);
    n.MinObrotyLPG = c.Bajt();
    n.MinTempGazu = static_cast<int8_t>(c.Bajt());
    n.WypelnienieOgraniczenia = c.Bajt();
    n.TypSondyLambda = c.Bajt();
    n.ProgDetekcjiObrotow = c.Bajt();
  }
  // Pending corrections are the PC's business; the controller holds only its own.
  n.KorektaMapy.fill(0);
  return true;
}

uint8_t KorektaZProcentu(int8_t procent, uint8_t komorka, int uklad) {
  const double wartosc = uklad >= 16 ? procent * 128.0 / 100.0 : komorka * procent / 100.0;
  return static_cast<uint8_t>(Zaokraglij(wartosc) & 0xFF);
}

uint8_t KomorkaZKorekta(uint8_t komorka, uint8_t korekta, int uklad) {
  const int64_t zmiana = uklad >= 16 ? Zaokraglij(static_cast<int8_t>(korekta) * komorka / 128.0) : korekta;
  return static_cast<uint8_t>((komorka + zmiana) & 0xFF);
}

}  // namespace wtrysk
