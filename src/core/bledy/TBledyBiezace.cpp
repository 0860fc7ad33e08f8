#include "bledy/TBledyBiezace.h"

#include "i18n/TKomunikaty.h"

namespace wtrysk {

namespace {
bool Aktywna(const TBajtyBledow& e, const TFlagaBledu& flaga) {
  return (e[static_cast<std::size_t>(flaga.Bajt)] & (1u << flaga.Bit)) == 0;
}
}  // namespace

TListyBledowBiezacych ZbudujListyBledowBiezacych(const TBajtyBledow& e, const TKomunikaty& komunikaty) {
  TListyBledowBiezacych listy;
  DodajLinieWtryskiwaczy(listy.Bledy, e[2], e[3], komunikaty);
  for (const auto& flaga : FlagiBledowBiezacych) {
    if (Aktywna(e, flaga)) DodajLinieBledu(listy.Bledy, komunikaty.PobierzKomunikat(flaga.Komunikat));
  }
  for (const auto& flaga : FlagiKomunikatow) {
    if (Aktywna(e, flaga)) DodajLinieBledu(listy.Komunikaty, komunikaty.PobierzKomunikat(flaga.Komunikat));
  }
  return listy;
}

bool TBledyBiezace::OdswiezBledyBiezace(const TBajtyBledow& e, bool stronaWidoczna,
                                        const TKomunikaty& komunikaty) {
  if ((Zbudowane && e == Pokazane) || !stronaWidoczna) return false;
  Listy = ZbudujListyBledowBiezacych(e, komunikaty);
  Pokazane = e;
  Zbudowane = true;
  return true;
}

}  // namespace wtrysk
