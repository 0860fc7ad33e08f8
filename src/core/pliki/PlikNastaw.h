#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/TPortKomunikacyjny.h"
#include "pliki/FormatPlikuNastaw.h"
#include "model/TModelSterownika.h"
#include "protokol/TIdentyfikacjaSterownika.h"
#include "protokol/TWersja15.h"

namespace wtrysk {

class TInfoOSterObject;
class TKomunikaty;
class TOknoKomunikatow;
class TTypWtryskiwacza;

// What saving and loading settings files work on. The port and the handler come in as their
// holders and are looked at afresh at every step: the identification a save waits for may
// replace the handler, and the link may close (freeing the handler) in the meantime.
// Everything here must outlive the commands the operations leave queued on the port.
struct TKontekstPlikuNastaw {
  TModelSterownika& Model;
  const TIdentyfikacjaSterownika& Identyfikacja;
  const std::unique_ptr<TPortKomunikacyjny>& Port;  // none while no port is chosen
  const std::unique_ptr<TWersja15>& Wersja;         // the connected controller's handler, or none
  TTypWtryskiwacza& TypWtryskiwacza;
  const TKomunikaty& Komunikaty;
  TOknoKomunikatow& Okno;
  TInfoOSterObject* Historia = nullptr;  // none: no history to reset on loading
};

// True when a controller is connected and identified; otherwise shows message 18 "Brak
// sterownika gazu" and returns false. The GUI calls it before it asks for a file to load.
bool SterownikGotowy(const TKontekstPlikuNastaw& k);

// Saving, first half: asks the controller for its settings again (identification request,
// command 12 [0]) and reports once the answer has been decoded into the model: true when
// fresh settings are in and a handler serves them. False, after message 18, when there is no
// controller, the link closes first, or the answer brought no settings. Never blocks;
// `gotowe` runs from the link's receive path (or at once on failure), so a GUI that then
// opens a modal file dialog should post that to its event loop first.
void OdswiezNastawyDoZapisu(const TKontekstPlikuNastaw& k, std::function<void(bool gotowe)> gotowe);

// Saving, second half: writes the header and the connected handler's body for the settings
// in the model, as one whole file that replaces `nazwa` only once it is complete, so a failed
// save leaves an earlier file as it was. An empty name writes nothing and says nothing. No
// handler: message 18. A failed write: message 78 "Nie można zapisać do pliku" with the name.
// True when the file was written.
bool ZapiszNastawyDoPliku(const TKontekstPlikuNastaw& k, const std::string& nazwa);

// Both halves for a name known in advance (the firmware update's own file). An empty name
// still refreshes the settings, then ends with false and no message. `wynik` gets true when
// the file was written; it may run before this returns.
void ZapiszPlikNastaw(const TKontekstPlikuNastaw& k, std::string nazwa, std::function<void(bool zapisano)> wynik);

// Loads a settings file into the connected controller: the body is read with the handler of
// the file's firmware, brought into the connected firmware's ranges, sent as one settings
// image (command 26) and followed by an identification request (command 12 [0]) so the
// controller reports what it now holds. True once both commands are queued. On any refusal
// nothing in the model changes and nothing is sent:
//   no controller or handler       message 18 "Brak sterownika gazu"
//   empty name                     no message
//   file cannot be opened or read  message 38 "Nie można otworzyć pliku " with the name
//   not a settings file            message 35 "Plik ustawień nieprawidłowy"
//   no handler for its version     message 34 "Nieznana wersja ustawień sterownika"
// A body that ends early fills what it holds; the other fields keep their defaults.
bool WczytajPlikNastaw(const TKontekstPlikuNastaw& k, const std::string& nazwa);

// The settings a file brings to a controller served by `wersjaSterownika`, into `n`: defaults,
// then the body as the file's handler reads it (a short body fills what it holds), the
// switch-over delay carried between its one-byte and 16-bit forms, the old injector bit, and
// the controller's ranges. What loading sends, and what `wtrysk-cli ust image` shows.
void NastawyZPliku(std::span<const uint8_t> bajty, const TNaglowekPlikuNastaw& naglowek, const TWersja15& wersjaPliku,
                   const TWersja15& wersjaSterownika, TTypWtryskiwacza& typ, TNastawy& n);

}  // namespace wtrysk
