#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace wtrysk {

// Counted reads from a file held in memory, numbers low byte first. A read that would pass
// the end reads nothing and leaves its target as it was, so a short file fills only the
// fields it carries.
class TCzytnikPliku {
public:
  explicit TCzytnikPliku(std::span<const uint8_t> bajty, std::size_t pozycja = 0) : Bajty(bajty), Poz(pozycja) {}

  template <typename T>
  void Czytaj(T& pole) {
    static_assert(sizeof(T) <= 4);
    if (Pozostalo() < sizeof(T)) {
      Poz = Bajty.size();
      return;
    }
    uint32_t w = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) w |= static_cast<uint32_t>(Bajty[Poz + i]) << (8 * i);
    Poz += sizeof(T);
    pole = static_cast<T>(w);
  }
  void Czytaj(bool& pole) {
    uint8_t b = pole ? 1 : 0;
    Czytaj(b);
    pole = b != 0;
  }
  // An array field is read element by element: a file that ends inside it fills its head.
  template <typename T, std::size_t N>
  void Czytaj(std::array<T, N>& pola) {
    for (auto& p : pola) Czytaj(p);
  }

  std::size_t Pozycja() const { return Poz; }
  std::size_t Pozostalo() const { return Poz < Bajty.size() ? Bajty.size() - Poz : 0; }

private:
  std::span<const uint8_t> Bajty;
  std::size_t Poz;
};

// Appends numbers low byte first.
class TPisarzPliku {
public:
  template <typename T>
  void Pisz(T wartosc) {
    static_assert(sizeof(T) <= 4);
    const auto w = static_cast<uint32_t>(wartosc);
    for (std::size_t i = 0; i < sizeof(T); ++i) Bajty.push_back(static_cast<uint8_t>(w >> (8 * i)));
  }
  void Pisz(bool wartosc) { Bajty.push_back(wartosc ? 1 : 0); }
  template <typename T, std::size_t N>
  void Pisz(const std::array<T, N>& pola) {
    for (const auto& p : pola) Pisz(p);
  }

  std::vector<uint8_t> Bajty;
};

}  // namespace wtrysk
