#pragma once

#include <QString>

namespace wtrysk {

// The branding table: the name, colours and contact lines of whoever distributes the program.
// Issuing the program under another name means replacing this table alone.
//   0 product name, 1 application title (also the start of the window caption),
//   2 About-box side panel colour ("$BBGGRR"), 3 title, 4 subtitle, 5 company, 6 street,
//   7 postcode and town, 8 country, 9 address colour ("$BBGGRR"), 10 web address without
//   scheme, 11 e-mail address, 12 telephone.
QString TekstMarki(int id);

inline constexpr int MarkaNazwaProduktu = 0;
inline constexpr int MarkaTytulAplikacji = 1;

// The program's version, major.minor.release.build.
QString WersjaProgramu();

}  // namespace wtrysk
