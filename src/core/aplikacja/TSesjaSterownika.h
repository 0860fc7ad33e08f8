#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "historia/TInfoOSterObject.h"
#include "historia/TOtoczenieHistorii.h"
#include "model/TModelSterownika.h"
#include "model/TTypWtryskiwacza.h"
#include "protokol/TObslugaRamek.h"

namespace wtrysk {

class TKomunikaty;
class TOknoGlowne;
class TOknoKomunikatow;
class TPortKomunikacyjny;
class TSerwisCzasu;

// Everything the program knows and does about the connected controller, wired together once:
// the records, the injector kind, the receive dispatcher and the controller history. The
// window program and the command-line monitor each hold one and hand it every new port.
class TSesjaSterownika : private TOtoczenieHistorii {
public:
  TSesjaSterownika(TSerwisCzasu& czas, TOknoGlowne& okno, TOknoKomunikatow& oknoKomunikatow,
                   const TKomunikaty& komunikaty, uint32_t kodKomputera);
  TSesjaSterownika(const TSesjaSterownika&) = delete;
  TSesjaSterownika& operator=(const TSesjaSterownika&) = delete;

  // The port whose frames this session handles from now on (none: no port). The port's
  // surroundings and history are set to this session's dispatcher and history object.
  void PodlaczPort(TPortKomunikacyjny* port);
  TPortKomunikacyjny* Port() const { return PortBiezacy; }

  // The modal change warning; true for OK. Without one every change is allowed.
  std::function<bool()> PokazOstrzezenieZmiany;
  // The user refused the warning: the program closes.
  std::function<void()> ZamknijAplikacje;
  // The working history area was replaced by the controller's answer.
  std::function<void()> ObszarHistoriiOdswiezony;

  TModelSterownika Model;
  TTypWtryskiwacza TypWtryskiwacza;
  TObslugaRamek Obsluga;
  TInfoOSterObject Historia;

private:
  std::optional<int> WersjaFirmware() const override;
  void WyslijKomende(uint8_t kod, std::span<const uint8_t> dane) override;
  bool PokazOstrzezenieZmianyNastaw() override;
  void ZamknijProgram() override;
  void ObszarOdswiezony() override;

  TPortKomunikacyjny* PortBiezacy = nullptr;
};

}  // namespace wtrysk
