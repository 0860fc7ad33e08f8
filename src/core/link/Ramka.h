#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace wtrysk {

using TTablicaByte = std::vector<uint8_t>;

inline constexpr uint8_t BajtStartu = 0xAA;

// The live-data poll: command 1 with payload [1].
inline constexpr std::array<uint8_t, 4> RamkaZapytania{170, 1, 1, 172};

// Sum of the bytes modulo 256.
uint8_t SumaKontrolna(std::span<const uint8_t> bajty);

// PC to controller: 0xAA, command, payload, checksum over everything before it.
TTablicaByte ZbudujRamkeKomendy(uint8_t kod, std::span<const uint8_t> dane);

// Controller to PC: 0xAA, total length (big-endian, every byte counted), response code,
// payload, checksum. Used by the simulator and by tests that play the controller.
TTablicaByte ZbudujRamkeOdpowiedzi(uint8_t kod, std::span<const uint8_t> dane);

}  // namespace wtrysk
