#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace wtrysk {

inline constexpr int LiczbaKomunikatow = 134;

struct TKomunikatDomyslny {
  int Numer;
  std::string_view Tekst;  // UTF-8
};

// Entry i carries number i; the build fails otherwise.
extern const std::array<TKomunikatDomyslny, LiczbaKomunikatow> KomunikatyDomyslne;

}  // namespace wtrysk
