#include "io/TSerwisCzasuQt.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <utility>

namespace wtrysk {

namespace {

class TTimerQt : public TTimer {
public:
  TTimerQt(int interwalMs, std::function<void()> obsluga) : Obsluga(std::move(obsluga)) {
    Timer = new QTimer;
    Timer->setInterval(std::max(1, interwalMs));
    // The link engine counts on 100 ms and 10 ms ticks; a coarse timer may drift by 5 %.
    Timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(Timer, &QTimer::timeout, Timer, [this] { Tyknij(); });
  }

  ~TTimerQt() override {
    *Zyje = false;
    Timer->stop();
    QObject::disconnect(Timer, nullptr, nullptr, nullptr);
    // A handler may destroy its own timer; the QTimer is then still inside its timeout
    // signal and must outlive it.
    if (Glebokosc > 0) {
      Timer->deleteLater();
    } else {
      delete Timer;
    }
  }

  // A running timer keeps its count: enabling it again does not restart it.
  void Wlacz() override {
    if (!Timer->isActive()) Timer->start();
  }
  void Wylacz() override { Timer->stop(); }
  bool Wlaczony() const override { return Timer->isActive(); }

private:
  void Tyknij() {
    // The handler may destroy this object; it works on its own copies.
    const auto zyje = Zyje;
    const auto obsluga = Obsluga;
    ++Glebokosc;
    obsluga();
    if (*zyje) --Glebokosc;
  }

  QTimer* Timer;
  std::function<void()> Obsluga;
  std::shared_ptr<bool> Zyje = std::make_shared<bool>(true);
  int Glebokosc = 0;  // handlers of this timer now running (nested event loops add more)
};

}  // namespace

std::unique_ptr<TTimer> TSerwisCzasuQt::UtworzTimer(int interwalMs, std::function<void()> obsluga) {
  return std::make_unique<TTimerQt>(interwalMs, std::move(obsluga));
}

TDataCzas TSerwisCzasuQt::Teraz() const {
  const QDateTime teraz = QDateTime::currentDateTime();
  const QDate data = teraz.date();
  const QTime czas = teraz.time();
  return {data.year(), data.month(), data.day(), czas.hour(), czas.minute(), czas.second()};
}

}  // namespace wtrysk
