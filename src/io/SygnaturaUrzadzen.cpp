#include "io/SygnaturaUrzadzen.h"

#include <filesystem>
#include <system_error>

namespace wtrysk {

namespace {
namespace fs = std::filesystem;

void DopiszFolder(const fs::path& folder, std::string& sygnatura, bool zCelami) {
  std::error_code blad;
  sygnatura += folder.string();
  sygnatura += ':';
  for (fs::directory_iterator it(folder, blad), koniec; !blad && it != koniec; it.increment(blad)) {
    sygnatura += it->path().filename().string();
    if (zCelami) {
      std::error_code bladCelu;
      const fs::path cel = fs::read_symlink(it->path(), bladCelu);
      if (!bladCelu) {
        sygnatura += '>';
        sygnatura += cel.string();
        // A link whose target went away gives no port.
        sygnatura += fs::exists(it->path(), bladCelu) ? '+' : '-';
      }
    }
    sygnatura += '\n';
  }
  sygnatura += ';';
}
}  // namespace

std::string SygnaturaUrzadzen(const std::string& folderPortow) {
#ifdef _WIN32
  (void)folderPortow;
  return {};
#else
  std::string sygnatura;
  DopiszFolder("/dev", sygnatura, false);
  DopiszFolder("/dev/pts", sygnatura, false);
  DopiszFolder("/dev/serial/by-id", sygnatura, true);
  std::error_code blad;
  for (fs::directory_iterator it("/dev/bus/usb", blad), koniec; !blad && it != koniec; it.increment(blad)) {
    DopiszFolder(it->path(), sygnatura, false);
  }
  DopiszFolder(folderPortow, sygnatura, true);
  return sygnatura;
#endif
}

}  // namespace wtrysk
