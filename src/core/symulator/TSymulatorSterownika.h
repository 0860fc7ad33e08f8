#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "czas/TSerwisCzasu.h"
#include "link/Ramka.h"
#include "model/TDaneBiezace.h"
#include "symulator/TLadowarka.h"
#include "symulator/TLosowe.h"
#include "symulator/TModelSilnika.h"
#include "symulator/TPamiecSterownika.h"
#include "symulator/TWyjscieSymulatora.h"
#include "symulator/UkladyRamek.h"

namespace wtrysk {

struct TOpcjeSymulatora {
  // Board number, firmware (any number; 15..30 are served), required program version, build date.
  TNaglowekSterownika Naglowek;
  uint64_t Ziarno = 1;                 // the same seed repeats a run exactly
  TParametrySilnika Silnik;
  TZaklocenia Zaklocenia;
  int OpoznienieOdpowiedziMs = 0;      // 0: answers go out inside Odbierz
  int OdstepKawalkowMs = 0;            // above 0: one piece of output per that many ms
  int CiszaPoMs = 0;                   // stop answering this long after start; 0 never
  std::array<uint8_t, 4> BledyBiezace{0xFF, 0xFF, 0xFF, 0xFF};  // E0..E3, active low
  bool StartWLadowarce = false;        // start in the update loader (reports code 200)
  uint16_t RozmiarBlokuLadowarki = 64;
  uint32_t DlugoscObrazuLadowarki = 0;  // 0: unknown, the loader restarts after a silence
  int CiszaRestartuLadowarkiMs = 150;
};

// The last live frame, as the PC decodes it.
struct TDaneWyslane {
  // Readings the layout does not carry hold the controller's value (PolaDanychBiezacych says
  // which are carried).
  TDaneBiezace Dane;
  uint8_t MaskaWtryskiwaczy = 0xFF;
  TBlokTablic Tablice;
  uint64_t Numer = 0;  // live frames built so far
};

// One simulated gas controller of a chosen firmware on a byte stream: the PC's bytes go in
// through Odbierz, the controller's bytes come out through the callback, and the clock
// service drives the engine model (one step every 100 ms).
//
// It frames the PC's commands by their known payload lengths (they carry none), answers them
// in the layouts of its firmware, keeps its own settings, map, error log and history area,
// runs an idle calibration, and enters its update loader on command 8 [8] followed by F7 AA.
// A start byte that begins no valid frame (unknown command, bad checksum, or a frame left
// unfinished for 50 ms) is dropped and the search goes on from the next byte.
class TSymulatorSterownika {
public:
  static constexpr int OkresModeluMs = 100;
  static constexpr int PrzerwaOdbioruMs = 50;
  static constexpr uint8_t KodLadowarki = 200;

  using TNadawanie = TWyjscieSymulatora::TNadawanie;

  TSymulatorSterownika(TSerwisCzasu& czas, const TOpcjeSymulatora& opcje, TNadawanie nadawanie);
  ~TSymulatorSterownika();
  TSymulatorSterownika(const TSymulatorSterownika&) = delete;
  TSymulatorSterownika& operator=(const TSymulatorSterownika&) = delete;

  // Bytes from the PC, in the order they came. May be called from inside the callback.
  void Odbierz(std::span<const uint8_t> bajty);

  // --- What it is and holds ---
  int Firmware() const { return Naglowek.Firmware; }
  int Uklad() const { return UkladRamek; }
  const TNaglowekSterownika& NaglowekSterownika() const { return Naglowek; }
  TPamiecSterownika& Pamiec() { return PamiecSterownika; }
  const TPamiecSterownika& Pamiec() const { return PamiecSterownika; }
  TNastawy& Nastawy() { return PamiecSterownika.Nastawy; }
  const TNastawy& Nastawy() const { return PamiecSterownika.Nastawy; }
  // The settings as the PC shows them after an identification: the controller's corrections
  // folded into the map, nothing pending.
  TNastawy NastawyPoKorekcie() const;
  const TDaneWyslane& OstatnieDane() const { return Ostatnie; }
  const TOdczytySterownika& OdczytyTeraz() const { return Silnik.Odczyty(); }
  bool KalibracjaTrwa() const { return Silnik.KalibracjaTrwa(); }
  uint8_t LiczbaProbek() const { return Probki; }
  bool OknoProgowOtwarte() const { return OknoProgow; }
  // In the update loader (waiting for a transfer or receiving one).
  bool WLadowarce() const { return WLadowarceFlaga; }
  bool Laduje() const { return LadowanieTrwa; }
  // The transfer under way or the last one; none before the first.
  const TLadowarka* OstatniaLadowarka() const { return Ladowarka.get(); }

  // --- Changes while it runs ---
  void UstawBledyBiezace(const std::array<uint8_t, 4>& bledy) { Bledy = bledy; }
  void UstawPraceSilnika(bool pracuje) { Silnik.UstawPrace(pracuje); }
  void UstawZaklocenia(const TZaklocenia& z) { Wyjscie.UstawZaklocenia(z); }
  void UstawZiarno(uint64_t ziarno);
  void Wycisz() { Wyjscie.Wycisz(); }
  TWyjscieSymulatora& WyjscieSymulatora() { return Wyjscie; }

private:
  void Przetworz();
  void ObsluzRamke(std::span<const uint8_t> ramka);
  void ObsluzKomende(uint8_t kod, std::span<const uint8_t> dane);
  bool ZmienNastawe(uint8_t kod, std::span<const uint8_t> dane);
  void Odpowiedz(uint8_t kod, std::span<const uint8_t> dane = {});
  void WyslijIdentyfikacje(uint8_t kod);
  void WyslijDaneBiezace();
  TBlokTablic NastepnyBlokTablic();
  bool PrzegladNalezny() const;
  void TaktModelu();
  void PrzerwaOdbioru();
  void RozpocznijLadowanie();
  void BajtObrazu(uint8_t b);
  void ZakonczLadowanie();

  TNaglowekSterownika Naglowek;
  int UkladRamek;
  TOpcjeSymulatora Opcje;
  TPamiecSterownika PamiecSterownika;
  std::array<uint8_t, 4> Bledy;
  TLosowe LosModelu;
  TModelSilnika Silnik;
  TWyjscieSymulatora Wyjscie;
  TDaneWyslane Ostatnie;

  // Pressure-table sweep: the next start pressure and whether a whole sweep has gone out
  // since the row was last cleared (the deviation flags).
  int IndeksTablic = 0;
  std::array<bool, 2> PrzebiegPelny{};
  uint8_t Probki = 0;
  bool OknoProgow = false;

  TTablicaByte Wejscie;
  bool WToku = false;
  bool CzekaNaF7AA = false;
  bool WLadowarceFlaga = false;
  bool LadowanieTrwa = false;
  std::unique_ptr<TLadowarka> Ladowarka;

  std::unique_ptr<TTimer> TimerModelu;
  std::unique_ptr<TTimer> TimerPrzerwy;
  std::unique_ptr<TTimer> TimerCiszy;
  std::unique_ptr<TTimer> TimerLadowarki;
};

}  // namespace wtrysk
