#pragma once

#include <string>

#include "czas/TDataCzas.h"

namespace wtrysk {

// The fixed formats the program shows a controller's build date and time in: the short date
// "dd.MM.yyyy" and the long time "HH:mm:ss" (24-hour clock, zero-padded). Until a locale
// service exists every display of a firmware date uses these two.
std::string DataKrotka(const TDataCzas& data);
std::string CzasDlugi(const TDataCzas& data);

}  // namespace wtrysk
