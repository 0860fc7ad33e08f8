#include "widok/PasekStatusu.h"

#include <algorithm>

#include "i18n/TKomunikaty.h"
#include "widok/Kolory.h"
#include "wspolne/Zaokraglanie.h"

namespace wtrysk {

namespace {
constexpr int KomunikatPolaczony = 6;
constexpr int KomunikatBrakPolaczenia = 7;
constexpr int KomunikatBenzyna = 26;
constexpr int KomunikatGaz = 27;
constexpr int KomunikatBrakStacyjki = 28;
constexpr int SzerokoscPanelu0 = 100;
constexpr int SzerokoscPanelu1 = 200;
}  // namespace

TWygladPanelu PanelPolaczenia(bool brakPolaczenia, const TKomunikaty& komunikaty) {
  if (brakPolaczenia) return {komunikaty.PobierzKomunikat(KomunikatBrakPolaczenia), KolorCzarny, KolorCzerwony, 8};
  return {komunikaty.PobierzKomunikat(KomunikatPolaczony), KolorCzarny, std::nullopt, 8};
}

TWygladPanelu PanelPaliwa(const TDaneBiezace& d, const TKomunikaty& komunikaty) {
  if (!d.Stacyjka) return {komunikaty.PobierzKomunikat(KomunikatBrakStacyjki), KolorBialy, KolorSrebrny, 10};
  if (d.MiganieSzybkie) return {komunikaty.PobierzKomunikat(KomunikatBenzyna), KolorBialy, KolorCzerwony, 10};
  if (d.NaGazie) return {komunikaty.PobierzKomunikat(KomunikatGaz), KolorBialy, KolorZielony, 10};
  return {komunikaty.PobierzKomunikat(KomunikatBenzyna), KolorBialy, KolorNiebieski, 10};
}

std::array<int, 4> SzerokosciPaneli(int szerokoscOkna, int szerokoscPrawegoPanelu) {
  const int panel2 = std::max(0, szerokoscOkna - SzerokoscPanelu0 - SzerokoscPanelu1 - szerokoscPrawegoPanelu);
  const int panel3 = std::max(0, szerokoscOkna - SzerokoscPanelu0 - SzerokoscPanelu1 - panel2);
  return {SzerokoscPanelu0, SzerokoscPanelu1, panel2, panel3};
}

TPunkt PolozenieTekstu(const TProstokat& p, int szerokoscTekstu, int wysokoscTekstu) {
  const auto x = p.Lewo + Zaokraglij(p.Szerokosc / 2.0) - Zaokraglij(szerokoscTekstu / 2.0);
  const auto y = Zaokraglij((p.Wysokosc - wysokoscTekstu) / 2.0 + p.Gora);
  return {static_cast<int>(x), static_cast<int>(y)};
}

}  // namespace wtrysk
