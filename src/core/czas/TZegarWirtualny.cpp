#include "czas/TZegarWirtualny.h"

#include <algorithm>

namespace wtrysk {

class TZegarWirtualny::TTimerWirtualny : public TTimer {
public:
  TTimerWirtualny(TZegarWirtualny& zegar, int interwalMs, std::function<void()> obsluga)
      : Zegar(&zegar), Interwal(std::max(1, interwalMs)), Obsluga(std::move(obsluga)) {}
  ~TTimerWirtualny() override {
    if (Zegar) Zegar->Wyrejestruj(this);
  }

  void Wlacz() override {
    if (Aktywny || !Zegar) return;
    Aktywny = true;
    Zegar->Uzbroj(this);
  }
  void Wylacz() override { Aktywny = false; }
  bool Wlaczony() const override { return Aktywny; }

  TZegarWirtualny* Zegar;
  int Interwal;
  std::function<void()> Obsluga;
  bool Aktywny = false;
  int64_t Termin = 0;
  uint64_t Kolejnosc = 0;
};

TZegarWirtualny::TZegarWirtualny(TDataCzas poczatek) : PoczatekSekundy(poczatek.SekundyOdEpoki()) {}

TZegarWirtualny::~TZegarWirtualny() {
  for (auto* timer : Timery) timer->Zegar = nullptr;
}

std::unique_ptr<TTimer> TZegarWirtualny::UtworzTimer(int interwalMs, std::function<void()> obsluga) {
  auto timer = std::make_unique<TTimerWirtualny>(*this, interwalMs, std::move(obsluga));
  Timery.push_back(timer.get());
  return timer;
}

TDataCzas TZegarWirtualny::Teraz() const {
  int64_t ms = TerazMs;
  return TDataCzas::ZSekund(PoczatekSekundy + ms / 1000);
}

void TZegarWirtualny::UstawDate(TDataCzas data) { PoczatekSekundy = data.SekundyOdEpoki() - TerazMs / 1000; }

void TZegarWirtualny::Uzbroj(TTimerWirtualny* timer) {
  timer->Termin = TerazMs + timer->Interwal;
  timer->Kolejnosc = ++LicznikUzbrojen;
}

void TZegarWirtualny::Wyrejestruj(TTimerWirtualny* timer) { std::erase(Timery, timer); }

void TZegarWirtualny::Przesun(int64_t ms) {
  const int64_t cel = TerazMs + std::max<int64_t>(0, ms);
  for (;;) {
    TTimerWirtualny* nastepny = nullptr;
    for (auto* timer : Timery) {
      if (!timer->Aktywny || timer->Termin > cel) continue;
      if (!nastepny || timer->Termin < nastepny->Termin ||
          (timer->Termin == nastepny->Termin && timer->Kolejnosc < nastepny->Kolejnosc)) {
        nastepny = timer;
      }
    }
    if (!nastepny) break;
    TerazMs = nastepny->Termin;
    // Re-arm before the handler runs: the handler may restart, disable or destroy the timer.
    nastepny->Termin = TerazMs + nastepny->Interwal;
    nastepny->Kolejnosc = ++LicznikUzbrojen;
    auto obsluga = nastepny->Obsluga;
    obsluga();
  }
  TerazMs = cel;
}

}  // namespace wtrysk
