#pragma once

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace wtrysk {

// A pseudo-terminal standing in for a serial cable: the program under test opens Sciezka()
// like a serial port, the test plays the far end through the master side. The master is
// non-blocking: Czytaj takes what has arrived and never waits.
class TPseudoTerminalTestowy {
public:
  TPseudoTerminalTestowy() {
    int podrzedny = -1;
    std::array<char, 256> nazwa{};
    if (openpty(&Glowny, &podrzedny, nazwa.data(), nullptr, nullptr) != 0) return;
    Nazwa = nazwa.data();
    // Raw bytes both ways, nothing echoed or translated before the program sets the line up.
    termios ustawienia{};
    tcgetattr(podrzedny, &ustawienia);
    cfmakeraw(&ustawienia);
    tcsetattr(podrzedny, TCSANOW, &ustawienia);
    close(podrzedny);
    fcntl(Glowny, F_SETFL, fcntl(Glowny, F_GETFL) | O_NONBLOCK);
  }
  ~TPseudoTerminalTestowy() { ZamknijGlowny(); }
  TPseudoTerminalTestowy(const TPseudoTerminalTestowy&) = delete;
  TPseudoTerminalTestowy& operator=(const TPseudoTerminalTestowy&) = delete;

  bool Gotowy() const { return Glowny >= 0 && !Nazwa.empty(); }
  // The device path the program opens: "/dev/pts/N".
  const std::string& Sciezka() const { return Nazwa; }

  // Bytes the program wrote since the last call.
  std::vector<uint8_t> Czytaj() {
    std::vector<uint8_t> wynik;
    std::array<uint8_t, 4096> bufor{};
    for (;;) {
      const ssize_t n = Glowny >= 0 ? read(Glowny, bufor.data(), bufor.size()) : -1;
      if (n <= 0) break;
      wynik.insert(wynik.end(), bufor.begin(), bufor.begin() + n);
    }
    return wynik;
  }
  // Bytes for the program to receive.
  bool Pisz(const std::vector<uint8_t>& bajty) {
    return Glowny >= 0 && write(Glowny, bajty.data(), bajty.size()) == static_cast<ssize_t>(bajty.size());
  }
  // The line settings the program made (the master side sees the slave's settings).
  termios Ustawienia() const {
    termios t{};
    tcgetattr(Glowny, &t);
    return t;
  }
  // The far end goes away, like a cable pulled out.
  void ZamknijGlowny() {
    if (Glowny >= 0) close(Glowny);
    Glowny = -1;
  }

private:
  int Glowny = -1;
  std::string Nazwa;
};

}  // namespace wtrysk
