#include "TOknoCli.h"

#include <cstdio>

namespace wtrysk {

void TOknoKomunikatowCli::PokazBlad(const std::string& tekst) {
  Bledy.push_back(tekst);
  std::fprintf(stderr, "%s\n", tekst.c_str());
  if (PoBledzie) PoBledzie(tekst);
}

void TOknoKomunikatowCli::PokazInformacje(const std::string& tekst) { std::fprintf(stderr, "%s\n", tekst.c_str()); }

bool TOknoKomunikatowCli::ZadajPytanie(const std::string& tytul, const std::string& tekst) {
  std::fprintf(stderr, "%s: %s -> no\n", tytul.c_str(), tekst.c_str());
  return false;
}

}  // namespace wtrysk
