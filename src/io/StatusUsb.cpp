#include "io/StatusUsb.h"

#include <array>

namespace wtrysk {

namespace {

// libusb's error codes, which libftdi passes through from its reads.
constexpr int LibusbBladWeWy = -1;
constexpr int LibusbZlyParametr = -2;
constexpr int LibusbBrakDostepu = -3;
constexpr int LibusbBrakUrzadzenia = -4;
constexpr int LibusbNieZnaleziono = -5;
constexpr int LibusbZajete = -6;
constexpr int LibusbCzasMinal = -7;
constexpr int LibusbPrzepelnienie = -8;
constexpr int LibusbPotok = -9;
constexpr int LibusbPrzerwano = -10;
constexpr int LibusbBrakPamieci = -11;
constexpr int LibusbNieObslugiwane = -12;

// libftdi's "USB device unavailable": the context has no open device.
constexpr int FtdiBrakOtwartegoUrzadzenia = -666;

int StatusOdczytu(int kod) {
  switch (kod) {
    case FtdiBrakOtwartegoUrzadzenia: return StatusUsb::NieOtwarte;
    case LibusbBrakUrzadzenia:
    case LibusbNieZnaleziono: return StatusUsb::BrakUrzadzenia;
    case LibusbZlyParametr: return StatusUsb::ZlyParametr;
    case LibusbBrakPamieci: return StatusUsb::BrakZasobow;
    case LibusbBladWeWy:
    case LibusbBrakDostepu:
    case LibusbZajete:
    case LibusbCzasMinal:
    case LibusbPrzepelnienie:
    case LibusbPotok:
    case LibusbPrzerwano: return StatusUsb::BladWeWy;
    case LibusbNieObslugiwane:
    default: return StatusUsb::InnyBlad;
  }
}

int StatusOtwarcia(int kod) {
  switch (kod) {
    case -3: return StatusUsb::BrakUrzadzenia;     // no device with that serial number
    case -4:                                        // libusb could not open it
    case -5: return StatusUsb::NieOtwarte;          // claimed by another program
    case -6:                                        // reset failed
    case -8:                                        // description unreadable
    case -9:                                        // serial number unreadable
    case -10:                                       // could not close it again
    case -13: return StatusUsb::BladWeWy;           // device descriptor or latency timer
    case -7: return StatusUsb::ZlaPredkosc;         // default speed refused
    case -11: return StatusUsb::ZlyUchwyt;          // no libftdi context
    case -12: return StatusUsb::BrakZasobow;        // the USB device list could not be made
    default: return StatusUsb::InnyBlad;
  }
}

}  // namespace

const char* EtykietaOperacjiUsb(TOperacjaUsb operacja) {
  switch (operacja) {
    case TOperacjaUsb::Otworz: return "Open_USB_Device_By_Serial_Number";
    case TOperacjaUsb::Zamknij: return "FT_Close";
    case TOperacjaUsb::Czytaj: return "FT_Read";
    case TOperacjaUsb::Pisz: return "FT_Write";
    case TOperacjaUsb::Resetuj: return "FT_ResetDevice";
    case TOperacjaUsb::UstawPredkosc: return "FT_SetBaudRate";
    case TOperacjaUsb::UstawZnak: return "FT_SetDataCharacteristics";
    case TOperacjaUsb::UstawPrzeplyw: return "FT_SetFlowControl";
    case TOperacjaUsb::UstawCzasy: return "FT_SetTimeouts";
    case TOperacjaUsb::StanKolejki: return "FT_GetQueueStatus";
    case TOperacjaUsb::UtworzListe: return "FT_CreateDeviceInfoList";
    case TOperacjaUsb::PobierzListe: return "FT_GetDeviceInfoList";
  }
  return "";
}

int StatusZLibftdi(TOperacjaUsb operacja, int kod) {
  if (kod >= 0) return StatusUsb::Ok;
  switch (operacja) {
    case TOperacjaUsb::Otworz:
      return StatusOtwarcia(kod);

    case TOperacjaUsb::Zamknij:  // ftdi_usb_close
      if (kod == -1) return StatusUsb::BladWeWy;   // interface could not be released
      if (kod == -3) return StatusUsb::ZlyUchwyt;  // no context
      return StatusUsb::InnyBlad;

    case TOperacjaUsb::Czytaj:
    case TOperacjaUsb::StanKolejki:  // both read what the device has sent
      return StatusOdczytu(kod);

    case TOperacjaUsb::Pisz:  // ftdi_write_data
      if (kod == FtdiBrakOtwartegoUrzadzenia) return StatusUsb::NieOtwarte;
      if (kod == -1) return StatusUsb::NieZapisano;  // the bulk transfer failed
      return StatusUsb::InnyBlad;

    case TOperacjaUsb::UstawPredkosc:  // ftdi_set_baudrate
      if (kod == -1) return StatusUsb::ZlaPredkosc;
      if (kod == -2) return StatusUsb::BladWeWy;
      if (kod == -3) return StatusUsb::NieOtwarte;
      return StatusUsb::InnyBlad;

    case TOperacjaUsb::Resetuj:        // ftdi_usb_reset
    case TOperacjaUsb::UstawZnak:      // ftdi_set_line_property
    case TOperacjaUsb::UstawPrzeplyw:  // ftdi_setflowctrl, ftdi_setflowctrl_xonxoff
    case TOperacjaUsb::UstawCzasy:     // the transfer time-outs of the context
      if (kod == -1) return StatusUsb::BladWeWy;
      if (kod == -2) return StatusUsb::NieOtwarte;
      return StatusUsb::InnyBlad;

    case TOperacjaUsb::UtworzListe:  // ftdi_usb_find_all
      if (kod == -3) return StatusUsb::BrakZasobow;  // out of memory
      if (kod == -5 || kod == -6) return StatusUsb::BladWeWy;
      return StatusUsb::InnyBlad;

    case TOperacjaUsb::PobierzListe:  // ftdi_usb_get_strings
      if (kod == -1) return StatusUsb::ZleArgumenty;
      if (kod == -4) return StatusUsb::NieOtwarte;
      if (kod == -7 || kod == -8 || kod == -9 || kod == -11) return StatusUsb::BladWeWy;
      return StatusUsb::InnyBlad;
  }
  return StatusUsb::InnyBlad;
}

std::string TekstBleduUsb(const std::string& etykieta, int status) {
  static constexpr std::array<const char*, 18> Teksty{
      "",
      " - Invalid handle...",
      " - Device not found...",
      " - Device not opened...",
      " - General IO error...",
      " - Insufficient resources...",
      " - Invalid parameter...",
      " - Invalid baud rate...",
      " Device not opened for erase...",
      " Device not opened for write...",
      " - Failed to write...",
      " - EEPROM read failed...",
      " - EEPROM write failed...",
      " - EEPROM erase failed...",
      " - EEPROM not present...",
      " - EEPROM not programmed...",
      " - Invalid arguments...",
      " - Other error ...",
  };
  if (status >= 1 && status < static_cast<int>(Teksty.size())) return etykieta + Teksty[static_cast<std::size_t>(status)];
  return etykieta + " - status " + std::to_string(status);
}

}  // namespace wtrysk
