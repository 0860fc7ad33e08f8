#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>

#include "czas/TSerwisCzasu.h"
#include "link/Ramka.h"
#include "symulator/TLosowe.h"

namespace wtrysk {

// Faults laid on what the simulated controller sends, to prove that the program copes with a
// bad line.
struct TZaklocenia {
  double Zgubienie = 0.0;          // a frame (or loader acknowledgement) is lost with this probability
  double Uszkodzenie = 0.0;        // each byte is damaged with this probability
  // Damage may also hit a frame's start byte and length. The program's receiver then waits
  // for a length that never comes and swallows the frames after it, so this is off unless a
  // test wants exactly that.
  bool UszkadzajNaglowek = false;
  bool Dzielenie = false;          // frames go out in random pieces, one callback call each
  bool Smieci = false;             // noise bytes (never a start byte) between frames
};

// The way out of the simulated controller: frames and loader acknowledgements pass the faults
// and an optional delay, then reach the callback. Bytes of one output keep their order; a
// silenced output sends nothing more.
class TWyjscieSymulatora {
public:
  using TNadawanie = std::function<void(std::span<const uint8_t>)>;
  // What happened to one frame, for tests: its intact bytes, and whether it was lost or damaged.
  using TPoRamce = std::function<void(const TTablicaByte& ramka, bool zgubiona, bool uszkodzona)>;

  // `opoznienieMs` 0: everything goes out at once, inside the call that produced it. Above
  // 0: it goes out from the clock's timer within that many milliseconds. `odstepMs` above 0
  // sends one piece per that many milliseconds instead, so that pieces of a split frame reach
  // a real line apart rather than merged again.
  TWyjscieSymulatora(TSerwisCzasu& czas, int opoznienieMs, int odstepMs, uint64_t ziarno, TNadawanie nadawanie);

  void UstawZaklocenia(const TZaklocenia& z) { Zaklocenia = z; }
  const TZaklocenia& ZakloceniaTeraz() const { return Zaklocenia; }
  void UstawZiarno(uint64_t ziarno) { Los.UstawZiarno(ziarno); }
  void UstawNadawanie(TNadawanie nadawanie) { Nadawanie = std::move(nadawanie); }

  // A whole response frame.
  void Ramka(const TTablicaByte& ramka);
  // One acknowledgement byte of the loader: it may be lost or damaged, but it always goes
  // alone, since the PC compares only the first byte of what it receives.
  void Potwierdzenie(uint8_t bajt);

  void Wycisz() { Cisza = true; }
  bool Milczy() const { return Cisza; }

  TPoRamce PoRamce;

private:
  void Uszkodz(TTablicaByte& bajty, std::size_t odPozycji, bool& uszkodzona);
  void Wyslij(TTablicaByte kawalek);
  void Oproznij();

  TNadawanie Nadawanie;
  TZaklocenia Zaklocenia;
  TLosowe Los;
  bool Cisza = false;
  bool PoJednym = false;
  std::deque<TTablicaByte> Kolejka;
  std::unique_ptr<TTimer> TimerOpoznienia;
};

}  // namespace wtrysk
