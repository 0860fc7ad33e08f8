#pragma once

#include <functional>
#include <memory>

#include "czas/TDataCzas.h"

namespace wtrysk {

// A repeating timer. Semantics follow a classic GUI timer: while enabled it fires every
// interval; enabling a running timer does not restart its count, disabling and enabling does.
class TTimer {
public:
  virtual ~TTimer() = default;
  virtual void Wlacz() = 0;
  virtual void Wylacz() = 0;
  virtual bool Wlaczony() const = 0;
  void Restartuj() {
    Wylacz();
    Wlacz();
  }
};

// The source of time for the core: timers and the wall clock. The application supplies one
// built on its event loop; tests supply a virtual clock they advance by hand.
class TSerwisCzasu {
public:
  virtual ~TSerwisCzasu() = default;
  // A new timer, disabled. The handler runs on the caller's thread; it may enable, disable or
  // destroy any timer, this one included.
  virtual std::unique_ptr<TTimer> UtworzTimer(int interwalMs, std::function<void()> obsluga) = 0;
  // The local date and time now.
  virtual TDataCzas Teraz() const = 0;
};

}  // namespace wtrysk
