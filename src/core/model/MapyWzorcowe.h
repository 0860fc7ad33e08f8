#pragma once

#include "model/TNastawy.h"

namespace wtrysk {

// The default petrol/gas maps that autocalibration starts from, one cell per map index 10..255
// as in TNastawy::Mapa. MapaWzorcowaA belongs to KOLTEC injectors, MapaWzorcowaB to MATRIX and
// every later kind.
extern const TMapa MapaWzorcowaA;
extern const TMapa MapaWzorcowaB;

}  // namespace wtrysk
