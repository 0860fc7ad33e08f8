#include "pliki/PlikNastaw.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

#include "historia/TInfoOSterObject.h"
#include "i18n/TKomunikaty.h"
#include "pliki/FormatPlikuNastaw.h"
#include "ui/TOknoKomunikatow.h"
#include "wspolne/ZapisAtomowy.h"

namespace wtrysk {

namespace {

constexpr uint8_t KomendaIdentyfikacji = 12;
constexpr uint8_t KomendaObrazuNastaw = 26;

constexpr int KomunikatBrakSterownika = 18;
constexpr int KomunikatNieznanaWersja = 34;
constexpr int KomunikatPlikNieprawidlowy = 35;
constexpr int KomunikatNieMoznaOtworzyc = 38;
constexpr int KomunikatNieMoznaZapisac = 78;

// The first firmware whose settings carry the switch-over delay in 16 bits.
constexpr int WersjaCzasuPrzelaczenia16 = 23;

void PokazBlad(const TKontekstPlikuNastaw& k, int numer, const std::string& dopisek = {}) {
  k.Okno.PokazBlad(k.Komunikaty.PobierzKomunikat(numer) + dopisek);
}

bool Polaczony(const TKontekstPlikuNastaw& k) { return k.Port && k.Port->Polaczony() && k.Wersja; }

// Reads up to `ile` more bytes onto the end of `bajty`; a file that ends first gives fewer.
// False on a read error.
bool DoczytajDo(std::ifstream& plik, std::size_t ile, std::vector<uint8_t>& bajty) {
  if (bajty.size() >= ile) return true;
  const std::size_t bylo = bajty.size();
  bajty.resize(ile);
  plik.read(reinterpret_cast<char*>(bajty.data() + bylo), static_cast<std::streamsize>(ile - bylo));
  bajty.resize(bylo + static_cast<std::size_t>(plik.gcount()));
  return !plik.bad();
}

// The switch-over delay lives in one of two fields: up to firmware 21 the one-byte
// CzasPrzelaczenia, from 23 CzasPrzelaczenia16. Bodies from 23 on carry both, but only the
// 16-bit one is the controller's. The connected firmware's image takes only its own field, so
// without this a file from firmware 21 or older loaded into 23 or newer would send the default
// 3.0 s instead of the file's delay, and a newer file whose one-byte field is stale would send
// that to older firmware. The field the file's firmware uses is copied into the other one; a
// delay beyond one byte becomes 255, which the older firmware's range rule then limits.
void UzgodnijCzasPrzelaczenia(TNastawy& n, int wersjaTresci) {
  if (wersjaTresci < WersjaCzasuPrzelaczenia16) {
    n.CzasPrzelaczenia16 = n.CzasPrzelaczenia;
  } else {
    n.CzasPrzelaczenia = static_cast<uint8_t>(std::min<uint16_t>(n.CzasPrzelaczenia16, 255));
  }
}

}  // namespace

bool SterownikGotowy(const TKontekstPlikuNastaw& k) {
  if (Polaczony(k)) return true;
  PokazBlad(k, KomunikatBrakSterownika);
  return false;
}

void OdswiezNastawyDoZapisu(const TKontekstPlikuNastaw& k, std::function<void(bool gotowe)> gotowe) {
  auto zakoncz = [k, gotowe = std::move(gotowe)](bool odpowiedziano) {
    // The answer's identification has run by now: it set NastawyOdebrane when it decoded the
    // settings. An answer it could not decode leaves the flag clear, and the settings in the
    // model are not the controller's current ones.
    const bool swieze = odpowiedziano && Polaczony(k) && k.Model.Nastawy.NastawyOdebrane;
    if (!swieze) PokazBlad(k, KomunikatBrakSterownika);
    if (gotowe) gotowe(swieze);
  };
  if (!k.Port || !k.Port->Polaczony()) {
    zakoncz(false);
    return;
  }
  k.Model.Nastawy.NastawyOdebrane = false;
  k.Port->WyslijKomende(KomendaIdentyfikacji, {0}, std::move(zakoncz));
}

bool ZapiszNastawyDoPliku(const TKontekstPlikuNastaw& k, const std::string& nazwa) {
  if (!k.Wersja) {
    PokazBlad(k, KomunikatBrakSterownika);
    return false;
  }
  if (nazwa.empty()) return false;
  const auto bajty = ZbudujPlikNastaw(k.Identyfikacja, *k.Wersja, k.Model.Nastawy);
  if (!ZapiszAtomowo(nazwa, bajty)) {
    PokazBlad(k, KomunikatNieMoznaZapisac, nazwa);
    return false;
  }
  return true;
}

void ZapiszPlikNastaw(const TKontekstPlikuNastaw& k, std::string nazwa, std::function<void(bool zapisano)> wynik) {
  OdswiezNastawyDoZapisu(k, [k, nazwa = std::move(nazwa), wynik = std::move(wynik)](bool gotowe) {
    const bool zapisano = gotowe && ZapiszNastawyDoPliku(k, nazwa);
    if (wynik) wynik(zapisano);
  });
}

void NastawyZPliku(std::span<const uint8_t> bajty, const TNaglowekPlikuNastaw& naglowek, const TWersja15& wersjaPliku,
                   const TWersja15& wersjaSterownika, TTypWtryskiwacza& typ, TNastawy& n) {
  NastawyDomyslne(n);
  TCzytnikPliku tresc(bajty, naglowek.PoczatekTresci);
  wersjaPliku.CzytajZPliku(tresc, n);
  UzgodnijCzasPrzelaczenia(n, wersjaPliku.NumerWersji);
  n.NastawyOdebrane = false;
  // Firmware before 17 kept the injector kind in Flagi bit 0 alone.
  if ((n.Flagi & FlagiBit::WtryskiwaczDawny) != 0 && n.TypWtryskiwacza == 0) n.TypWtryskiwacza = 1;
  wersjaSterownika.PoprawNastawy(n, typ);
}

bool WczytajPlikNastaw(const TKontekstPlikuNastaw& k, const std::string& nazwa) {
  if (!SterownikGotowy(k)) return false;
  if (nazwa.empty()) return false;

  std::ifstream plik(nazwa, std::ios::binary);
  std::vector<uint8_t> bajty;
  if (!plik || !DoczytajDo(plik, NajdluzszyNaglowekPlikuNastaw, bajty)) {
    PokazBlad(k, KomunikatNieMoznaOtworzyc, nazwa);
    return false;
  }

  const std::optional<TNaglowekPlikuNastaw> naglowek = CzytajNaglowekPlikuNastaw(bajty);
  if (!naglowek) {
    PokazBlad(k, KomunikatPlikNieprawidlowy);
    return false;
  }
  // Files from firmware before 19 do not say which program they need; the connected
  // controller's requirement stands in.
  const int wymagana = naglowek->WymaganaWersjaProgramu.value_or(k.Identyfikacja.WymaganaWersjaProgramu);
  const std::unique_ptr<TWersja15> wersjaPliku = WersjaDlaPlikuNastaw(naglowek->WersjaFirmware, wymagana);
  if (!wersjaPliku) {
    PokazBlad(k, KomunikatNieznanaWersja);
    return false;
  }
  if (!DoczytajDo(plik, naglowek->PoczatekTresci + wersjaPliku->DlugoscTresciPliku(), bajty)) {
    PokazBlad(k, KomunikatNieMoznaOtworzyc, nazwa);
    return false;
  }

  TNastawy& n = k.Model.Nastawy;
  if (k.Historia) k.Historia->Resetuj();
  NastawyZPliku(bajty, *naglowek, *wersjaPliku, *k.Wersja, k.TypWtryskiwacza, n);

  const TTablicaByte obraz = k.Wersja->ObrazNastaw(n);
  k.Port->WyslijKomende(KomendaObrazuNastaw, obraz);
  k.Port->WyslijKomende(KomendaIdentyfikacji, {0});
  return true;
}

}  // namespace wtrysk
