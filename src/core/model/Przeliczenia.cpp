#include "model/Przeliczenia.h"

#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

namespace {

// Rounds into a byte; below 0 (and NaN) gives 0, above 255 gives 255.
uint8_t ZaokraglijDoBajtu(double x) {
  if (!(x > 0.0)) return 0;
  if (x >= 255.0) return 255;
  return static_cast<uint8_t>(Zaokraglij(x));
}

}  // namespace

uint8_t ProcentNaBajt(double procent) { return ZaokraglijDoBajtu(procent * 255.0 / 100.0); }

int BajtNaProcent(uint8_t bajt) { return static_cast<int>(Zaokraglij(bajt * 100.0 / 255.0)); }

uint8_t NapiecieNaBajt(double wolty) { return ZaokraglijDoBajtu(wolty * 255.0 / 15.0); }

double BajtNaNapiecie(uint8_t bajt) { return bajt * 15.0 / 255.0; }

uint8_t KorektaNaBajt(double procent) {
  return ZaokraglijDoBajtu((procent + 100.0) * 128.0 / 100.0);
}

int BajtNaKorekte(uint8_t bajt) { return static_cast<int>(Zaokraglij(bajt * 100.0 / 128.0 - 100.0)); }

}  // namespace wtrysk
