#include "TJednaInstancja.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "io/FolderDanych.h"

namespace wtrysk {

namespace {
constexpr int CzasPolaczeniaMs = 1000;
const QByteArray Wiadomosc = QByteArrayLiteral("pokaz\n");
}  // namespace

TJednaInstancja::TJednaInstancja(const QString& klucz, QObject* rodzic) : QObject(rodzic), Klucz(klucz) {}

TJednaInstancja::~TJednaInstancja() = default;

QString TJednaInstancja::KluczDomyslny() {
  // Per user and data folder: the home folder names the user on every system, and a copy
  // given a data folder of its own (WTRYSK_FOLDER_DANYCH) is a program of its own.
  const QByteArray tozsamosc = QDir::homePath().toUtf8() + '\n' + QString::fromStdString(FolderDanychProgramu()).toUtf8();
  const QByteArray skrot = QCryptographicHash::hash(tozsamosc, QCryptographicHash::Sha1).toHex().left(12);
  return QStringLiteral("wtrysk-") + QString::fromLatin1(skrot);
}

bool TJednaInstancja::Uruchom() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  Blokada = std::make_unique<QLockFile>(folder + QLatin1Char('/') + Klucz + QStringLiteral(".lock"));
  // Held for the whole run: only a lock whose owner process is gone counts as stale, never
  // one that is merely old.
  Blokada->setStaleLockTime(0);
  if (!Blokada->tryLock(0)) {
    QLocalSocket gniazdo;
    gniazdo.connectToServer(Klucz);
    if (gniazdo.waitForConnected(CzasPolaczeniaMs)) {
      gniazdo.write(Wiadomosc);
      gniazdo.waitForBytesWritten(CzasPolaczeniaMs);
      gniazdo.disconnectFromServer();
    }
    return false;
  }
  // The socket of a copy that died may still lie there; the lock says it is ours now.
  QLocalServer::removeServer(Klucz);
  Serwer = new QLocalServer(this);
  Serwer->setSocketOptions(QLocalServer::UserAccessOption);
  connect(Serwer, &QLocalServer::newConnection, this, &TJednaInstancja::NowePolaczenie);
  Serwer->listen(Klucz);
  return true;
}

void TJednaInstancja::NowePolaczenie() {
  while (QLocalSocket* gniazdo = Serwer->nextPendingConnection()) {
    connect(gniazdo, &QLocalSocket::disconnected, gniazdo, &QObject::deleteLater);
    connect(gniazdo, &QLocalSocket::readyRead, this, [this, gniazdo] {
      if (gniazdo->readAll().contains("pokaz")) emit PokazSie();
    });
  }
}

}  // namespace wtrysk
