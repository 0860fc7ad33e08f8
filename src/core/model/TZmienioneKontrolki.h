#pragma once

#include <string>
#include <vector>

namespace wtrysk {

// The main-window controls that the connected firmware's handler showed, hid or enabled, by
// component name, so that the next connection can put the window back as it was designed.
struct TZmienioneKontrolki {
  std::vector<std::string> KontrolkiPokazane;
  std::vector<std::string> KontrolkiUkryte;
  std::vector<std::string> KontrolkiWlaczone;

  bool Puste() const {
    return KontrolkiPokazane.empty() && KontrolkiUkryte.empty() && KontrolkiWlaczone.empty();
  }
};

}  // namespace wtrysk
