#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace wtrysk {

// The code that stamps every history record this PC writes, so that a later connection can
// tell whether the controller's settings were last changed from another machine.
//
// On Windows it is the volume serial number of the system drive. On other systems it is a
// 32-bit FNV-1a hash of the machine's identity ("/etc/machine-id", else
// "/var/lib/dbus/machine-id"), which stays the same across reboots and program updates.
// A machine without a readable identity uses KodKomputeraZastepczy.
inline constexpr uint32_t KodKomputeraZastepczy = 0x57545259;  // "WTRY"

// The code of this machine, computed once by the caller at start-up and handed to the
// history object.
uint32_t KodTegoKomputera();

// The code from the first of the files that holds a non-blank identity; KodKomputeraZastepczy
// when none does.
uint32_t KodZPlikow(std::span<const std::string> sciezki);

// The code of one identity text; surrounding white space does not count. A text that would
// give 0, the value meaning "no PC", gives KodKomputeraZastepczy instead.
uint32_t KodZIdentyfikatora(std::string_view identyfikator);

// "0000-0000": upper-case hexadecimal of the high 16 bits, a dash, then the low 16 bits.
std::string KodKomputeraTekst(uint32_t kod);

}  // namespace wtrysk
