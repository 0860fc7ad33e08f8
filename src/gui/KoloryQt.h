#pragma once

#include <QColor>

#include "widok/Kolory.h"

namespace wtrysk {

inline QColor KolorQt(TKolorRGB k) { return QColor(k.R, k.G, k.B); }
inline QColor KolorQt(uint32_t wartoscWindows) { return KolorQt(KolorZWartosci(wartoscWindows)); }
inline uint32_t WartoscWindows(const QColor& k) {
  return WartoscKoloru({static_cast<uint8_t>(k.red()), static_cast<uint8_t>(k.green()), static_cast<uint8_t>(k.blue())});
}

}  // namespace wtrysk
