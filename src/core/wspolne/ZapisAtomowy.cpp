#include "wspolne/ZapisAtomowy.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace wtrysk {

bool ZapiszAtomowo(const std::string& sciezka, std::span<const uint8_t> bajty) {
  namespace fs = std::filesystem;
  const fs::path cel(sciezka);
  if (cel.filename().empty()) return false;
  fs::path tymczasowy = cel;
  tymczasowy += ".tmp~";
  {
    std::ofstream plik(tymczasowy, std::ios::binary | std::ios::trunc);
    if (!plik) return false;
    plik.write(reinterpret_cast<const char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
    plik.flush();
    if (!plik) {
      plik.close();
      std::error_code ignoruj;
      fs::remove(tymczasowy, ignoruj);
      return false;
    }
  }
  std::error_code blad;
  fs::rename(tymczasowy, cel, blad);
  if (blad) {
    std::error_code ignoruj;
    fs::remove(tymczasowy, ignoruj);
    return false;
  }
  return true;
}

}  // namespace wtrysk
