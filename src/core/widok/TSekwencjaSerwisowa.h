#pragma once

#include <string_view>

namespace wtrysk {

// The hidden service mode: typing "zubrenioq" in a row, in any window of the program, reveals
// the service panels for the rest of the run. Every key pressed is compared with the next
// letter of the sequence (key codes of letters are their upper-case characters); any other key
// starts over at the first letter without being compared with it, so "zz" leaves nothing typed.
class TSekwencjaSerwisowa {
public:
  static constexpr std::string_view Sekwencja = "ZUBRENIOQ";

  // One key pressed; true exactly once, for the key that completes the sequence.
  bool Klawisz(int kodKlawisza);
  bool Odkryta() const { return Odkryto; }

private:
  std::size_t Pozycja = 0;  // letters typed in a row so far
  bool Odkryto = false;
};

}  // namespace wtrysk
