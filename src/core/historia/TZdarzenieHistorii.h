#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "czas/TDataCzas.h"

namespace wtrysk {

// One dated event of the controller's history: when it happened and which PC wrote it.
// Stored as 11 little-endian bytes: year (2), month, day, hour, minute, second, PC code (4).
struct TZdarzenieHistorii {
  static constexpr std::size_t Rozmiar = 11;

  uint16_t Rok = 0;
  uint8_t Miesiac = 0;
  uint8_t Dzien = 0;
  uint8_t Godzina = 0;
  uint8_t Minuta = 0;
  uint8_t Sekunda = 0;
  uint32_t KodKomputera = 0;

  friend bool operator==(const TZdarzenieHistorii&, const TZdarzenieHistorii&) = default;

  // All eleven bytes zero: nothing has been recorded here.
  bool CzyPusty() const;
  // The fields form a real date and time. An empty record is not valid.
  bool CzyPoprawny() const;
  TDataCzas DataCzas() const;

  static TZdarzenieHistorii Z(const TDataCzas& kiedy, uint32_t kodKomputera);
  static TZdarzenieHistorii ZBajtow(std::span<const uint8_t, Rozmiar> bajty);
  std::array<uint8_t, Rozmiar> Bajty() const;
};

// Which way a stored time may have drifted from "now" before the record counts as stale.
enum class TKierunek { Przeszlosc, Przyszlosc, Zawsze };

// Whether a record should be overwritten with "now":
//  - a record that is not a valid date and time (an empty one included) is always stale;
//  - a PC code other than 0 that differs from the record's code drops the allowance to 0 hours;
//  - Przeszlosc: stale when now is later than the record by more than the allowance;
//    Przyszlosc: stale when now is earlier than the record by more than the allowance;
//    Zawsze: stale.
// An invalid "now" never makes a valid record stale.
bool CzyNieaktualny(const TZdarzenieHistorii& rekord, TKierunek kierunek, uint32_t kodKomputera, int godziny,
                    const TDataCzas& teraz);

}  // namespace wtrysk
