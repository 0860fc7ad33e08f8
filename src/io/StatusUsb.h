#pragma once

#include <string>

namespace wtrysk {

// The operations of the FTDI wrapper, each with the label its failure report carries.
enum class TOperacjaUsb {
  Otworz,
  Zamknij,
  Czytaj,
  Pisz,
  Resetuj,
  UstawPredkosc,
  UstawZnak,
  UstawPrzeplyw,
  UstawCzasy,
  StanKolejki,
  UtworzListe,
  PobierzListe,
};

// Status numbers of the FTDI wrapper, the ones the failure texts are written for.
namespace StatusUsb {
inline constexpr int Ok = 0;
inline constexpr int ZlyUchwyt = 1;
inline constexpr int BrakUrzadzenia = 2;
inline constexpr int NieOtwarte = 3;
inline constexpr int BladWeWy = 4;
inline constexpr int BrakZasobow = 5;
inline constexpr int ZlyParametr = 6;
inline constexpr int ZlaPredkosc = 7;
inline constexpr int NieZapisano = 10;
inline constexpr int ZleArgumenty = 16;
inline constexpr int InnyBlad = 17;
}  // namespace StatusUsb

// The label of an operation's failure report, such as "FT_Read".
const char* EtykietaOperacjiUsb(TOperacjaUsb operacja);

// Turns what a libftdi call returned into a wrapper status. libftdi numbers its failures per
// function (-3 is "device not found" when opening but "device unavailable" when setting the
// speed), and reads pass libusb's codes through; every failure is mapped by what it means for
// that operation. A result of 0 or more is success (reads, writes and the device count return
// a number of bytes or devices). A failure without a better match is 17, "Other error".
int StatusZLibftdi(TOperacjaUsb operacja, int kod);

// The text of a failure report: the label followed by the status text, for example
// "FT_Read - Device not found...". A status without a text of its own shows its number.
std::string TekstBleduUsb(const std::string& etykieta, int status);

}  // namespace wtrysk
