#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

namespace wtrysk {

// One running copy per user. The first start takes a lock and listens on a local socket; a
// later start finds the lock taken, tells the running copy to come to the front and ends.
// A lock left by a copy that died is taken over.
class TJednaInstancja : public QObject {
  Q_OBJECT
public:
  // `klucz` names the lock and the socket; tests use their own.
  explicit TJednaInstancja(const QString& klucz, QObject* rodzic = nullptr);
  ~TJednaInstancja() override;

  // True when this is the first copy (it now listens); false when another runs, which has
  // been asked to come to the front.
  bool Uruchom();

  static QString KluczDomyslny();

signals:
  // Another start asked this copy to come to the front.
  void PokazSie();

private:
  void NowePolaczenie();

  QString Klucz;
  std::unique_ptr<QLockFile> Blokada;
  QLocalServer* Serwer = nullptr;
};

}  // namespace wtrysk
