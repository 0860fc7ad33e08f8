#include "historia/PokazCzas.h"

namespace wtrysk {

std::optional<TGodzinyMinutySekundy> RozlozCzas(uint32_t polsekundy) {
  if (polsekundy == 0) return std::nullopt;
  TGodzinyMinutySekundy wynik;
  uint32_t v = polsekundy;
  wynik.Godziny = v / 7200;
  v -= wynik.Godziny * 7200;
  wynik.Minuty = v / 120;
  v -= wynik.Minuty * 120;
  wynik.Sekundy = v / 2;
  return wynik;
}

TTekstyCzasu PokazCzas(uint32_t polsekundy) {
  const auto czas = RozlozCzas(polsekundy);
  if (!czas) return {};
  return {std::to_string(czas->Godziny), std::to_string(czas->Minuty), std::to_string(czas->Sekundy)};
}

}  // namespace wtrysk
