#pragma once

#include <QObject>

class QSocketNotifier;

namespace wtrysk {

// SIGTERM and SIGINT become a Qt signal on the event loop, so the program can close as if
// its window had been closed. One instance per program.
class TSygnalyZamkniecia : public QObject {
  Q_OBJECT
public:
  explicit TSygnalyZamkniecia(QObject* rodzic = nullptr);
  ~TSygnalyZamkniecia() override;

signals:
  void Zamknij();

private:
  void Odczytaj();

  QSocketNotifier* Powiadamiacz = nullptr;
};

}  // namespace wtrysk
