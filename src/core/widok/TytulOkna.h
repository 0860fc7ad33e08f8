#pragma once

#include <string>
#include <string_view>

namespace wtrysk {

// The program's version as major.minor.release.build, e.g. "1.14.0.0".
std::string WersjaProgramuTekst(int major, int minor, int wydanie, int kompilacja);

// The main window's caption: the application title, four blanks, the version and a blank.
std::string TytulOkna(std::string_view tytulAplikacji, std::string_view wersja);

}  // namespace wtrysk
