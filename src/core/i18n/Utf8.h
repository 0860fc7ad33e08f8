#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wtrysk {

// The first n characters (code points) of a UTF-8 text; never splits a character.
// Bytes that are not valid UTF-8 count as one character each.
std::string ObetnijZnaki(std::string_view tekst, std::size_t n);

// Number of characters (code points) in a UTF-8 text, counted as ObetnijZnaki counts them.
std::size_t LiczbaZnakow(std::string_view tekst);

}  // namespace wtrysk
