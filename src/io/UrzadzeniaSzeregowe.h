#pragma once

#include <functional>
#include <string>
#include <vector>

namespace wtrysk {

// A serial device the system reports.
struct TUrzadzenieSzeregowe {
  std::string Sciezka;    // what to open: "/dev/ttyUSB0"
  // What the device is called across unplugging and restarts: "by-id:<its name under
  // /dev/serial/by-id>", else "sn:<vendor>:<product>:<serial number>", else "loc:<path>".
  std::string Tozsamosc;
};

using TWyliczanieUrzadzen = std::function<std::vector<TUrzadzenieSzeregowe>()>;

// Every serial device the system has now (ttyS, ttyUSB, ttyACM and the like), as QtSerialPort
// lists them.
std::vector<TUrzadzenieSzeregowe> UrzadzeniaSzeregoweSystemu();

}  // namespace wtrysk
