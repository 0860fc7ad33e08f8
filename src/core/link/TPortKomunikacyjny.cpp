#include "link/TPortKomunikacyjny.h"

#include <utility>

#include "i18n/TKomunikaty.h"
#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

namespace {
constexpr uint8_t KodIdentyfikacji = 12;
constexpr uint8_t KodDanychBiezacych = 1;
}  // namespace

TPortKomunikacyjny::TPortKomunikacyjny(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno)
    : Czas(czas), Komunikaty(komunikaty), Okno(okno) {
  TimerNadawania = Czas.UtworzTimer(OkresNadawaniaMs, [this] { TimerNadawaniaTimer(); });
  TimerBrakuOdpowiedzi = Czas.UtworzTimer(CzasBrakuOdpowiedziMs, [this] { BrakOdpowiedzi(); });
  TimerPowtorzenia = Czas.UtworzTimer(OkresPowtorzeniaMs, [this] { TimerPowtorzeniaTimer(); });
}

TPortKomunikacyjny::~TPortKomunikacyjny() = default;

void TPortKomunikacyjny::Otworz() {
  if (!PolaczonyFlaga) return;
  if (Otoczenie) Otoczenie->PolaczenieRozpoczete();
  ZerujLacze();
  WyslijKomende(KodIdentyfikacji, {1});
}

void TPortKomunikacyjny::ZerujLacze() {
  ++NumerWymiany;
  Parser.ZerujRamke();
  TaktZajetyFlaga = false;
  LiniaWolnaFlaga = true;
  PonowWyslanie = false;
  NowaRamka = false;
  TimerBrakuOdpowiedzi->Wylacz();
  TimerPowtorzenia->Wylacz();
  OczekiwaniePotwierdzenia = false;
  BrakPotwierdzeniaFlaga = true;
  TimerNadawania->Wlacz();
  PorzucKomendy();
  ZakonczPotwierdzenie(false);
}

void TPortKomunikacyjny::Zamknij() {
  ++NumerWymiany;
  PolaczonyFlaga = false;
  BrakPolaczeniaFlaga = true;
  TimerPowtorzenia->Wylacz();
  TimerBrakuOdpowiedzi->Wylacz();
  TimerNadawania->Wylacz();
  LiniaWolnaFlaga = true;
  BrakPotwierdzeniaFlaga = true;
  OczekiwaniePotwierdzenia = false;
  TaktZajetyFlaga = false;
  PonowWyslanie = false;
  NowaRamka = false;
  Parser.ZerujRamke();
  if (Otoczenie) Otoczenie->LaczeZamkniete();
  PorzucKomendy();
  ZakonczPotwierdzenie(false);
}

void TPortKomunikacyjny::BrakOdpowiedzi() {
  Zamknij();
  Okno.PokazBlad(Komunikaty.PobierzKomunikat(KomunikatBrakSterownika));
}

void TPortKomunikacyjny::WyslijKomende(uint8_t kod, std::span<const uint8_t> dane, TPoOdpowiedzi poOdpowiedzi) {
  if (!PolaczonyFlaga) {
    if (poOdpowiedzi) poOdpowiedzi(false);
    return;
  }
  TKomenda komenda;
  komenda.Tresc.reserve(dane.size() + 1);
  komenda.Tresc.push_back(kod);
  komenda.Tresc.insert(komenda.Tresc.end(), dane.begin(), dane.end());
  komenda.PoOdpowiedzi = std::move(poOdpowiedzi);
  Kolejka.push_back(std::move(komenda));
  NadajZKolejki();
}

void TPortKomunikacyjny::NadajZKolejki() {
  // One pass at a time: the change warning may run a modal dialog, and whatever arrives
  // meanwhile must queue behind the command being decided.
  if (KolejkaWToku) return;
  KolejkaWToku = true;
  while (PolaczonyFlaga && !Kolejka.empty() && LiniaWolnaFlaga && !TaktZajetyFlaga && !BudowanieRamki) {
    TKomenda komenda = std::move(Kolejka.front());
    Kolejka.pop_front();
    ZbudujRamke(std::move(komenda));
  }
  KolejkaWToku = false;
}

void TPortKomunikacyjny::ZbudujRamke(TKomenda komenda) {
  const uint8_t kod = komenda.Tresc.front();
  const uint64_t numer = NumerWymiany;

  const bool bezZmian = Historia ? Historia->CzyKomendaBezZmian(kod) : CzyKomendaBezZmianDomyslnie(kod);
  const bool wolno = bezZmian || !Historia || Historia->PotwierdzZmianeNastaw();

  if (numer != NumerWymiany || !PolaczonyFlaga) {
    // The link closed or restarted while the user was deciding: this command belonged to
    // the exchange that ended.
    if (komenda.PoOdpowiedzi) komenda.PoOdpowiedzi(false);
    return;
  }
  if (!bezZmian && wolno && Historia) Historia->ZapiszZmiane(Czas.Teraz());

  BudowanieRamki = true;
  LiniaWolnaFlaga = false;
  TPoOdpowiedzi odrzucona;
  if (wolno) {
    BuforNadawania = ZbudujRamkeKomendy(kod, std::span<const uint8_t>(komenda.Tresc).subspan(1));
    OstatniaKomendaKod = kod;
    OdpowiedzOczekiwana = std::move(komenda.PoOdpowiedzi);
  } else {
    // Refused at the change warning: a harmless identification request goes instead.
    const uint8_t zero = 0;
    BuforNadawania = ZbudujRamkeKomendy(KodIdentyfikacji, std::span<const uint8_t>(&zero, 1));
    OstatniaKomendaKod = KodIdentyfikacji;
    OdpowiedzOczekiwana = nullptr;
    odrzucona = std::move(komenda.PoOdpowiedzi);
  }
  TimerPowtorzenia->Wlacz();
  BudowanieRamki = false;
  PonowWyslanie = false;
  NowaRamka = true;
  if (odrzucona) odrzucona(false);
}

