#pragma once

#include "czas/TSerwisCzasu.h"

namespace wtrysk {

// The timer service of the running program: QTimer on the thread's event loop, the wall
// clock from the PC's local time. Timers fire only while that event loop runs.
class TSerwisCzasuQt : public TSerwisCzasu {
public:
  std::unique_ptr<TTimer> UtworzTimer(int interwalMs, std::function<void()> obsluga) override;
  TDataCzas Teraz() const override;
};

}  // namespace wtrysk
