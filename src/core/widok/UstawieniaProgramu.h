#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace wtrysk {

// The program's own settings, kept in "ustawienia.dat" as one binary record of 112 bytes,
// integers little-endian:
//
//   0   51  language file name: a length byte (0..50) and the characters
//   51   1  padding
//   52   4  tag of the chosen port (signed)
//   56  40  ten channel colours (Windows colour values, red in the low byte): rpm, gas
//           pressure, manifold pressure, lambda 1, supply voltage, petrol time, gas time, gas
//           temperature, reducer temperature, lambda 2
//   96  10  the same ten channels' switches, 0 or 1
//   106  2  padding
//   108  4  height of the panel under the map, in percent of the map page (signed)
struct TUstawieniaProgramu {
  static constexpr std::size_t Rozmiar = 112;
  static constexpr std::size_t NajdluzszaNazwaJezyka = 50;  // bytes
  static constexpr int LiczbaKanalow = 10;

  std::string PlikJezyka;  // empty: no language file
  int32_t WybranyPort = 0;
  std::array<uint32_t, LiczbaKanalow> KoloryKanalow{};
  std::array<bool, LiczbaKanalow> WidocznoscKanalow{};
  int32_t PodzialMapy = 50;

  friend bool operator==(const TUstawieniaProgramu&, const TUstawieniaProgramu&) = default;
};

inline constexpr const char* NazwaPlikuUstawien = "ustawienia.dat";
inline constexpr const char* PlikJezykaWloskiego = "Italian.lng";
inline constexpr const char* PlikJezykaAngielskiego = "English.lng";
inline constexpr int32_t PodzialMapyDomyslny = 50;

// The channels' colours and switches as the oscilloscope is designed: red, green, olive,
// fuchsia, olive, blue, green, maroon, orange, purple; every channel shown.
extern const std::array<uint32_t, TUstawieniaProgramu::LiczbaKanalow> KoloryKanalowDomyslne;

// The settings of a first start: "Italian.lng" when that language file is present, else
// "English.lng"; the first entry of the Port menu (none: tag 0); the design colours and
// switches; the map split at half.
TUstawieniaProgramu UstawieniaDomyslne(bool jestJezykWloski, std::optional<int32_t> pierwszyPort);

// The 112 bytes of the record. A language name longer than 50 bytes is cut at the last whole
// UTF-8 character that fits.
std::array<uint8_t, TUstawieniaProgramu::Rozmiar> ZapiszRekordUstawien(const TUstawieniaProgramu& u);

// The record from the first 112 bytes; none when there are fewer. A length byte above 50
// takes 50 characters; a switch byte other than 0 counts as on.
std::optional<TUstawieniaProgramu> CzytajRekordUstawien(std::span<const uint8_t> bajty);

// The file read: the record, or none when the file is missing, cannot be read or is short.
std::optional<TUstawieniaProgramu> CzytajPlikUstawien(const std::string& sciezka);

// Writes the record whole or not at all (temporary file, then rename); false on failure, and
// the earlier file is then left as it was.
bool ZapiszPlikUstawien(const std::string& sciezka, const TUstawieniaProgramu& u);

}  // namespace wtrysk