void TPortKomunikacyjny::TimerNadawaniaTimer() {
  if (TaktZajetyFlaga || BudowanieRamki) return;
  TaktZajetyFlaga = true;

  bool wyslij = false;
  if (BuforNadawania.size() >= 3 && (NowaRamka || PonowWyslanie)) {
    wyslij = true;
    PonowWyslanie = false;
  } else if (LiniaWolnaFlaga) {
    BuforNadawania.assign(RamkaZapytania.begin(), RamkaZapytania.end());
    wyslij = true;
  }

  if (wyslij) {
    NowaRamka = false;
    TimerBrakuOdpowiedzi->Wlacz();
    const uint64_t numer = NumerWymiany;
    if (!PolaczonyFlaga || ZapiszBajty(BuforNadawania.data(), BuforNadawania.size()) == 0) {
      BrakOdpowiedzi();
      return;
    }
    // A transport may deliver the answer while it writes, and that answer may close or
    // restart the link: the tick then belongs to an exchange that has ended.
    if (numer != NumerWymiany || !PolaczonyFlaga) return;
  }

  // The tick keeps its 100 ms grid rather than counting again from here: it never waits
  // inside, so live data is asked for exactly ten times a second, without drift.
  TaktZajetyFlaga = false;
  NadajZKolejki();
}

void TPortKomunikacyjny::TimerPowtorzeniaTimer() {
  if (PolaczonyFlaga) {
    PonowWyslanie = true;
  } else {
    BrakOdpowiedzi();
  }
}

void TPortKomunikacyjny::OdbierzBajty(const uint8_t* bajty, std::size_t liczba) {
  if (!PolaczonyFlaga || liczba == 0) return;

  if (OczekiwaniePotwierdzenia) {
    // Only the first byte of the chunk counts; the rest is dropped.
    OczekiwaniePotwierdzenia = false;
    if (bajty[0] == BajtPotwierdzenia) {
      TimerBrakuOdpowiedzi->Wylacz();
      PotwierdzonoFlaga = true;
      ZakonczPotwierdzenie(true);
    } else {
      PotwierdzonoFlaga = false;
      BrakPotwierdzeniaFlaga = true;
      ZakonczPotwierdzenie(false);
    }
    return;
  }

  const uint64_t numer = NumerWymiany;
  for (std::size_t i = 0; i < liczba; ++i) {
    if (Parser.PodajBajt(bajty[i]) != TParserRamek::TWynik::Poprawna) continue;
    ZakonczRamke(Parser.Ramka());
    // A frame that closed or restarted the link ends this chunk: the rest was meant for
    // the exchange that ended.
    if (numer != NumerWymiany || !PolaczonyFlaga) return;
  }
}

void TPortKomunikacyjny::ZakonczRamke(std::span<const uint8_t> ramka) {
  TimerBrakuOdpowiedzi->Wylacz();
  TPoOdpowiedzi odpowiedz;
  if (ramka[3] == OstatniaKomendaKod && OstatniaKomendaKod != KodDanychBiezacych) {
    TimerPowtorzenia->Wylacz();
    LiniaWolnaFlaga = true;
    // A resend that fell due just before the answer must not go out: the command is done.
    PonowWyslanie = false;
    odpowiedz = std::move(OdpowiedzOczekiwana);
    OdpowiedzOczekiwana = nullptr;
  }
  if (Otoczenie) Otoczenie->ObsluzRamke(ramka);
  Parser.ZerujRamke();
  if (odpowiedz) odpowiedz(true);
  NadajZKolejki();
}

bool TPortKomunikacyjny::CzyBezczynny() {
  const bool wolna = LiniaWolnaFlaga && !TaktZajetyFlaga && !BudowanieRamki && Kolejka.empty();
  if (wolna || !PolaczonyFlaga) {
    TimerNadawania->Wylacz();
    TimerBrakuOdpowiedzi->Wylacz();
    return true;
  }
  return false;
}

void TPortKomunikacyjny::CzekajNaPotwierdzenie(uint8_t bajt, std::function<void(bool)> wynik) {
  if (!PolaczonyFlaga) {
    BrakPotwierdzeniaFlaga = true;
    if (wynik) wynik(false);
    return;
  }
  BajtPotwierdzenia = bajt;
  PotwierdzonoFlaga = false;
  BrakPotwierdzeniaFlaga = false;
  OczekiwaniePotwierdzenia = true;
  WynikPotwierdzenia = std::move(wynik);
  TimerBrakuOdpowiedzi->Wlacz();
}

void TPortKomunikacyjny::PorzucKomendy() {
  std::deque<TKomenda> porzucone;
  porzucone.swap(Kolejka);
  TPoOdpowiedzi oczekiwana = std::move(OdpowiedzOczekiwana);
  OdpowiedzOczekiwana = nullptr;
  if (oczekiwana) oczekiwana(false);
  for (auto& komenda : porzucone) {
    if (komenda.PoOdpowiedzi) komenda.PoOdpowiedzi(false);
  }
}

void TPortKomunikacyjny::ZakonczPotwierdzenie(bool potwierdzono) {
  auto wynik = std::move(WynikPotwierdzenia);
  WynikPotwierdzenia = nullptr;
  if (wynik) wynik(potwierdzono);
}

}  // namespace wtrysk
