#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/Ramka.h"
#include "model/TModelSterownika.h"
#include "protokol/TCzytnikRamki.h"
#include "protokol/TPlikBinarny.h"

namespace wtrysk {

class TInfoOSterObject;
class TKomunikaty;
class TOknoGlowne;
class TTypWtryskiwacza;
struct TIdentyfikacjaSterownika;

// What a version handler decodes into and shows on. The application holds one; tests build
// one over fakes.
struct TKontekstWersji {
  TModelSterownika& Model;
  TOknoGlowne& Okno;
  TTypWtryskiwacza& TypWtryskiwacza;
  const TKomunikaty& Komunikaty;
  const TIdentyfikacjaSterownika& Identyfikacja;
  TInfoOSterObject* Historia = nullptr;  // none: the history area is decoded but not kept
};

using TObszar255 = std::array<uint8_t, 255>;

// The frame layouts of one firmware generation. One class per firmware version, each derived
// from the one before; a firmware without its own class is served by the nearest lower one
// (UtworzWersjeDlaFirmware). Nothing outside the handlers knows frame layouts.
//
// Decoders read through TCzytnikRamki. Before decoding they check that the frame holds the
// whole layout of their version; a shorter frame is refused (false) and nothing is changed.
class TWersja15 {
public:
  explicit TWersja15(int numerWersji = 15) : NumerWersji(numerWersji) {}
  virtual ~TWersja15() = default;

  const int NumerWersji;

  // Payload bytes of a live-data frame.
  virtual std::size_t DlugoscDanychBiezacych() const;
  // Settings bytes of the identification frame.
  virtual std::size_t DlugoscNastaw() const;
  // Bytes after the settings: registered-error log, history area, serial block.
  virtual std::size_t DlugoscPoNastawach() const { return 0; }
  // Bytes of the settings body of a settings file.
  virtual std::size_t DlugoscTresciPliku() const;

  // The settings part of an identification frame, read from after the identity header
  // (position 15), into the settings, the window's controls and the other records. False
  // (nothing changed) when the frame is shorter than the layout.
  bool DekodujNastawy(TCzytnikRamki& poz, TKontekstWersji& k);
  // A live-data frame from its response code on. False for a frame shorter than the layout.
  bool DekodujDaneBiezace(TCzytnikRamki& poz, TKontekstWersji& k);
  // A 255-byte history record (254 bytes for positions 1..254, then position 0). False when
  // this firmware has no history area or the frame is too short.
  virtual bool DekodujHistorie(TCzytnikRamki& poz, TObszar255& obszar) const;

  // The settings body of a settings file, and reading it back (a short body fills what it has).
  virtual void ZapiszDoPliku(TPisarzPliku& plik, const TNastawy& n) const;
  virtual void CzytajZPliku(TCzytnikPliku& plik, TNastawy& n) const;
  // The settings image sent with command 26.
  virtual TTablicaByte ObrazNastaw(const TNastawy& n) const;
  // Replaces settings outside this firmware's ranges.
  virtual void PoprawNastawy(TNastawy& n, TTypWtryskiwacza& typ) const;
  // The amount to add to map cell i (10..255) when the controller's correction r is folded in;
  // clears the pending correction of that cell.
  virtual uint8_t WlaczKorekte(int i, uint8_t r, TNastawy& n) const;
  // The correction byte to send for map cell i.
  virtual uint8_t KorektaDoWyslania(int i, const TNastawy& n) const;
  // Enables, shows and hides the controls this firmware supports. Give it a window that
  // records what it changes, so the next connection start can undo it.
  virtual void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const;

protected:
  virtual void DekodujDaneBiezaceWlasciwe(TCzytnikRamki& poz, TKontekstWersji& k);
  // The settings bytes proper.
  virtual void DekodujNastawyPodstawowe(TCzytnikRamki& poz, TKontekstWersji& k);
  // What follows the settings bytes in the identification frame.
  virtual void DekodujPoNastawach(TCzytnikRamki& poz, TKontekstWersji& k);
  // Settings byte 25 (26 from 17 on): the switch-over delay, or from 23 its low byte.
  virtual void DekodujCzasPrzelaczenia(uint8_t b, TKontekstWersji& k) const;
  // The image entries that later firmware appends after the corrections.
  virtual void DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const;

  // Shared pieces of the layouts.
  static void DekodujStatus(uint8_t statusA, uint8_t statusB, TDaneBiezace& d);
  // Live bytes 0 to 18, the same in every layout: status, petrol times, gas time, speed, lambda.
  static void DekodujSilnik(TCzytnikRamki& poz, TDaneBiezace& d);
  // The six bytes from the multiplier to the gas temperature, after the pressures.
  static void DekodujZasilanieIPoziom(TCzytnikRamki& poz, TDaneBiezace& d);
  static uint16_t NapiecieLambdy(uint8_t b);
  static uint16_t NapiecieZasilania(uint8_t b);
  static void DekodujBlokTablic(TCzytnikRamki& poz, TKontekstWersji& k, bool zawijajIndeks);
  static void PokazResety(uint8_t n, TKontekstWersji& k);
  void PokazFlagi(uint8_t flagi, TKontekstWersji& k) const;
  void DekodujMape(TCzytnikRamki& poz, TKontekstWersji& k) const;

private:
  // Every field of the settings-file body in file order, for writing and reading alike.
  template <typename F>
  void PolaPliku(TNastawy& n, F&& pole) const;
};

// The handler made for exactly this firmware version, or none (22, 25 and anything outside
// 15..26 have no class of their own).
std::unique_ptr<TWersja15> UtworzWersje(int v);
// The handler for a firmware: its own class or the nearest lower one, down to 15; none below.
std::unique_ptr<TWersja15> UtworzWersjeDlaFirmware(int v);

}  // namespace wtrysk
