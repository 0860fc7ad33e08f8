#pragma once

#include "protokol/TWersja15.h"

namespace wtrysk {

// Firmware 16: the live frame streams the two pressure tables; corrections travel as signed
// fractions of the cell in 1/128.
class TWersja16 : public TWersja15 {
public:
  using TWersja15::TWersja15;
  std::size_t DlugoscDanychBiezacych() const override { return 41; }
  uint8_t WlaczKorekte(int i, uint8_t r, TNastawy& n) const override;
  uint8_t KorektaDoWyslania(int i, const TNastawy& n) const override;

protected:
  void DekodujDaneBiezaceWlasciwe(TCzytnikRamki& poz, TKontekstWersji& k) override;
};

// Firmware 17: two-byte pressures and the active-injector byte in the live frame; the
// manifold sensor and the injector kind in the settings.
class TWersja17 : public TWersja16 {
public:
  using TWersja16::TWersja16;
  std::size_t DlugoscDanychBiezacych() const override { return 43; }
  std::size_t DlugoscNastaw() const override { return 542; }
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujDaneBiezaceWlasciwe(TCzytnikRamki& poz, TKontekstWersji& k) override;
  // Live bytes after the pressure tables.
  virtual void DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k);
};

// Firmware 18: deviation flags and two more error bytes live; the registered-error log
// follows the settings.
class TWersja18 : public TWersja17 {
public:
  using TWersja17::TWersja17;
  std::size_t DlugoscDanychBiezacych() const override { return 46; }
  std::size_t DlugoscPoNastawach() const override { return 40; }
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DekodujPoNastawach(TCzytnikRamki& poz, TKontekstWersji& k) override;
  // The 40-byte registered-error log into the registered-errors list.
  void DekodujBledy(TCzytnikRamki& poz, TKontekstWersji& k) const;
};

// Firmware 19: petrol injectors switched by plus; injector kinds up to 5.
class TWersja19 : public TWersja18 {
public:
  using TWersja18::TWersja18;
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;
};

// Firmware 20: the injector mask live; Flagi2 and the switch-off time in the settings.
class TWersja20 : public TWersja19 {
public:
  using TWersja19::TWersja19;
  std::size_t DlugoscDanychBiezacych() const override { return 47; }
  std::size_t DlugoscNastaw() const override { return 544; }
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DekodujNastawyPodstawowe(TCzytnikRamki& poz, TKontekstWersji& k) override;
  // The settings bytes after the map corrections.
  virtual void DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k);
  void DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const override;
};

// Firmware 21: cylinders 7 and 8 and the second lambda live, raw third error byte, pressure
// table indices no longer wrap; the limit start time in the settings.
class TWersja21 : public TWersja20 {
public:
  using TWersja20::TWersja20;
  std::size_t DlugoscDanychBiezacych() const override { return 52; }
  std::size_t DlugoscNastaw() const override { return 545; }
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujDaneBiezaceDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const override;
};

// Firmware 23: a 16-bit switch-over delay; the fuel kind.
class TWersja23 : public TWersja21 {
public:
  using TWersja21::TWersja21;
  std::size_t DlugoscNastaw() const override { return 546; }
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujCzasPrzelaczenia(uint8_t b, TKontekstWersji& k) const override;
  void DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const override;
};

// Firmware 24: per-injector corrections and five engine settings; the identification frame
// ends with the history area and the serial block.
class TWersja24 : public TWersja23 {
public:
  using TWersja23::TWersja23;
  std::size_t DlugoscNastaw() const override { return 559; }
  std::size_t DlugoscPoNastawach() const override { return 40 + 255 + 16; }
  bool DekodujHistorie(TCzytnikRamki& poz, TObszar255& obszar) const override;
  void UstawKontrolki(TOknoGlowne& okno, const TIdentyfikacjaSterownika& id) const override;

protected:
  void DekodujNastawyDalsze(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DekodujPoNastawach(TCzytnikRamki& poz, TKontekstWersji& k) override;
  void DodajDoObrazu(TTablicaByte& obraz, const TNastawy& n) const override;
};

// Firmware 26: more temperature-sensor kinds (a range rule only).
class TWersja26 : public TWersja24 {
public:
  using TWersja24::TWersja24;
};

}  // namespace wtrysk
