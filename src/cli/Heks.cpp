#include "Heks.h"

#include <cctype>

namespace wtrysk {

namespace {
int Cyfra(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::optional<TTablicaByte> CzytajHeks(std::string_view tekst) {
  if (tekst.size() >= 2 && tekst[0] == '0' && (tekst[1] == 'x' || tekst[1] == 'X')) tekst.remove_prefix(2);
  TTablicaByte wynik;
  int polowa = -1;
  for (char c : tekst) {
    if (c == ' ' || c == ':' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
      if (polowa >= 0) return std::nullopt;  // a separator inside a pair
      continue;
    }
    const int cyfra = Cyfra(c);
    if (cyfra < 0) return std::nullopt;
    if (polowa < 0) {
      polowa = cyfra;
    } else {
      wynik.push_back(static_cast<uint8_t>(polowa << 4 | cyfra));
      polowa = -1;
    }
  }
  if (polowa >= 0) return std::nullopt;
  return wynik;
}

std::string NaHeks(std::span<const uint8_t> bajty) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  std::string wynik;
  wynik.reserve(bajty.size() * 2);
  for (uint8_t b : bajty) {
    wynik += Cyfry[b >> 4];
    wynik += Cyfry[b & 0x0F];
  }
  return wynik;
}

std::string SprawdzRamke(std::span<const uint8_t> ramka) {
  if (ramka.size() < 4) return "a frame has at least 4 bytes, this one has " + std::to_string(ramka.size());
  if (ramka[0] != BajtStartu) return "a frame starts with AA";
  const std::size_t dlugosc = static_cast<std::size_t>(ramka[1]) << 8 | ramka[2];
  if (dlugosc != ramka.size()) {
    return "the frame declares " + std::to_string(dlugosc) + " bytes but has " + std::to_string(ramka.size());
  }
  if (SumaKontrolna(ramka.first(ramka.size() - 1)) != ramka.back()) return "bad checksum";
  return {};
}

}  // namespace wtrysk
