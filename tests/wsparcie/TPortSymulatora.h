#pragma once

#include <memory>
#include <vector>

#include "link/TPortKomunikacyjny.h"
#include "symulator/TSymulatorSterownika.h"

namespace wtrysk {

// A link to a simulated controller in the same process: what the program writes goes into the
// simulator, what the simulator sends comes back as received bytes. Driven by whatever clock
// service it is given, so a test on a virtual clock runs whole connections in microseconds.
class TPortSymulatora : public TPortKomunikacyjny {
public:
  // Answers come after this many milliseconds unless the options say otherwise, as they do
  // on a real line; an answer inside the very write that asked for it never happens there.
  static constexpr int OpoznienieDomyslneMs = 20;

  TPortSymulatora(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno,
                  TOpcjeSymulatora opcje = {});

  void Otworz() override;
  void Zamknij() override;
  int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) override;

  TSymulatorSterownika& Symulator() { return *Sym; }
  // Every write the program made, in order.
  std::vector<TTablicaByte> Zapisy;

private:
  std::unique_ptr<TSymulatorSterownika> Sym;
};

}  // namespace wtrysk
