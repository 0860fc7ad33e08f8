#include "symulator/TModelSilnika.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

namespace {

constexpr double PelnyKat = 6.283185307179586;
constexpr int OkresLambdyMs = 1200;
constexpr int64_t TempGazuMaksMili = 30000;
constexpr double OgrzewanieGazu = 0.2;       // degrees C per second
constexpr double ZuzycieGazu = 0.0005;       // of the tank per second on gas
constexpr int CisnienieKolektora = 35;       // 0.01 bar at idle
constexpr double NapiecieAkumulatora = 13.8;  // volts while the engine runs

uint8_t BajtNapiecia(double wolty) { return static_cast<uint8_t>(std::clamp<int64_t>(Zaokraglij(wolty * 255.0 / 5.0), 0, 255)); }

uint8_t MaskaCylindrow(int liczba) { return static_cast<uint8_t>((1u << std::clamp(liczba, 0, 8)) - 1u); }

}  // namespace

int LiczbaCylindrow(uint8_t iloscCylindrow) {
  if (iloscCylindrow <= 5) return iloscCylindrow + 3;
  if (iloscCylindrow == 6) return 1;
  if (iloscCylindrow == 7) return 2;
  return 4;  // a setting the controller does not know: it keeps to the common engine
}

TModelSilnika::TModelSilnika(const TParametrySilnika& parametry, TLosowe& los)
    : Parametry(parametry),
      Los(los),
      TempReduktoraMili(parametry.TempPoczatkowa * 1000),
      TempGazuMili((parametry.TempPoczatkowa - 5) * 1000),
      Zbiornik(std::clamp(parametry.Zbiornik, 0.0, 1.0)) {
  Stan.Stacyjka = true;
  Stan.MiganieLed = true;
}

void TModelSilnika::UstawPrace(bool pracuje) {
  Dziala = pracuje;
  if (!pracuje) Restart();
}

void TModelSilnika::PrzelaczPaliwo(bool gaz, uint8_t maska) {
  MaskaReczna = maska;
  Faza = gaz ? TFaza::RecznieGaz : TFaza::RecznieBenzyna;
  CzasFazyMs = 0;
}

void TModelSilnika::StartKalibracji(uint8_t mnoznik) {
  Kalibracja = true;
  MnoznikKalibracji = mnoznik;
}

void TModelSilnika::UstawMnoznikKalibracji(uint8_t mnoznik) { MnoznikKalibracji = mnoznik; }

void TModelSilnika::StopKalibracji() { Kalibracja = false; }

void TModelSilnika::Restart() {
  Faza = TFaza::Oczekiwanie;
  CzasFazyMs = 0;
  MaskaReczna = 0xFF;
  Kalibracja = false;
}

uint32_t TModelSilnika::PobierzPolsekundyBenzyny() { return std::exchange(PolsekundyBenzyny, 0u); }
uint32_t TModelSilnika::PobierzPolsekundyGazu() { return std::exchange(PolsekundyGazu, 0u); }

uint8_t TModelSilnika::MnoznikMapy(const TNastawy& n) const {
  const int indeks = std::clamp<int>(Parametry.CzasWtryskuJalowy, PierwszyIndeksMapy, OstatniIndeksMapy);
  return n.Mapa[static_cast<std::size_t>(indeks - PierwszyIndeksMapy)];
}

void TModelSilnika::Krok(int ms, const TNastawy& n, int uklad) {
  ms = std::max(ms, 0);
  const double sekundy = ms / 1000.0;
  Stan.Stacyjka = Dziala;
  Stan.Zasilanie = static_cast<uint8_t>(Zaokraglij(((Dziala ? NapiecieAkumulatora : 12.4) - 0.7) * 81.530385 / 5.0) +
                                        Los.Calkowita(-1, 1));
  if (Dziala) {
    const int64_t maks = Parametry.TempReduktoraMaks * 1000;
    if (TempReduktoraMili < maks) {
      TempReduktoraMili = std::min(maks, TempReduktoraMili + Zaokraglij(Parametry.OgrzewanieReduktora * ms));
    }
    if (TempGazuMili < TempGazuMaksMili) {
      TempGazuMili = std::min(TempGazuMaksMili, TempGazuMili + Zaokraglij(OgrzewanieGazu * ms));
    }
  }
  Stan.TempReduktora = static_cast<int8_t>(std::clamp<int64_t>(TempReduktoraMili / 1000, -128, 127));
  Stan.TempGazu = static_cast<int8_t>(std::clamp<int64_t>(TempGazuMili / 1000, -128, 127));

  if (!Dziala) {
    Stan.NaGazie = Stan.MiganieLed = Stan.MiganieSzybkie = false;
    Stan.CzasWtryskuBenzyny.fill(0);
    Stan.CzasWtryskuGazu = 0;
    Stan.Obroty = 0;
    Stan.Lambda1 = Stan.Lambda2 = 0;
    Stan.CisnienieKolektora = 100;  // atmospheric
    Stan.AktywneWtryskiwacze = 0;
    PrzeliczPoziom(n);
    return;
  }

  Stan.Obroty = static_cast<uint8_t>(Zaokraglij((Parametry.ObrotyJalowe + Los.Calkowita(-60, 60)) / 100.0));
  Stan.CisnienieKolektora = static_cast<uint16_t>(CisnienieKolektora + Los.Calkowita(-2, 2));
  PrzeliczPaliwo(ms, n, uklad);
  PrzeliczWtryski(n);

  FazaLambdy = std::fmod(FazaLambdy + PelnyKat * ms / OkresLambdyMs, PelnyKat);
  Stan.Lambda1 = BajtNapiecia(0.45 + 0.4 * std::sin(FazaLambdy));
  Stan.Lambda2 = BajtNapiecia(0.45 + 0.4 * std::sin(FazaLambdy + 1.3));

  const int cisnienie = n.CisnienieRobocze + Los.Calkowita(-2, 2) - (Stan.NaGazie ? 2 : 0);
  Stan.CisnienieGazu = static_cast<uint16_t>(std::max(cisnienie, 0));

  if (Stan.NaGazie) Zbiornik = std::max(0.0, Zbiornik - ZuzycieGazu * sekundy);
  PrzeliczPoziom(n);

  AkumulatorPracyMs += ms;
  for (; AkumulatorPracyMs >= 500; AkumulatorPracyMs -= 500) ++(Stan.NaGazie ? PolsekundyGazu : PolsekundyBenzyny);
}

