#include "link/TParserRamek.h"

namespace wtrysk {

TParserRamek::TParserRamek() : BuforOdbioru(0x10000) {}

}  // namespace wtrysk
