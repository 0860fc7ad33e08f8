// Arbitrary bytes in arbitrary chunks into the link engine's receive side, with the clock
// moving and commands being sent in between. Every frame handed on must be complete, at least
// 4 bytes long, and carry a correct checksum; it then goes through the whole receive side:
// dispatcher, identification, version handlers, history.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "czas/TZegarWirtualny.h"
#include "i18n/TKomunikaty.h"
#include "link/TPortKomunikacyjny.h"
#include "ui/TOknoKomunikatow.h"
#include "OknaPuste.h"
#include "aplikacja/TSesjaSterownika.h"

using namespace wtrysk;

namespace {

class TOtoczenieSprawdzajace : public TOtoczenieLacza {
public:
  explicit TOtoczenieSprawdzajace(TOtoczenieLacza& dalej) : Dalej(dalej) {}
  void ObsluzRamke(std::span<const uint8_t> ramka) override {
    if (ramka.size() < 4 || ramka[0] != 0xAA) std::abort();
    if (static_cast<std::size_t>(ramka[1] << 8 | ramka[2]) != ramka.size()) std::abort();
    if (SumaKontrolna(ramka.first(ramka.size() - 1)) != ramka.back()) std::abort();
    Dalej.ObsluzRamke(ramka);
  }
  void PolaczenieRozpoczete() override { Dalej.PolaczenieRozpoczete(); }
  void LaczeZamkniete() override { Dalej.LaczeZamkniete(); }
  TOtoczenieLacza& Dalej;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar) {
  FuzzedDataProvider wejscie(dane, rozmiar);
  TZegarWirtualny zegar;
  TKomunikaty komunikaty;
  TOknoKomunikatowCiche okno;
  TOknoPuste oknoGlowne;
  TSesjaSterownika sesja(zegar, oknoGlowne, okno, komunikaty, 0x12345678);
  TPortBezTransportu port(zegar, komunikaty, okno);
  sesja.PodlaczPort(&port);
  TOtoczenieSprawdzajace otoczenie(sesja.Obsluga);
  port.UstawOtoczenie(&otoczenie);
  port.Otworz();
  while (wejscie.remaining_bytes() > 0) {
    switch (wejscie.ConsumeIntegralInRange<int>(0, 7)) {
      case 0:
        zegar.Przesun(wejscie.ConsumeIntegralInRange<int>(0, 3000));
        break;
      case 1:
        port.WyslijKomende(wejscie.ConsumeIntegral<uint8_t>(), {wejscie.ConsumeIntegral<uint8_t>()});
        break;
      case 2:
        if (!port.Polaczony()) port.Otworz();
        break;
      default: {
        const auto kawalek = wejscie.ConsumeBytes<uint8_t>(wejscie.ConsumeIntegralInRange<std::size_t>(1, 300));
        port.OdbierzBajty(kawalek.data(), kawalek.size());
      }
    }
  }
  return 0;
}
