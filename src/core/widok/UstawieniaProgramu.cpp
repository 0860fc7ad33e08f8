#include "widok/UstawieniaProgramu.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "wspolne/ZapisAtomowy.h"

namespace wtrysk {

namespace {

constexpr std::size_t PozNazwy = 0;
constexpr std::size_t PozPortu = 52;
constexpr std::size_t PozKolorow = 56;
constexpr std::size_t PozWidocznosci = 96;
constexpr std::size_t PozPodzialu = 108;

void Zapisz32(std::span<uint8_t> b, std::size_t poz, uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[poz + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t Czytaj32(std::span<const uint8_t> b, std::size_t poz) {
  uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(b[poz + i]) << (8 * i);
  return v;
}

// The longest prefix of at most n bytes that does not end inside a UTF-8 character.
std::size_t DlugoscBezCietegoZnaku(const std::string& tekst, std::size_t n) {
  if (tekst.size() <= n) return tekst.size();
  std::size_t dl = n;
  // Back off over continuation bytes to the start of the character that did not fit.
  while (dl > 0 && (static_cast<uint8_t>(tekst[dl]) & 0xC0) == 0x80) --dl;
  return dl;
}

}  // namespace

const std::array<uint32_t, TUstawieniaProgramu::LiczbaKanalow> KoloryKanalowDomyslne{
    0x0000FF,  // rpm: red
    0x008000,  // gas pressure: green
    0x008080,  // manifold pressure: olive
    0xFF00FF,  // lambda 1: fuchsia
    0x008080,  // supply voltage: olive
    0xFF0000,  // petrol injection time: blue
    0x008000,  // gas injection time: green
    0x000080,  // gas temperature: maroon
    0x0080FF,  // reducer temperature: orange (255, 128, 0)
    0x800080,  // lambda 2: purple
};

TUstawieniaProgramu UstawieniaDomyslne(bool jestJezykWloski, std::optional<int32_t> pierwszyPort) {
  TUstawieniaProgramu u;
  u.PlikJezyka = jestJezykWloski ? PlikJezykaWloskiego : PlikJezykaAngielskiego;
  u.WybranyPort = pierwszyPort.value_or(0);
  u.KoloryKanalow = KoloryKanalowDomyslne;
  u.WidocznoscKanalow.fill(true);
  u.PodzialMapy = PodzialMapyDomyslny;
  return u;
}

std::array<uint8_t, TUstawieniaProgramu::Rozmiar> ZapiszRekordUstawien(const TUstawieniaProgramu& u) {
  std::array<uint8_t, TUstawieniaProgramu::Rozmiar> b{};
  const std::size_t dl = DlugoscBezCietegoZnaku(u.PlikJezyka, TUstawieniaProgramu::NajdluzszaNazwaJezyka);
  b[PozNazwy] = static_cast<uint8_t>(dl);
  for (std::size_t i = 0; i < dl; ++i) b[PozNazwy + 1 + i] = static_cast<uint8_t>(u.PlikJezyka[i]);
  Zapisz32(b, PozPortu, static_cast<uint32_t>(u.WybranyPort));
  for (std::size_t k = 0; k < u.KoloryKanalow.size(); ++k) Zapisz32(b, PozKolorow + 4 * k, u.KoloryKanalow[k]);
  for (std::size_t k = 0; k < u.WidocznoscKanalow.size(); ++k) b[PozWidocznosci + k] = u.WidocznoscKanalow[k] ? 1 : 0;
  Zapisz32(b, PozPodzialu, static_cast<uint32_t>(u.PodzialMapy));
  return b;
}

std::optional<TUstawieniaProgramu> CzytajRekordUstawien(std::span<const uint8_t> b) {
  if (b.size() < TUstawieniaProgramu::Rozmiar) return std::nullopt;
  TUstawieniaProgramu u;
  std::size_t dl = b[PozNazwy];
  if (dl > TUstawieniaProgramu::NajdluzszaNazwaJezyka) dl = TUstawieniaProgramu::NajdluzszaNazwaJezyka;
  u.PlikJezyka.assign(reinterpret_cast<const char*>(b.data() + PozNazwy + 1), dl);
  u.WybranyPort = static_cast<int32_t>(Czytaj32(b, PozPortu));
  for (std::size_t k = 0; k < u.KoloryKanalow.size(); ++k) u.KoloryKanalow[k] = Czytaj32(b, PozKolorow + 4 * k);
  for (std::size_t k = 0; k < u.WidocznoscKanalow.size(); ++k) u.WidocznoscKanalow[k] = b[PozWidocznosci + k] != 0;
  u.PodzialMapy = static_cast<int32_t>(Czytaj32(b, PozPodzialu));
  return u;
}

std::optional<TUstawieniaProgramu> CzytajPlikUstawien(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  if (!plik) return std::nullopt;
  std::vector<uint8_t> bajty(TUstawieniaProgramu::Rozmiar);
  plik.read(reinterpret_cast<char*>(bajty.data()), static_cast<std::streamsize>(bajty.size()));
  if (plik.gcount() != static_cast<std::streamsize>(bajty.size())) return std::nullopt;
  return CzytajRekordUstawien(bajty);
}

bool ZapiszPlikUstawien(const std::string& sciezka, const TUstawieniaProgramu& u) {
  const auto rekord = ZapiszRekordUstawien(u);
  return ZapiszAtomowo(sciezka, rekord);
}

}  // namespace wtrysk
