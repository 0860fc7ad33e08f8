#include "symulator/TWyjscieSymulatora.h"

#include <algorithm>

namespace wtrysk {

namespace {
constexpr int NajwiecejSmieci = 8;
// The length bytes end at position 2; damage from position 3 on leaves the frame findable.
constexpr std::size_t KoniecNaglowka = 3;
}  // namespace

TWyjscieSymulatora::TWyjscieSymulatora(TSerwisCzasu& czas, int opoznienieMs, int odstepMs, uint64_t ziarno,
                                       TNadawanie nadawanie)
    : Nadawanie(std::move(nadawanie)), Los(ziarno), PoJednym(odstepMs > 0) {
  if (odstepMs > 0 || opoznienieMs > 0) {
    TimerOpoznienia = czas.UtworzTimer(PoJednym ? odstepMs : opoznienieMs, [this] { Oproznij(); });
  }
}

void TWyjscieSymulatora::Uszkodz(TTablicaByte& bajty, std::size_t odPozycji, bool& uszkodzona) {
  if (Zaklocenia.Uszkodzenie <= 0.0) return;
  for (std::size_t i = odPozycji; i < bajty.size(); ++i) {
    if (!Los.Zdarzenie(Zaklocenia.Uszkodzenie)) continue;
    bajty[i] = static_cast<uint8_t>(bajty[i] ^ Los.Calkowita(1, 255));
    uszkodzona = true;
  }
}

void TWyjscieSymulatora::Ramka(const TTablicaByte& ramka) {
  if (Cisza) return;
  const bool zgubiona = Los.Zdarzenie(Zaklocenia.Zgubienie);
  bool uszkodzona = false;
  TTablicaByte bajty;
  if (!zgubiona) {
    if (Zaklocenia.Smieci && Los.Zdarzenie(0.5)) {
      const int ile = Los.Calkowita(1, NajwiecejSmieci);
      for (int i = 0; i < ile; ++i) {
        uint8_t b = static_cast<uint8_t>(Los.Calkowita(0, 254));
        if (b >= BajtStartu) ++b;  // anything but a start byte
        bajty.push_back(b);
      }
    }
    const std::size_t poczatek = bajty.size();
    bajty.insert(bajty.end(), ramka.begin(), ramka.end());
    Uszkodz(bajty, poczatek + (Zaklocenia.UszkadzajNaglowek ? 0 : KoniecNaglowka), uszkodzona);
  }
  if (PoRamce) PoRamce(ramka, zgubiona, uszkodzona);
  if (zgubiona) return;

  if (!Zaklocenia.Dzielenie) {
    Wyslij(std::move(bajty));
    return;
  }
  for (std::size_t poz = 0; poz < bajty.size();) {
    const auto ile = std::min<std::size_t>(bajty.size() - poz, static_cast<std::size_t>(Los.Calkowita(1, 16)));
    Wyslij(TTablicaByte(bajty.begin() + static_cast<std::ptrdiff_t>(poz),
                        bajty.begin() + static_cast<std::ptrdiff_t>(poz + ile)));
    poz += ile;
  }
}

void TWyjscieSymulatora::Potwierdzenie(uint8_t bajt) {
  if (Cisza || Los.Zdarzenie(Zaklocenia.Zgubienie)) return;
  TTablicaByte bajty{bajt};
  bool uszkodzone = false;
  Uszkodz(bajty, 0, uszkodzone);
  Wyslij(std::move(bajty));
}

void TWyjscieSymulatora::Wyslij(TTablicaByte kawalek) {
  if (kawalek.empty()) return;
  if (!TimerOpoznienia) {
    if (Nadawanie) Nadawanie(kawalek);
    return;
  }
  Kolejka.push_back(std::move(kawalek));
  TimerOpoznienia->Wlacz();
}

void TWyjscieSymulatora::Oproznij() {
  if (PoJednym) {
    if (Kolejka.empty() || Cisza) {
      Kolejka.clear();
      TimerOpoznienia->Wylacz();
      return;
    }
    const TTablicaByte kawalek = std::move(Kolejka.front());
    Kolejka.pop_front();
    if (Kolejka.empty()) TimerOpoznienia->Wylacz();
    if (Nadawanie) Nadawanie(kawalek);
    return;
  }
  TimerOpoznienia->Wylacz();
  // The callback may make the controller answer again; that goes out with the next tick.
  std::deque<TTablicaByte> teraz;
  teraz.swap(Kolejka);
  for (const auto& kawalek : teraz) {
    if (Cisza) return;
    if (Nadawanie) Nadawanie(kawalek);
  }
}

}  // namespace wtrysk
