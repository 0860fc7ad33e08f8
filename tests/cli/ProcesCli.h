#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace wtrysk {

// wtrysk-cli run as a separate process, each test with a data folder of its own, so virtual
// ports of tests running side by side never meet.
class CliTest : public ::testing::Test {
protected:
  struct TWynik {
    int Kod = -1;
    QByteArray Wyjscie;
    QByteArray Bledy;
  };

  QProcessEnvironment Srodowisko() const {
    auto srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert("WTRYSK_FOLDER_DANYCH", Folder.path());
    return srodowisko;
  }

  // Runs a command to its end (at most `limitMs`).
  TWynik Uruchom(const QStringList& argumenty, int limitMs = 30000) const {
    QProcess proces;
    proces.setProcessEnvironment(Srodowisko());
    proces.start(WTRYSK_CLI, argumenty);
    TWynik wynik;
    if (!proces.waitForFinished(limitMs)) {
      proces.kill();
      proces.waitForFinished();
      ADD_FAILURE() << "wtrysk-cli " << argumenty.join(' ').toStdString() << " did not end within " << limitMs << " ms";
      return wynik;
    }
    wynik.Kod = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
    wynik.Wyjscie = proces.readAllStandardOutput();
    wynik.Bledy = proces.readAllStandardError();
    return wynik;
  }

  // Starts `simulate` and waits for its "COM<N> <path>" line; returns N (0 on failure).
  int StartSymulatora(const QStringList& argumenty) {
    auto proces = std::make_unique<QProcess>();
    proces->setProcessEnvironment(Srodowisko());
    proces->start(WTRYSK_CLI, QStringList{"simulate"} + argumenty);
    if (!proces->waitForStarted(5000)) return 0;
    while (!proces->canReadLine()) {
      if (!proces->waitForReadyRead(5000)) {
        BledySymulatora = proces->readAllStandardError();
        return 0;
      }
    }
    const QByteArray linia = proces->readLine().trimmed();
    Symulatory.push_back(std::move(proces));
    if (!linia.startsWith("COM")) return 0;
    return linia.mid(3, linia.indexOf(' ') - 3).toInt();
  }

  void ZatrzymajSymulatory() {
    for (auto& s : Symulatory) {
      s->terminate();
      s->waitForFinished(5000);
    }
    Symulatory.clear();
  }

  void TearDown() override { ZatrzymajSymulatory(); }

  static std::vector<QJsonObject> LinieJson(const QByteArray& wyjscie) {
    std::vector<QJsonObject> linie;
    for (const QByteArray& linia : wyjscie.split('\n')) {
      if (!linia.trimmed().isEmpty()) linie.push_back(QJsonDocument::fromJson(linia).object());
    }
    return linie;
  }

  QTemporaryDir Folder;
  QByteArray BledySymulatora;  // what a simulator that did not start said
  std::vector<std::unique_ptr<QProcess>> Symulatory;
};

}  // namespace wtrysk
