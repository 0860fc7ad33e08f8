#pragma once

#include <string>

namespace wtrysk {

// A new pseudo-terminal pair. The simulator keeps the controller's end (the master) and lets
// programs open the other end by its path, as they would a serial port. The far end is held
// open here too, so that a program closing and reopening it does not end the pair.
class TPseudoTerminal {
public:
  TPseudoTerminal() = default;
  ~TPseudoTerminal();
  TPseudoTerminal(const TPseudoTerminal&) = delete;
  TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

  // Opens a pair in raw mode; false with the reason in Blad() when the system refuses.
  bool Otworz();
  int Deskryptor() const { return Master; }
  const std::string& Sciezka() const { return SciezkaSlave; }
  const std::string& Blad() const { return Opis; }

private:
  int Master = -1;
  int Slave = -1;
  std::string SciezkaSlave;
  std::string Opis;
};

}  // namespace wtrysk
