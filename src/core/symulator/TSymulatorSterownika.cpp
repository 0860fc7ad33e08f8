#include "symulator/TSymulatorSterownika.h"

#include <algorithm>

#include "symulator/KomendySterownika.h"
#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

namespace {

// Command codes the controller acts on beyond plain settings.
enum : uint8_t {
  KodDanychBiezacych = 1,
  KodWynikuKalibracji = 2,
  KodPaliwa = 3,
  KodStopuKalibracji = 5,
  KodKorektMapy = 6,
  KodAktualizacji = 8,
  KodMapy = 11,
  KodIdentyfikacji = 12,
  KodKasowaniaBledow = 16,
  KodPasmaKalibracji = 25,
  KodObrazuNastaw = 26,
  KodRejestru = 29,
  KodWezlowMapy = 32,
  KodStartuKalibracji = 37,
  KodUstawienFabrycznych = 38,
  KodKasowaniaTablicy = 42,
  KodLiczbyProbek = 44,
  KodOknaProgow = 49,
  KodBloku16 = 52,
  KodZapisuHistorii = 59,
  KodOdczytuHistorii = 60,
};

constexpr uint8_t PaliwoGaz = 3;
constexpr uint8_t PaliwoBenzyna = 2;
constexpr uint8_t BajtKoncaKomendy8 = 0xF7;  // 8 inverted, then a start byte, opens the loader
constexpr uint8_t MnoznikStartuKalibracji = 128;
constexpr uint8_t BitPrzegladu = 0x08;  // E1: inspection due

// The history area the controller starts with: its own byte, working times of 50 h on petrol
// and 120 h on gas (in 0.5 s), nothing else recorded.
TObszarSterownika ObszarPoczatkowy() {
  TObszarSterownika o{};
  o[0] = 0x01;
  auto zapisz32 = [&o](std::size_t poz, uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) o[poz + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  zapisz32(1, 50u * 7200u);
  zapisz32(5, 120u * 7200u);
  return o;
}

uint32_t Czytaj32(const TObszarSterownika& o, std::size_t poz) {
  uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(o[poz + i]) << (8 * i);
  return v;
}

void Dodaj32(TObszarSterownika& o, std::size_t poz, uint32_t ile) {
  const uint32_t v = Czytaj32(o, poz) + ile;
  for (std::size_t i = 0; i < 4; ++i) o[poz + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The petrol time index at which the engine runs with manifold pressure p kPa; 0 outside the
// pressures an idling-to-loaded engine sees.
uint8_t CzasDlaCisnienia(int p) {
  if (p < 20 || p > 100) return 0;
  return static_cast<uint8_t>(Zaokraglij(p * 0.8 + 2));
}

}  // namespace

TSymulatorSterownika::TSymulatorSterownika(TSerwisCzasu& czas, const TOpcjeSymulatora& opcje, TNadawanie nadawanie)
    : Naglowek(opcje.Naglowek),
      UkladRamek(UkladFirmware(opcje.Naglowek.Firmware)),
      Opcje(opcje),
      Bledy(opcje.BledyBiezace),
      LosModelu(opcje.Ziarno),
      Silnik(opcje.Silnik, LosModelu),
      Wyjscie(czas, opcje.OpoznienieOdpowiedziMs, opcje.OdstepKawalkowMs, opcje.Ziarno ^ 0x5DEECE66Dull, std::move(nadawanie)),
      WLadowarceFlaga(opcje.StartWLadowarce) {
  NastawyDomyslne(PamiecSterownika.Nastawy);
  PamiecSterownika.RejestrBledow = {{3}, {0, 0xFE, 0xFF}, {9}};
  PamiecSterownika.ObszarHistorii = ObszarPoczatkowy();
  PamiecSterownika.Blok16 = {0x24, 0x05, 0x17, 0x00, 0x42, 0x13, 0x37, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  Wyjscie.UstawZaklocenia(opcje.Zaklocenia);

  TimerModelu = czas.UtworzTimer(OkresModeluMs, [this] { TaktModelu(); });
  TimerPrzerwy = czas.UtworzTimer(PrzerwaOdbioruMs, [this] { PrzerwaOdbioru(); });
  TimerLadowarki = czas.UtworzTimer(std::max(opcje.CiszaRestartuLadowarkiMs, 1), [this] { ZakonczLadowanie(); });
  if (opcje.CiszaPoMs > 0) {
    TimerCiszy = czas.UtworzTimer(opcje.CiszaPoMs, [this] {
      TimerCiszy->Wylacz();
      Wyjscie.Wycisz();
    });
    TimerCiszy->Wlacz();
  }
  Silnik.Krok(0, PamiecSterownika.Nastawy, UkladRamek);
  TimerModelu->Wlacz();
}

TSymulatorSterownika::~TSymulatorSterownika() = default;

void TSymulatorSterownika::UstawZiarno(uint64_t ziarno) {
  LosModelu.UstawZiarno(ziarno);
  Wyjscie.UstawZiarno(ziarno ^ 0x5DEECE66Dull);
}

TNastawy TSymulatorSterownika::NastawyPoKorekcie() const {
  TNastawy n = PamiecSterownika.Nastawy;
  for (std::size_t k = 0; k < n.Mapa.size(); ++k) {
    n.Mapa[k] = KomorkaZKorekta(n.Mapa[k], PamiecSterownika.Korekty[k], UkladRamek);
  }
  n.KorektaMapy.fill(0);
  return n;
}

// --- Receiving ---

void TSymulatorSterownika::Odbierz(std::span<const uint8_t> bajty) {
  Wejscie.insert(Wejscie.end(), bajty.begin(), bajty.end());
  // An answer that makes the PC write again lands here while the first call is still working
  // through the buffer; that call takes the new bytes in order.
  if (WToku) return;
  Przetworz();
}

void TSymulatorSterownika::Przetworz() {
  WToku = true;
  std::size_t poz = 0;
  while (poz < Wejscie.size()) {
    if (LadowanieTrwa) {
      BajtObrazu(Wejscie[poz++]);
      continue;
    }
    const std::span<const uint8_t> reszta(Wejscie.data() + poz, Wejscie.size() - poz);
    if (CzekaNaF7AA) {
      if (reszta[0] != BajtKoncaKomendy8) {
        CzekaNaF7AA = false;
        continue;
      }
      if (reszta.size() < 2) break;
      CzekaNaF7AA = false;
      if (reszta[1] != BajtStartu) continue;  // the F7 is then noise to the frame search
      poz += 2;
      RozpocznijLadowanie();
      continue;
    }
    const TPoczatekWejscia p = RozpoznajKomende(reszta, UkladRamek);
    if (p.Rodzaj == TPoczatekWejscia::TRodzaj::Niepelny) break;
    if (p.Rodzaj == TPoczatekWejscia::TRodzaj::Ramka) {
      // A copy: answering may bring more bytes into the buffer and move it.
      const TTablicaByte ramka(reszta.begin(), reszta.begin() + static_cast<std::ptrdiff_t>(p.Dlugosc));
      poz += p.Dlugosc;
      ObsluzRamke(ramka);
    } else {
      poz += p.Dlugosc;
    }
  }
  Wejscie.erase(Wejscie.begin(), Wejscie.begin() + static_cast<std::ptrdiff_t>(poz));
  WToku = false;
  // Bytes of an unfinished frame: if nothing follows them soon, they were noise.
  if (Wejscie.empty()) {
    TimerPrzerwy->Wylacz();
  } else {
    TimerPrzerwy->Restartuj();
  }
}

void TSymulatorSterownika::PrzerwaOdbioru() {
  TimerPrzerwy->Wylacz();
  if (Wejscie.empty() || WToku) return;
  if (CzekaNaF7AA) {
    CzekaNaF7AA = false;
  } else {
    Wejscie.erase(Wejscie.begin());
  }
  Przetworz();
}

void TSymulatorSterownika::ObsluzRamke(std::span<const uint8_t> ramka) {
  const uint8_t kod = ramka[1];
  const auto dane = ramka.subspan(2, ramka.size() - 3);
  if (!WLadowarceFlaga) {
    ObsluzKomende(kod, dane);
    return;
  }
  // The loader knows one command, the one that starts a transfer; anything else is told that
  // the controller waits in its loader.
  if (kod == KodAktualizacji && !dane.empty() && dane[0] == KodAktualizacji) {
    CzekaNaF7AA = true;
    return;
  }
  const TTablicaByte naglowek = NaglowekIdentyfikacji(Naglowek);
  Odpowiedz(KodLadowarki, std::span<const uint8_t>(naglowek).first(4));
}

void TSymulatorSterownika::Odpowiedz(uint8_t kod, std::span<const uint8_t> dane) {
  Wyjscie.Ramka(ZbudujRamkeOdpowiedzi(kod, dane));
}

void TSymulatorSterownika::ObsluzKomende(uint8_t kod, std::span<const uint8_t> dane) {
  TPamiecSterownika& p = PamiecSterownika;
  TNastawy& n = p.Nastawy;
  switch (kod) {
    case KodDanychBiezacych:
      WyslijDaneBiezace();
      return;
    case KodIdentyfikacji:
      WyslijIdentyfikacje(KodIdentyfikacji);
      return;
    case KodUstawienFabrycznych:
      NastawyDomyslne(n);
      p.Korekty.fill(0);
      WyslijIdentyfikacje(KodUstawienFabrycznych);
      return;
    case KodPaliwa:
      if (dane[0] == PaliwoGaz || dane[0] == PaliwoBenzyna) Silnik.PrzelaczPaliwo(dane[0] == PaliwoGaz, dane[1]);
      break;
    case KodStartuKalibracji:
      Silnik.StartKalibracji(MnoznikStartuKalibracji);
      break;
    case KodPasmaKalibracji:
      // The band the petrol time must return to, and the multiplier found so far.
      Silnik.UstawMnoznikKalibracji(dane[2]);
      break;
    case KodWynikuKalibracji:
      n.CisnienieRobocze = dane[0];
      n.KalibCzasWtrysku = dane[1];
      n.KalibMnoznik = dane[2];
      n.KalibTempGazu = dane[3];
      n.CisnienieMinimalne = dane[4];
      Silnik.StopKalibracji();
      break;
    case KodStopuKalibracji:
      Silnik.StopKalibracji();
      break;
    case KodMapy:
      std::copy(dane.begin(), dane.end(), n.Mapa.begin());
      p.Korekty.fill(0);  // a new map replaces what the controller had learned on the old one
      break;
    case KodKorektMapy:
      for (std::size_t k = 0; k < p.Korekty.size(); ++k) {
        p.Korekty[k] = KorektaZProcentu(static_cast<int8_t>(dane[k]), n.Mapa[k], UkladRamek);
      }
      break;
    case KodWezlowMapy:
      std::copy(dane.begin(), dane.begin() + 10, n.ZakresMapy1.begin());
      std::copy(dane.begin() + 10, dane.end(), n.ZakresMapy2.begin());
      break;
    case KodObrazuNastaw:
      WczytajObrazNastaw(dane, UkladRamek, n, p.Korekty);
      break;
    case KodKasowaniaBledow:
      p.RejestrBledow.clear();
      break;
    case KodRejestru: {
      // Registers read back the settings as the controller stores them; beyond them 0xFF.
      const std::size_t adres = static_cast<std::size_t>(dane[0]) << 8 | dane[1];
      const TTablicaByte pamiec = BajtyNastaw(p, Silnik.Odczyty().AktywneWtryskiwacze, UkladRamek);
      const uint8_t wartosc = adres < pamiec.size() ? pamiec[adres] : 0xFF;
      Odpowiedz(KodRejestru, std::span<const uint8_t>(&wartosc, 1));
      return;
    }
    case KodBloku16:
      Odpowiedz(KodBloku16, p.Blok16);
      return;
    case KodZapisuHistorii:
      std::copy(dane.begin(), dane.end(), p.ObszarHistorii.begin() + 1);
      Odpowiedz(KodZapisuHistorii, ObszarNaLinii(p.ObszarHistorii));
      return;
    case KodOdczytuHistorii:
      Odpowiedz(KodOdczytuHistorii, ObszarNaLinii(p.ObszarHistorii));
      return;
    case KodKasowaniaTablicy:
      if (dane[0] == 1 || dane[0] == 2) {
        PrzebiegPelny[dane[0] - 1u] = false;
        IndeksTablic = 0;
      }
      break;
    case KodLiczbyProbek:
      Probki = dane[0];
      break;
    case KodOknaProgow:
      OknoProgow = dane[0] != 0;
      break;
    case KodAktualizacji:
      Odpowiedz(KodAktualizacji);
      // The updater follows its command with F7 AA once the answer is in.
      CzekaNaF7AA = dane[0] == KodAktualizacji;
      return;
    default:
      if (!ZmienNastawe(kod, dane)) return;
      break;
  }
  Odpowiedz(kod);
}

bool TSymulatorSterownika::ZmienNastawe(uint8_t kod, std::span<const uint8_t> dane) {
  TNastawy& n = PamiecSterownika.Nastawy;
  const uint8_t b = dane.empty() ? 0 : dane[0];
  auto bit = [b](uint8_t& pole, uint8_t maska) {
    pole = static_cast<uint8_t>(b != 0 ? pole | maska : pole & ~maska);
  };
  switch (kod) {
    case 9: n.ProgPrzelaczenia = b; break;
    case 10: n.IloscCylNaCewke = b; break;
    case 13:
      std::copy(dane.begin(), dane.begin() + 4, n.ProgiPoziomu.begin());
      n.RodzajCzujnikaPoziomu = dane[4];
      break;
    case 14:
      n.TypWtryskiwacza = b;
      // Up to layout 16 the injector kind is a single option bit: MATRIX or not.
      if (UkladRamek < 17) {
        n.Flagi = static_cast<uint8_t>(b == 1 ? n.Flagi | FlagiBit::WtryskiwaczDawny : n.Flagi & ~FlagiBit::WtryskiwaczDawny);
      }
      break;
    case 15: n.TempPrzelaczenia = b; break;
    case 17: n.MaxObroty = b; break;
    case 18: n.CzujnikCisnienia = b; break;
    case 19: n.CzujnikTempReduktora = b; break;
    case 23: bit(n.Flagi, FlagiBit::SygnalObrotow12V); break;
    case 24: n.CzujnikTempGazu = b; break;
    case 27: n.IloscCylindrow = b; break;
    case 30: n.CisnienieMinimalne = b; break;
    case 31: n.CzasBleduCisnienia = b; break;
    case 33: bit(n.Flagi, FlagiBit::SilnikTurbo); break;
    case 34:
      if (dane.size() == 2) {
        n.CzasPrzelaczenia16 = static_cast<uint16_t>(dane[0] << 8 | dane[1]);
      } else {
        n.CzasPrzelaczenia = b;
      }
      break;
    case 35: n.CzasPrzelCylindra = b; break;
    case 36: n.CzasOtwZamWtr = b; break;
    case 39: n.CzujnikCisKolektora = b; break;
    case 40: bit(n.Flagi, FlagiBit::SygnalCiagly); break;
    case 41: bit(n.Flagi, FlagiBit::MapaZablokowana); break;
    case 43: n.CisnienieRobocze = b; break;
    case 45: bit(n.Flagi, FlagiBit::WtrBenzSterPlusem); break;
    case 46: bit(n.Flagi2, Flagi2Bit::WylaczDlaPierwszegoBledu); break;
    case 47: n.CzasWylaczeniaPrzyBledzie = b; break;
    case 48: n.CzasRozpOgraniczenia = b; break;
    case 51: bit(n.Flagi2, Flagi2Bit::PaliwoCNG); break;
    case 53: std::copy(dane.begin(), dane.begin() + 8, n.KorekcjaWtryskiwacza.begin()); break;
    case 54: n.MinObrotyLPG = b; break;
    case 55: n.MinTempGazu = static_cast<int8_t>(b); break;
    case 56: n.WypelnienieOgraniczenia = b; break;
    case 57: n.TypSondyLambda = b; break;
    case 58: n.ProgDetekcjiObrotow = b; break;
    case 61: bit(n.Flagi2, Flagi2Bit::WtryskRenix); break;
    default: return false;
  }
  return true;
}

// --- Answers ---

void TSymulatorSterownika::WyslijIdentyfikacje(uint8_t kod) {
  Odpowiedz(kod, DaneIdentyfikacji(Naglowek, PamiecSterownika, Silnik.Odczyty().AktywneWtryskiwacze, UkladRamek));
}

bool TSymulatorSterownika::PrzegladNalezny() const {
  const TObszarSterownika& o = PamiecSterownika.ObszarHistorii;
  constexpr std::size_t PozFlagi = 142, PozCzasuGazu = 5, PozPrzegladu = 17;
  return (o[PozFlagi] & 0x01) && Czytaj32(o, PozCzasuGazu) >= Czytaj32(o, PozPrzegladu);
}

TBlokTablic TSymulatorSterownika::NastepnyBlokTablic() {
  const TNastawy& n = PamiecSterownika.Nastawy;
  const double ideal = Opcje.Silnik.MnoznikIdealny;
  TBlokTablic t;
  t.Start = static_cast<uint8_t>(IndeksTablic);
  for (int j = 0; j < 5; ++j) {
    const uint8_t benzyna = CzasDlaCisnienia(IndeksTablic + j);
    uint8_t gaz = 0;
    if (benzyna >= PierwszyIndeksMapy) {
      // Gas follows petrol where the map holds the ideal multiplier, and strays where it does not.
      const uint8_t komorka = n.Mapa[static_cast<std::size_t>(benzyna - PierwszyIndeksMapy)];
      gaz = static_cast<uint8_t>(std::clamp<int64_t>(Zaokraglij(benzyna * (1.0 + 0.5 * (ideal - komorka) / ideal)), 1, 255));
    }
    t.Wartosci[0][static_cast<std::size_t>(j)] = benzyna;
    t.Wartosci[1][static_cast<std::size_t>(j)] = gaz;
  }
  if (IndeksTablic >= 255) {
    // The block that reaches pressure 255 completes a sweep: both tables are ready.
    PrzebiegPelny = {true, true};
    IndeksTablic = 0;
  } else {
    IndeksTablic += 5;
  }
  return t;
}

void TSymulatorSterownika::WyslijDaneBiezace() {
  TOdczytySterownika o = Silnik.Odczyty();
  o.Bledy = Bledy;
  if (PrzegladNalezny()) o.Bledy[1] = static_cast<uint8_t>(o.Bledy[1] & ~BitPrzegladu);
  o.PunktOdchylki1 = PrzebiegPelny[0];
  o.PunktOdchylki2 = PrzebiegPelny[1];
  const TBlokTablic t = NastepnyBlokTablic();
  Ostatnie.Dane = DaneJakOdczytane(o, UkladRamek);
  Ostatnie.MaskaWtryskiwaczy = o.MaskaWtryskiwaczy;
  Ostatnie.Tablice = t;
  ++Ostatnie.Numer;
  Odpowiedz(KodDanychBiezacych, DaneBiezaceRamki(o, t, UkladRamek));
}

// --- Time ---

void TSymulatorSterownika::TaktModelu() {
  Silnik.Krok(OkresModeluMs, PamiecSterownika.Nastawy, UkladRamek);
  constexpr std::size_t PozCzasuBenzyny = 1, PozCzasuGazu = 5;
  Dodaj32(PamiecSterownika.ObszarHistorii, PozCzasuBenzyny, Silnik.PobierzPolsekundyBenzyny());
  Dodaj32(PamiecSterownika.ObszarHistorii, PozCzasuGazu, Silnik.PobierzPolsekundyGazu());
}

// --- Update loader ---

void TSymulatorSterownika::RozpocznijLadowanie() {
  WLadowarceFlaga = true;
  LadowanieTrwa = true;
  Ladowarka = std::make_unique<TLadowarka>(Opcje.RozmiarBlokuLadowarki, Opcje.DlugoscObrazuLadowarki);
  // The loader waits as long as it takes for the first image byte; only then does a silence
  // mean that the image has ended.
  TimerLadowarki->Wylacz();
}

void TSymulatorSterownika::BajtObrazu(uint8_t b) {
  for (uint8_t potwierdzenie : Ladowarka->Bajt(b)) Wyjscie.Potwierdzenie(potwierdzenie);
  TimerLadowarki->Restartuj();
  if (Ladowarka->Kompletny()) ZakonczLadowanie();
}

void TSymulatorSterownika::ZakonczLadowanie() {
  TimerLadowarki->Wylacz();
  if (!LadowanieTrwa) return;
  LadowanieTrwa = false;
  // An image of known length that stopped short leaves the controller in its loader; otherwise
  // the new firmware starts.
  const bool przerwane = Ladowarka->Dlugosc() > 0 && !Ladowarka->Kompletny();
  WLadowarceFlaga = przerwane;
  if (!przerwane) Silnik.Restart();
  if (!Wejscie.empty() && !WToku) Przetworz();
}

}  // namespace wtrysk
