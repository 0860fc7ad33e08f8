#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>

#include "czas/TSerwisCzasu.h"
#include "link/Ramka.h"
#include "link/TOtoczenieLacza.h"
#include "link/TParserRamek.h"

namespace wtrysk {

class TKomunikaty;
class TOknoKomunikatow;

// The link engine: frames commands, sends one at a time, polls for live data whenever no
// command is outstanding, resends an unanswered command every second, closes the link after
// seven seconds of silence, and assembles received bytes into verified frames for the
// dispatcher. Transports derive from it and only open, close and write.
//
// Nothing here blocks. A command issued while another is outstanding waits in a queue and
// goes out, in call order, once the line is free. Closing or resetting the link drops the
// commands still waiting, so they never reach the next connection.
class TPortKomunikacyjny {
public:
  static constexpr int OkresNadawaniaMs = 100;
  static constexpr int OkresPowtorzeniaMs = 1000;
  static constexpr int CzasBrakuOdpowiedziMs = 7000;
  static constexpr int KomunikatBrakSterownika = 18;

  // Told whether the command was answered (true) or never will be: dropped on close or
  // reset, refused at the change warning, or issued while the link was closed (false).
  using TPoOdpowiedzi = std::function<void(bool odpowiedziano)>;

  TPortKomunikacyjny(TSerwisCzasu& czas, const TKomunikaty& komunikaty, TOknoKomunikatow& okno);
  virtual ~TPortKomunikacyjny();
  TPortKomunikacyjny(const TPortKomunikacyjny&) = delete;
  TPortKomunikacyjny& operator=(const TPortKomunikacyjny&) = delete;

  void UstawOtoczenie(TOtoczenieLacza* otoczenie) { Otoczenie = otoczenie; }
  void UstawHistorie(THistoriaLacza* historia) { Historia = historia; }

  // Subclasses open their transport, mark the port connected and call this, which starts a
  // connection: window adjustments undone, link reset, identification requested.
  virtual void Otworz();
  // Starts a fresh exchange: receive state, the outstanding command and waiting commands are
  // forgotten, the line is free and the send tick runs.
  virtual void ZerujLacze();
  // Subclasses close their transport and call this.
  virtual void Zamknij();
  // Writes raw bytes; the number written, 0 on failure.
  virtual int ZapiszBajty(const uint8_t* bajty, std::size_t liczba) = 0;

  // The only way features send a command. Never blocks.
  void WyslijKomende(uint8_t kod, std::span<const uint8_t> dane = {}, TPoOdpowiedzi poOdpowiedzi = {});
  void WyslijKomende(uint8_t kod, std::initializer_list<uint8_t> dane, TPoOdpowiedzi poOdpowiedzi = {}) {
    WyslijKomende(kod, std::span<const uint8_t>(dane.begin(), dane.size()), std::move(poOdpowiedzi));
  }

  // Bytes from the transport, in the order they arrived.
  void OdbierzBajty(const uint8_t* bajty, std::size_t liczba);

  // True when nothing is outstanding (or the port is closed); polling then stops until the
  // next reset. The firmware updater waits for this before it takes over the line.
  bool CzyBezczynny();

  // Acknowledgement mode for the firmware updater: the first byte of the next received chunk
  // must equal the expected byte. The result goes to wynik: true on a match; false on a
  // mismatch, on seven seconds of silence (the link closes) or when the link is reset or closed.
  void CzekajNaPotwierdzenie(uint8_t bajt, std::function<void(bool)> wynik);

  bool Polaczony() const { return PolaczonyFlaga; }
  // No valid frame since start-up or the last close; the status bar shows "disconnected".
  bool BrakPolaczenia() const { return BrakPolaczeniaFlaga; }
  void UstawBrakPolaczenia(bool wartosc) { BrakPolaczeniaFlaga = wartosc; }
  bool LiniaWolna() const { return LiniaWolnaFlaga; }
  bool TaktZajety() const { return TaktZajetyFlaga; }
  bool BrakPotwierdzenia() const { return BrakPotwierdzeniaFlaga; }
  bool Potwierdzono() const { return PotwierdzonoFlaga; }
  int OstatniaKomenda() const { return OstatniaKomendaKod; }
  std::size_t LiczbaOczekujacych() const { return Kolejka.size(); }

protected:
  void UstawPolaczony(bool wartosc) { PolaczonyFlaga = wartosc; }
  // Closes the link and shows message 18 "Brak sterownika gazu".
  void BrakOdpowiedzi();

private:
  struct TKomenda {
    TTablicaByte Tresc;  // code, then payload
    TPoOdpowiedzi PoOdpowiedzi;
  };

  void TimerNadawaniaTimer();
  void TimerPowtorzeniaTimer();
  void NadajZKolejki();
  void ZbudujRamke(TKomenda komenda);
  void ZakonczRamke(std::span<const uint8_t> ramka);
  void PorzucKomendy();
  void ZakonczPotwierdzenie(bool potwierdzono);

  TSerwisCzasu& Czas;
  const TKomunikaty& Komunikaty;
  TOknoKomunikatow& Okno;
  TOtoczenieLacza* Otoczenie = nullptr;
  THistoriaLacza* Historia = nullptr;

  std::unique_ptr<TTimer> TimerNadawania;
  std::unique_ptr<TTimer> TimerBrakuOdpowiedzi;
  std::unique_ptr<TTimer> TimerPowtorzenia;

  bool PolaczonyFlaga = false;
  bool PonowWyslanie = false;
  bool NowaRamka = false;
  bool LiniaWolnaFlaga = true;
  bool TaktZajetyFlaga = false;
  bool BudowanieRamki = false;
  bool BrakPolaczeniaFlaga = true;

  TTablicaByte BuforNadawania;
  int OstatniaKomendaKod = 0;
  TPoOdpowiedzi OdpowiedzOczekiwana;  // for the command now outstanding

  std::deque<TKomenda> Kolejka;
  bool KolejkaWToku = false;
  uint64_t NumerWymiany = 0;  // changes at every reset and close

  TParserRamek Parser;

  bool OczekiwaniePotwierdzenia = false;
  uint8_t BajtPotwierdzenia = 0;
  bool PotwierdzonoFlaga = false;
  bool BrakPotwierdzeniaFlaga = false;
  std::function<void(bool)> WynikPotwierdzenia;
};

}  // namespace wtrysk
