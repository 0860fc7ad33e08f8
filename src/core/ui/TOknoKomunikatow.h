#pragma once

#include <string>

namespace wtrysk {

// How the core shows a message or asks a question. The GUI shows modal boxes; tests record
// what was shown; the command-line tool prints to stderr.
class TOknoKomunikatow {
public:
  virtual ~TOknoKomunikatow() = default;
  // An error box: error icon and an OK button.
  virtual void PokazBlad(const std::string& tekst) = 0;
  // A plain box with an OK button.
  virtual void PokazInformacje(const std::string& tekst) = 0;
  // A Yes/No question; true for Yes.
  virtual bool ZadajPytanie(const std::string& tytul, const std::string& tekst) = 0;
};

}  // namespace wtrysk