void TModelSilnika::PrzeliczPaliwo(int ms, const TNastawy& n, int uklad) {
  const bool cieply = Stan.TempReduktora >= static_cast<int>(n.TempPrzelaczenia);
  const bool obroty = Stan.Obroty >= n.ProgPrzelaczenia;
  const int opoznienieMs = (uklad >= 23 ? n.CzasPrzelaczenia16 : n.CzasPrzelaczenia) * 500;
  CzasFazyMs += ms;
  switch (Faza) {
    case TFaza::Oczekiwanie:
      if (cieply && obroty) {
        Faza = TFaza::Opoznienie;
        CzasFazyMs = 0;
      }
      break;
    case TFaza::Opoznienie:
      if (!cieply || !obroty) {
        Faza = TFaza::Oczekiwanie;
      } else if (CzasFazyMs >= opoznienieMs) {
        Faza = TFaza::Gaz;
        CzasFazyMs = 0;
      }
      break;
    case TFaza::Gaz:
    case TFaza::RecznieGaz:
    case TFaza::RecznieBenzyna:
      break;
  }

  const int cylindry = LiczbaCylindrow(n.IloscCylindrow);
  Stan.NaGazie = Faza == TFaza::Gaz || Faza == TFaza::RecznieGaz;
  // The fuel LED blinks while the controller waits to switch over; chosen petrol leaves it dark.
  Stan.MiganieLed = Faza == TFaza::Oczekiwanie || Faza == TFaza::Opoznienie;
  Stan.MiganieSzybkie = false;
  Stan.MaskaWtryskiwaczy = MaskaReczna;
  if (Faza == TFaza::Gaz) {
    // Cylinder after cylinder, one every CzasPrzelCylindra.
    const int odstepMs = std::max(10 * n.CzasPrzelCylindra, 1);
    Stan.AktywneWtryskiwacze = MaskaCylindrow(std::min(cylindry, 1 + CzasFazyMs / odstepMs)) & MaskaReczna;
  } else if (Faza == TFaza::RecznieGaz) {
    Stan.AktywneWtryskiwacze = MaskaCylindrow(cylindry) & MaskaReczna;
  } else {
    Stan.AktywneWtryskiwacze = 0;
  }
  if (Kalibracja && Stan.NaGazie && MnoznikKalibracji != Parametry.MnoznikIdealny) {
    MnoznikKalibracji = static_cast<uint8_t>(MnoznikKalibracji + (MnoznikKalibracji < Parametry.MnoznikIdealny ? 1 : -1));
  }
}

void TModelSilnika::PrzeliczWtryski(const TNastawy& n) {
  const int cylindry = LiczbaCylindrow(n.IloscCylindrow);
  const uint8_t mnoznik = Kalibracja ? MnoznikKalibracji : MnoznikMapy(n);
  Stan.AktualnyMnoznik = mnoznik;
  // Gas too lean (a multiplier below the ideal) makes the engine's own controller stretch the
  // petrol time, in proportion to the share of cylinders running on gas.
  const double udzial = static_cast<double>(std::popcount(static_cast<unsigned>(Stan.AktywneWtryskiwacze & MaskaCylindrow(cylindry)))) / cylindry;
  const double ideal = Parametry.MnoznikIdealny;
  const double czas = Parametry.CzasWtryskuJalowy * (1.0 + udzial * (ideal - mnoznik) / ideal);
  for (int j = 0; j < 8; ++j) {
    const auto t = j < cylindry ? std::clamp<int64_t>(Zaokraglij(czas) + Los.Calkowita(-1, 1), 1, 65535) : 0;
    Stan.CzasWtryskuBenzyny[static_cast<std::size_t>(j)] = static_cast<uint16_t>(t);
  }
  Stan.CzasWtryskuGazu =
      Stan.NaGazie ? static_cast<uint32_t>(Zaokraglij(Stan.CzasWtryskuBenzyny[0] * 100.0 * mnoznik / 100.0) +
                                            n.CzasOtwZamWtr * 100)
                   : 0;
}

void TModelSilnika::PrzeliczPoziom(const TNastawy& n) {
  const auto rosnacy = static_cast<uint8_t>(Zaokraglij(25 + Zbiornik * 210));
  const uint8_t rodzaj = n.RodzajCzujnikaPoziomu;
  const bool malejacy = rodzaj == 2 || rodzaj == 3;
  const uint8_t l = malejacy ? static_cast<uint8_t>(255 - rosnacy) : rosnacy;
  Stan.CzujnikPoziomu = l;
  if (rodzaj > 3) return;  // an unknown sensor kind leaves the LEDs as they were
  int diody = 0;
  for (uint8_t prog : n.ProgiPoziomu) {
    if (malejacy ? l > prog : l < prog) break;
    ++diody;
  }
  Stan.PoziomGazuLed = static_cast<uint8_t>(diody);
}

}  // namespace wtrysk
