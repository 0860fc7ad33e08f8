#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace wtrysk {

// The frame layout a controller of that firmware speaks: its own number for a firmware that
// changed the layouts, otherwise the nearest lower one (22 talks like 21, 25 like 24, 27 and
// later like 26). Anything below 15 gets the oldest layout.
int UkladFirmware(int firmware);

// Bytes of the settings image a controller of that layout takes with command 26.
std::size_t DlugoscObrazuNastaw(int uklad);

// Payload bytes that follow command `kod` from the PC; none for a code this controller does
// not know. Frames from the PC carry no length, so the controller can only frame what it knows.
std::optional<std::size_t> DlugoscDanychKomendy(uint8_t kod, int uklad);

// What the front of the received bytes holds.
struct TPoczatekWejscia {
  enum class TRodzaj {
    Niepelny,  // a frame may be starting: wait for more bytes
    Odrzuc,    // drop Dlugosc bytes: noise before a start byte, or a start byte that begins no
               // valid frame (unknown command, bad checksum)
    Ramka,     // a verified command frame of Dlugosc bytes, start byte to checksum
  };
  TRodzaj Rodzaj = TRodzaj::Niepelny;
  std::size_t Dlugosc = 0;
};

// Frames a command (0xAA, code, payload, checksum) at the front of `bajty`. After a bad
// checksum or an unknown code only the start byte is dropped, so a real frame hidden behind a
// damaged one is still found.
TPoczatekWejscia RozpoznajKomende(std::span<const uint8_t> bajty, int uklad);

}  // namespace wtrysk
