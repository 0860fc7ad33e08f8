// Arbitrary bytes as a settings file loaded into a controller of any firmware: the header,
// the handler search, the body and the image must cope with whatever the file holds.
#include <fuzzer/FuzzedDataProvider.h>

#include "i18n/TKomunikaty.h"
#include "model/TTypWtryskiwacza.h"
#include "okno/TOknoGlowne.h"
#include "pliki/FormatPlikuNastaw.h"
#include "pliki/PlikNastaw.h"
#include "ui/TOknoKomunikatow.h"
#include "OknaPuste.h"

using namespace wtrysk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar) {
  FuzzedDataProvider wejscie(dane, rozmiar);
  const int firmware = wejscie.ConsumeIntegralInRange<int>(15, 30);
  const auto plik = wejscie.ConsumeRemainingBytes<uint8_t>();
  const auto naglowek = CzytajNaglowekPlikuNastaw(plik);
  if (!naglowek) return 0;
  const auto wersjaPliku = WersjaDlaPlikuNastaw(naglowek->WersjaFirmware, naglowek->WymaganaWersjaProgramu.value_or(0));
  if (!wersjaPliku) return 0;
  TOknoPuste okno;
  TOknoKomunikatowCiche oknoKomunikatow;
  TKomunikaty komunikaty;
  TTypWtryskiwacza typ(okno, oknoKomunikatow, komunikaty);
  const auto wersja = UtworzWersjeDlaFirmware(firmware);
  TNastawy n;
  NastawyZPliku(plik, *naglowek, *wersjaPliku, *wersja, typ, n);
  if (wersja->ObrazNastaw(n).size() < 535) __builtin_trap();
  return 0;
}
