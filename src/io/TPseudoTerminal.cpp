#include "io/TPseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace wtrysk {

TPseudoTerminal::~TPseudoTerminal() {
  if (Slave >= 0) ::close(Slave);
  if (Master >= 0) ::close(Master);
}

bool TPseudoTerminal::Otworz() {
  Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (Master < 0 || ::grantpt(Master) != 0 || ::unlockpt(Master) != 0) {
    Opis = std::string("no pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* nazwa = ::ptsname(Master);
  if (!nazwa) {
    Opis = std::string("no pseudo-terminal name: ") + std::strerror(errno);
    return false;
  }
  SciezkaSlave = nazwa;
  Slave = ::open(nazwa, O_RDWR | O_NOCTTY);
  if (Slave < 0) {
    Opis = "cannot open " + SciezkaSlave + ": " + std::strerror(errno);
    return false;
  }
  // Raw bytes both ways: no echo, no line editing, no translation of CR or LF.
  termios ustawienia{};
  if (::tcgetattr(Slave, &ustawienia) == 0) {
    ::cfmakeraw(&ustawienia);
    ::cfsetispeed(&ustawienia, B9600);
    ::cfsetospeed(&ustawienia, B9600);
    ::tcsetattr(Slave, TCSANOW, &ustawienia);
  }
  return true;
}

}  // namespace wtrysk
