#pragma once

#include <string>

namespace wtrysk {

// A cheap fingerprint of the devices a port scan would find: the names in /dev, /dev/pts and
// /dev/serial/by-id, the USB devices under /dev/bus/usb, and the virtual ports in
// `folderPortow` with their targets. A device or port that comes or goes changes it. Reading it
// costs a few directory listings, where a full scan opens thousands of files, so the Port menu
// can look every second and scan only when something changed. Empty on Windows, where every
// refresh scans.
std::string SygnaturaUrzadzen(const std::string& folderPortow);

}  // namespace wtrysk
