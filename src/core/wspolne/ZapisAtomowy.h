#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace wtrysk {

// Writes the whole file or nothing: the bytes go to a temporary file in the same folder,
// which then replaces the target in one rename. A failed save never destroys the earlier
// good file. False when any step fails (the temporary file is then removed).
bool ZapiszAtomowo(const std::string& sciezka, std::span<const uint8_t> bajty);

}  // namespace wtrysk
