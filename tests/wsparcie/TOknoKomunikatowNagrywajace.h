#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/TOknoKomunikatow.h"

namespace wtrysk {

// Records every box the core shows; questions take their answers from a queue (No when empty).
class TOknoKomunikatowNagrywajace : public TOknoKomunikatow {
public:
  void PokazBlad(const std::string& tekst) override { Bledy.push_back(tekst); }
  void PokazInformacje(const std::string& tekst) override { Informacje.push_back(tekst); }
  bool ZadajPytanie(const std::string& tytul, const std::string& tekst) override {
    Pytania.push_back(tytul + "|" + tekst);
    if (Odpowiedzi.empty()) return false;
    const bool odpowiedz = Odpowiedzi.front();
    Odpowiedzi.pop_front();
    return odpowiedz;
  }

  std::vector<std::string> Bledy;
  std::vector<std::string> Informacje;
  std::vector<std::string> Pytania;
  std::deque<bool> Odpowiedzi;
};

}  // namespace wtrysk
