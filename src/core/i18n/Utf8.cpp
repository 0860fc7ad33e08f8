#include "i18n/Utf8.h"

namespace wtrysk {

namespace {
// Length of the character starting at tekst[i]: a well-formed multi-byte sequence counts
// as one character, any stray byte as one.
std::size_t DlugoscZnaku(std::string_view tekst, std::size_t i) {
  const auto b = static_cast<unsigned char>(tekst[i]);
  std::size_t n = 1;
  if (b >= 0xC2 && b <= 0xDF) n = 2;
  else if (b >= 0xE0 && b <= 0xEF) n = 3;
  else if (b >= 0xF0 && b <= 0xF4) n = 4;
  if (n == 1 || i + n > tekst.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(tekst[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}
}  // namespace

std::string ObetnijZnaki(std::string_view tekst, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t znaki = 0; i < tekst.size() && znaki < n; ++znaki) i += DlugoscZnaku(tekst, i);
  return std::string(tekst.substr(0, i));
}

std::size_t LiczbaZnakow(std::string_view tekst) {
  std::size_t znaki = 0;
  for (std::size_t i = 0; i < tekst.size(); ++znaki) i += DlugoscZnaku(tekst, i);
  return znaki;
}

}  // namespace wtrysk
