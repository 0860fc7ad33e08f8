#include "TSygnalyZamkniecia.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace wtrysk {

namespace {

// The signal handler may only write a byte; the event loop reads it.
int Gniazda[2] = {-1, -1};

void ObsluzSygnal(int) {
  const char bajt = 1;
  [[maybe_unused]] const auto zapisano = ::write(Gniazda[0], &bajt, 1);
}

}  // namespace

TSygnalyZamkniecia::TSygnalyZamkniecia(QObject* rodzic) : QObject(rodzic) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Gniazda) != 0) return;
  Powiadamiacz = new QSocketNotifier(Gniazda[1], QSocketNotifier::Read, this);
  connect(Powiadamiacz, &QSocketNotifier::activated, this, &TSygnalyZamkniecia::Odczytaj);
  struct sigaction akcja {};
  akcja.sa_handler = ObsluzSygnal;
  sigemptyset(&akcja.sa_mask);
  akcja.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &akcja, nullptr);
  ::sigaction(SIGINT, &akcja, nullptr);
}

TSygnalyZamkniecia::~TSygnalyZamkniecia() {
  if (!Powiadamiacz) return;
  struct sigaction domyslna {};
  domyslna.sa_handler = SIG_DFL;
  sigemptyset(&domyslna.sa_mask);
  ::sigaction(SIGTERM, &domyslna, nullptr);
  ::sigaction(SIGINT, &domyslna, nullptr);
  delete Powiadamiacz;
  Powiadamiacz = nullptr;
  ::close(Gniazda[0]);
  ::close(Gniazda[1]);
  Gniazda[0] = Gniazda[1] = -1;
}

void TSygnalyZamkniecia::Odczytaj() {
  char bajt = 0;
  [[maybe_unused]] const auto przeczytano = ::read(Gniazda[1], &bajt, 1);
  emit Zamknij();
}

}  // namespace wtrysk
