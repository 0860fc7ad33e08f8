#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "historia/TOtoczenieHistorii.h"
#include "link/Ramka.h"

namespace wtrysk {

// History surroundings for tests: a settable firmware version, the commands sent, and the
// change warning answered from a queue (Anuluj when empty).
class TOtoczenieHistoriiNagrywajace : public TOtoczenieHistorii {
public:
  struct TKomenda {
    uint8_t Kod;
    TTablicaByte Dane;
  };

  std::optional<int> WersjaFirmware() const override { return Wersja; }
  void WyslijKomende(uint8_t kod, std::span<const uint8_t> dane) override {
    Komendy.push_back({kod, TTablicaByte(dane.begin(), dane.end())});
  }
  bool PokazOstrzezenieZmianyNastaw() override {
    ++LiczbaOstrzezen;
    if (Odpowiedzi.empty()) return false;
    const bool ok = Odpowiedzi.front();
    Odpowiedzi.pop_front();
    return ok;
  }
  void ZamknijProgram() override { ++LiczbaZamkniec; }
  void ObszarOdswiezony() override { ++LiczbaOdswiezen; }

  std::optional<int> Wersja = 24;
  std::vector<TKomenda> Komendy;
  std::deque<bool> Odpowiedzi;
  int LiczbaOstrzezen = 0;
  int LiczbaZamkniec = 0;
  int LiczbaOdswiezen = 0;
};

}  // namespace wtrysk
