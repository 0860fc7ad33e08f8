#pragma once

#include <cstdint>
#include <vector>

#include "czas/TSerwisCzasu.h"

namespace wtrysk {

// A clock that moves only when told to. Timers fire in order of their due time (ties in the
// order they were armed), each one with the clock standing at its due time, so a test can
// drive the whole link engine through minutes of traffic in microseconds.
class TZegarWirtualny : public TSerwisCzasu {
public:
  explicit TZegarWirtualny(TDataCzas poczatek = {2026, 1, 1, 12, 0, 0});
  ~TZegarWirtualny() override;

  std::unique_ptr<TTimer> UtworzTimer(int interwalMs, std::function<void()> obsluga) override;
  TDataCzas Teraz() const override;

  // Moves the clock forward, firing every timer that falls due on the way.
  void Przesun(int64_t ms);
  // Milliseconds since the clock was made.
  int64_t CzasMs() const { return TerazMs; }
  void UstawDate(TDataCzas data);

private:
  class TTimerWirtualny;
  friend class TTimerWirtualny;

  void Uzbroj(TTimerWirtualny* timer);
  void Wyrejestruj(TTimerWirtualny* timer);

  int64_t TerazMs = 0;
  int64_t PoczatekSekundy = 0;  // wall clock at TerazMs == 0
  uint64_t LicznikUzbrojen = 0;
  std::vector<TTimerWirtualny*> Timery;
};

}  // namespace wtrysk
