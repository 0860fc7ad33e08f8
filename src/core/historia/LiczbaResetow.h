#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wtrysk {

class TKomunikaty;

// The text of the reset-count notice: message 56 for one reset, message 57 with the count in
// decimal for more; none when the controller was never reset, and the notice is not shown.
std::optional<std::string> TekstLiczbyResetow(uint8_t liczba, const TKomunikaty& komunikaty);

}  // namespace wtrysk
