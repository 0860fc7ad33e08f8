#include "io/StatusUsb.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wtrysk {
namespace {

using O = TOperacjaUsb;

struct TPrzypadekStatusu {
  O Operacja;
  int Kod;  // what libftdi returned
  int Status;
  const char* Znaczenie;
};

TEST(StatusZLibftdi, MapsEachCallsOwnCodesToTheStatusThatSaysWhatHappened) {
  const std::vector<TPrzypadekStatusu> przypadki{
      // Success: 0, or a count of bytes or devices.
      {O::Otworz, 0, 0, "opened"},
      {O::Czytaj, 0, 0, "nothing there"},
      {O::Czytaj, 17, 0, "17 bytes read"},
      {O::Pisz, 4, 0, "4 bytes written"},
      {O::UtworzListe, 3, 0, "3 devices"},
      // Opening: ftdi_usb_open_desc.
      {O::Otworz, -3, 2, "no device with that serial number"},
      {O::Otworz, -4, 3, "libusb could not open it"},
      {O::Otworz, -5, 3, "claimed by another program"},
      {O::Otworz, -6, 4, "reset failed"},
      {O::Otworz, -7, 7, "default speed refused"},
      {O::Otworz, -8, 4, "description unreadable"},
      {O::Otworz, -9, 4, "serial number unreadable"},
      {O::Otworz, -11, 1, "no context"},
      {O::Otworz, -12, 5, "no USB device list"},
      // Closing: ftdi_usb_close.
      {O::Zamknij, -1, 4, "interface not released"},
      {O::Zamknij, -3, 1, "no context"},
      // Reading passes libusb's codes through.
      {O::Czytaj, -666, 3, "nothing open"},
      {O::Czytaj, -4, 2, "the cable was pulled"},
      {O::Czytaj, -1, 4, "transfer failed"},
      {O::Czytaj, -7, 4, "time-out"},
      {O::Czytaj, -11, 5, "out of memory"},
      {O::StanKolejki, -666, 3, "nothing open"},
      {O::StanKolejki, -4, 2, "the cable was pulled"},
      // Writing: ftdi_write_data.
      {O::Pisz, -666, 3, "nothing open"},
      {O::Pisz, -1, 10, "bulk write failed"},
      // Setters: the same number means different things in different calls.
      {O::UstawPredkosc, -1, 7, "speed not possible"},
      {O::UstawPredkosc, -2, 4, "speed not set"},
      {O::UstawPredkosc, -3, 3, "nothing open"},
      {O::UstawZnak, -1, 4, "line not set"},
      {O::UstawZnak, -2, 3, "nothing open"},
      {O::UstawPrzeplyw, -1, 4, "flow control not set"},
      {O::UstawPrzeplyw, -2, 3, "nothing open"},
      {O::Resetuj, -1, 4, "reset failed"},
      {O::Resetuj, -2, 3, "nothing open"},
      {O::UstawCzasy, -2, 3, "nothing open"},
      // The device list.
      {O::UtworzListe, -3, 5, "out of memory"},
      {O::UtworzListe, -5, 4, "libusb device list failed"},
      {O::PobierzListe, -1, 16, "wrong arguments"},
      {O::PobierzListe, -4, 3, "device could not be opened"},
      {O::PobierzListe, -9, 4, "serial number unreadable"},
      // Anything unknown.
      {O::Otworz, -99, 17, "unknown"},
      {O::Czytaj, -127, 17, "libftdi's 'never reached'"},
      {O::Pisz, -4, 17, "not a code of the write"},
      {O::UstawZnak, -7, 17, "unknown"},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(StatusZLibftdi(p.Operacja, p.Kod), p.Status)
        << EtykietaOperacjiUsb(p.Operacja) << " returning " << p.Kod << " (" << p.Znaczenie << ")";
  }
}

TEST(StatusZLibftdi, EveryOperationHasItsLabel) {
  const std::vector<std::pair<O, std::string>> etykiety{
      {O::Otworz, "Open_USB_Device_By_Serial_Number"},
      {O::Zamknij, "FT_Close"},
      {O::Czytaj, "FT_Read"},
      {O::Pisz, "FT_Write"},
      {O::Resetuj, "FT_ResetDevice"},
      {O::UstawPredkosc, "FT_SetBaudRate"},
      {O::UstawZnak, "FT_SetDataCharacteristics"},
      {O::UstawPrzeplyw, "FT_SetFlowControl"},
      {O::UstawCzasy, "FT_SetTimeouts"},
      {O::StanKolejki, "FT_GetQueueStatus"},
      {O::UtworzListe, "FT_CreateDeviceInfoList"},
      {O::PobierzListe, "FT_GetDeviceInfoList"},
  };
  for (const auto& [operacja, etykieta] : etykiety) EXPECT_EQ(EtykietaOperacjiUsb(operacja), etykieta);
}

TEST(TekstBleduUsb, AppendsTheStatusTextToTheLabel) {
  const std::vector<std::string> teksty{
      "L - Invalid handle...",
      "L - Device not found...",
      "L - Device not opened...",
      "L - General IO error...",
      "L - Insufficient resources...",
      "L - Invalid parameter...",
      "L - Invalid baud rate...",
      "L Device not opened for erase...",
      "L Device not opened for write...",
      "L - Failed to write...",
      "L - EEPROM read failed...",
      "L - EEPROM write failed...",
      "L - EEPROM erase failed...",
      "L - EEPROM not present...",
      "L - EEPROM not programmed...",
      "L - Invalid arguments...",
      "L - Other error ...",
  };
  for (int status = 1; status <= 17; ++status) {
    EXPECT_EQ(TekstBleduUsb("L", status), teksty[static_cast<std::size_t>(status - 1)]) << "status " << status;
  }
  // A status without a text of its own still says where and what.
  EXPECT_EQ(TekstBleduUsb("FT_Read", 18), "FT_Read - status 18");
}

}  // namespace
}  // namespace wtrysk
