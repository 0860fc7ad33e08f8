#pragma once

#include <cstdint>

namespace wtrysk {

// Conversions between the values the editors show and the bytes the controller keeps. Every
// rounding is to the nearest integer with halves to even. A value beyond an editor's range
// gives the nearest byte (0 or 255) rather than wrapping round, so a stray value can never
// turn into its opposite on the wire.

// Duty-cycle limit: percent 0..100 to byte, Round(p x 255 / 100); 50 % gives 128.
uint8_t ProcentNaBajt(double procent);
// Byte to percent, Round(b x 100 / 255); 102 gives 40.
int BajtNaProcent(uint8_t bajt);

// Rpm detection threshold: volts 0..15 to byte, Round(v x 255 / 15); 7.5 V gives 128.
uint8_t NapiecieNaBajt(double wolty);
// Byte to volts, b x 15 / 255, not rounded.
double BajtNaNapiecie(uint8_t bajt);

// Per-injector correction: percent -100..+100 to byte, Round((k + 100) x 128 / 100), 128 being
// 0 %; -1 % gives 127. +100 % would be 256 and is sent as 255.
uint8_t KorektaNaBajt(double procent);
// Byte to correction percent, Round(b x 100 / 128 - 100); 0 gives -100, 255 gives 99.
int BajtNaKorekte(uint8_t bajt);

}  // namespace wtrysk
