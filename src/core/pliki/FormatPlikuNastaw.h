#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/TWersja15.h"

namespace wtrysk {

// A settings file (.ust), numbers low byte first:
//   0      the length of the magic text, 7
//   1..7   the magic text "Z410Ust"
//   8..10  the rest of the ten-character text field: written as zeros, ignored on reading
//   11     V, the firmware version the settings came from (the firmware's own number)
//   12..13 only when V >= 19: the lowest program minor version that firmware needs
//   then   the settings body as the handler serving firmware V writes it; firmware without a
//          class of its own (22, 25, above 26) gets the body of the nearest lower class.
inline constexpr std::string_view MagiaPlikuNastaw = "Z410Ust";
inline constexpr std::size_t DlugoscPolaMagii = 10;
inline constexpr std::size_t PozycjaWersjiPlikuNastaw = 1 + DlugoscPolaMagii;
// Firmware from this version writes the required program version into the header.
inline constexpr int WersjaZWymaganaWersjaProgramu = 19;
inline constexpr std::size_t NajdluzszyNaglowekPlikuNastaw = PozycjaWersjiPlikuNastaw + 1 + 2;

struct TNaglowekPlikuNastaw {
  uint8_t WersjaFirmware = 0;
  // None for firmware before 19, whose files do not say.
  std::optional<uint16_t> WymaganaWersjaProgramu;
  std::size_t PoczatekTresci = 0;  // 12, or 14 with the required version
};

// The whole file for settings `n` of the controller `id`, with the body written by `wersja`,
// the handler serving that controller.
std::vector<uint8_t> ZbudujPlikNastaw(const TIdentyfikacjaSterownika& id, const TWersja15& wersja,
                                      const TNastawy& n);

// The header at the start of `bajty`; none when it is not a settings file's header: the
// length byte is not exactly 7, the magic text differs, or the file ends before the version
// byte or inside the required program version.
std::optional<TNaglowekPlikuNastaw> CzytajNaglowekPlikuNastaw(std::span<const uint8_t> bajty);

// The handler that reads the body of a file from firmware `v` needing program version
// `wymagana`: v's own class or the nearest lower one down to 15. None when there is no such
// class or when the file needs a newer program than `wersjaProgramu`.
std::unique_ptr<TWersja15> WersjaDlaPlikuNastaw(int v, int wymagana, int wersjaProgramu = WersjaProgramuMinor);

}  // namespace wtrysk
