#include "io/TPortCOM.h"

#include <QObject>
#include <QSerialPort>
#include <utility>

namespace wtrysk {

namespace {

// Errors that mean the line is gone (the adapter was pulled, the other end of a
// pseudo-terminal closed). Anything else, such as a pseudo-terminal refusing to set DTR or
// RTS ("Inappropriate ioctl for device"), leaves the link as it is.
bool CzyAwariaLinii(QSerialPort::SerialPortError blad) {
  return blad == QSerialPort::ResourceError || blad == QSerialPort::ReadError || blad == QSerialPort::WriteError;
}

}  // namespace

void TPortCOM::TUsunPozniej::operator()(QSerialPort* port) const {
  // The port may be inside one of its own signals right now (a received frame can end in a
  // close); it is freed once control is back in the event loop.
  if (port) port->deleteLater();
}

int TPortCOM::NumerDoOtwarcia(int numer) {
  if (numer < 1) return 0;
  return numer > NajwyzszyNumer ? NajwyzszyNumer : numer;
}

TPortCOM::TPortCOM(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno, int numer,
                   TSciezkaPortu sciezkaPortu)
    : TPortKomunikacyjny(czas, komunikaty, okno),
      Numer(NumerDoOtwarcia(numer)),
      SciezkaPortu(std::move(sciezkaPortu)),
      Straznik(std::make_unique<QObject>()),
      Port(new QSerialPort) {
  QObject::connect(Port.get(), &QSerialPort::readyRead, Straznik.get(), [this] { Odebrano(); });
  QObject::connect(Port.get(), &QSerialPort::errorOccurred, Straznik.get(),
                   [this](QSerialPort::SerialPortError blad) { BladPortu(blad); });
}

TPortCOM::~TPortCOM() {
  Straznik.reset();  // no more signals or deferred calls into this object
  if (Port->isOpen()) Port->close();
}

bool TPortCOM::Otwarty() const { return Port->isOpen(); }

void TPortCOM::Otworz() {
  if (!Polaczony() && !Port->isOpen()) {
    UstawPolaczony(true);
    AwariaZgloszona = false;
    const std::optional<std::string> sciezka = (Numer > 0 && SciezkaPortu) ? SciezkaPortu(Numer) : std::nullopt;
    SciezkaOtwarta = sciezka.value_or(std::string());
    if (sciezka) {
      Port->setPortName(QString::fromStdString(*sciezka));
      Port->setBaudRate(Predkosc);
      Port->setDataBits(QSerialPort::Data8);
      Port->setParity(QSerialPort::NoParity);
      Port->setStopBits(QSerialPort::OneStop);
      Port->setFlowControl(QSerialPort::NoFlowControl);
      if (Port->open(QIODevice::ReadWrite)) {
        // The system raises DTR when a tty opens; it goes down at once. RTS stays on. A
        // pseudo-terminal has neither line and refuses both, which is harmless.
        Port->setDataTerminalReady(false);
        Port->setRequestToSend(true);
        Port->clear(QSerialPort::AllDirections);
      }
      Port->clearError();
    }
  }
  TPortKomunikacyjny::Otworz();
}

void TPortCOM::Zamknij() {
  if (Port->isOpen()) Port->close();
  TPortKomunikacyjny::Zamknij();
}

int TPortCOM::ZapiszBajty(const uint8_t* bajty, std::size_t liczba) {
  if (!Port->isOpen() || AwariaZgloszona) return 0;
  const qint64 zapisane = Port->write(reinterpret_cast<const char*>(bajty), static_cast<qint64>(liczba));
  return zapisane > 0 ? static_cast<int>(zapisane) : 0;
}

void TPortCOM::Odebrano() {
  const QByteArray dane = Port->readAll();
  if (dane.isEmpty() || !Polaczony() || !Port->isOpen()) return;
  OdbierzBajty(reinterpret_cast<const uint8_t*>(dane.constData()), static_cast<std::size_t>(dane.size()));
}

void TPortCOM::BladPortu(int blad) {
  if (!CzyAwariaLinii(static_cast<QSerialPort::SerialPortError>(blad)) || !Port->isOpen() || AwariaZgloszona) return;
  // The error may come from inside a write the send tick is making; the link is closed
  // after that returns, once, as if the controller had stopped answering.
  AwariaZgloszona = true;
  QMetaObject::invokeMethod(
      Straznik.get(),
      [this] {
        if (Polaczony()) {
          BrakOdpowiedzi();
        } else if (Port->isOpen()) {
          Port->close();
        }
      },
      Qt::QueuedConnection);
}

}  // namespace wtrysk
