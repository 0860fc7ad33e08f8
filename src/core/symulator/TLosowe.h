#pragma once

#include <cstdint>

namespace wtrysk {

// A small pseudo-random generator (splitmix64) whose sequence depends only on its seed, on
// every platform and compiler, so a simulated run can be repeated byte for byte.
class TLosowe {
public:
  explicit TLosowe(uint64_t ziarno = 1) : Stan(ziarno) {}

  void UstawZiarno(uint64_t ziarno) { Stan = ziarno; }

  uint64_t Nastepna() {
    uint64_t z = (Stan += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // A number in [0, 1).
  double Ulamek() { return static_cast<double>(Nastepna() >> 11) * (1.0 / 9007199254740992.0); }

  // A whole number from od to do_ inclusive (od <= do_).
  int Calkowita(int od, int do_) {
    const auto zakres = static_cast<uint64_t>(static_cast<int64_t>(do_) - od + 1);
    return static_cast<int>(od + static_cast<int64_t>(Nastepna() % zakres));
  }

  // True with probability p (never for p <= 0, always for p >= 1).
  bool Zdarzenie(double p) { return p > 0.0 && Ulamek() < p; }

private:
  uint64_t Stan;
};

}  // namespace wtrysk
