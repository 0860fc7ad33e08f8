#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "io/StatusUsb.h"
#include "io/TUrzadzenieFtdi.h"

namespace wtrysk {
namespace {

// The libftdi device with nothing opened: every call fails with a code that maps to
// "Device not opened" or "Device not found", none touches hardware, none crashes. (A serial
// number no cable carries is looked for on the bus; nothing is opened.)
TEST(TUrzadzenieLibftdi, WithNoDeviceOpenEveryCallFailsCleanly) {
  auto urzadzenie = UtworzUrzadzenieLibftdi();
  std::array<uint8_t, 16> bufor{};
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::Czytaj, urzadzenie->Czytaj(bufor.data(), 16)), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::Pisz, urzadzenie->Pisz(bufor.data(), 4)), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::Resetuj, urzadzenie->Resetuj()), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::UstawPredkosc, urzadzenie->UstawPredkosc(9600)), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::UstawZnak, urzadzenie->UstawZnak(8, 0, 0)), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::UstawPrzeplyw, urzadzenie->UstawPrzeplyw(0, 17, 19)), StatusUsb::NieOtwarte);
  EXPECT_EQ(StatusZLibftdi(TOperacjaUsb::UstawCzasy, urzadzenie->UstawCzasy(500, 500)), StatusUsb::NieOtwarte);
  EXPECT_EQ(urzadzenie->Zamknij(), 0) << "closing with nothing open succeeds";
  EXPECT_NE(StatusZLibftdi(TOperacjaUsb::Otworz, urzadzenie->Otworz("WTRYSK-NO-SUCH-SERIAL")), StatusUsb::Ok);

  // Listing works on any machine: it finds whatever FTDI devices are there, maybe none.
  const int liczba = urzadzenie->UtworzListe();
  if (liczba >= 0) {
    std::vector<TWezelUrzadzeniaUsb> lista(static_cast<std::size_t>(liczba));
    EXPECT_EQ(urzadzenie->PobierzListe(lista), 0);
    EXPECT_EQ(lista.size(), static_cast<std::size_t>(liczba));
  }
}

}  // namespace
}  // namespace wtrysk
