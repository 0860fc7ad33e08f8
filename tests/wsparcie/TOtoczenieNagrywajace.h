#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "czas/TDataCzas.h"
#include "link/Ramka.h"
#include "link/TOtoczenieLacza.h"

namespace wtrysk {

// Records what the link engine calls out to, in one ordered log, plus the frames themselves.
class TOtoczenieNagrywajace : public TOtoczenieLacza {
public:
  void ObsluzRamke(std::span<const uint8_t> ramka) override {
    Ramki.emplace_back(ramka.begin(), ramka.end());
    Dziennik.push_back("ramka " + std::to_string(ramka[3]));
    if (PoRamce) PoRamce(Ramki.back());
  }
  void PolaczenieRozpoczete() override { Dziennik.push_back("start"); }
  void LaczeZamkniete() override { Dziennik.push_back("zamkniete"); }

  std::vector<TTablicaByte> Ramki;
  std::vector<std::string> Dziennik;
  std::function<void(const TTablicaByte&)> PoRamce;
};

// History side with a scripted change warning.
class THistoriaTestowa : public THistoriaLacza {
public:
  bool CzyKomendaBezZmian(uint8_t kod) const override { return CzyKomendaBezZmianDomyslnie(kod); }
  bool PotwierdzZmianeNastaw() override {
    ++LiczbaOstrzezen;
    if (PodczasOstrzezenia) PodczasOstrzezenia();
    return Zgoda;
  }
  void ZapiszZmiane(const TDataCzas& kiedy) override { Zmiany.push_back(kiedy); }

  bool Zgoda = true;
  int LiczbaOstrzezen = 0;
  std::vector<TDataCzas> Zmiany;
  std::function<void()> PodczasOstrzezenia;  // what happens while the modal warning is up
};

}  // namespace wtrysk
