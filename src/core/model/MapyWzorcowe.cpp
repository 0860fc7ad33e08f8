#include "model/MapyWzorcowe.h"

#include <cstddef>

namespace wtrysk {

namespace {

// A run of equal cells.
struct TOdcinek {
  uint8_t Wartosc;
  int Dlugosc = 1;
};

// Expands runs into a map; the build fails unless they fill exactly every cell.
template <std::size_t N>
constexpr TMapa RozwinMape(const TOdcinek (&odcinki)[N]) {
  TMapa mapa{};
  std::size_t k = 0;
  for (const TOdcinek& o : odcinki) {
    for (int j = 0; j < o.Dlugosc; ++j) mapa.at(k++) = o.Wartosc;
  }
  if (k != mapa.size()) throw "the runs do not fill the map";
  return mapa;
}

constexpr TOdcinek OdcinkiA[] = {
    {162, 20}, {161}, {160}, {159}, {158}, {157}, {156}, {155}, {154}, {153}, {152}, {150},
    {149}, {148}, {147}, {146}, {145}, {144}, {143}, {142}, {141}, {140}, {139}, {138},
    {137, 2}, {136}, {135}, {134}, {133}, {132, 2}, {131}, {130}, {129}, {128}, {127, 2},
    {126}, {125}, {124}, {123}, {122, 2}, {121}, {120}, {119}, {118}, {117, 2}, {116}, {115},
    {114, 3}, {113, 4}, {112, 4}, {111, 5}, {110, 4}, {109, 4}, {108, 5}, {107, 4}, {106, 4},
    {105, 8}, {104, 11}, {103, 12}, {102, 11}, {101, 11}, {100, 11}, {99, 12}, {98, 11},
    {97, 11}, {96, 11}, {95, 12}, {94, 11}, {93, 6},
};

constexpr TOdcinek OdcinkiB[] = {
    {103, 25}, {104, 2}, {103}, {104, 4}, {105, 4}, {106, 2}, {104, 10}, {103, 2}, {102, 4},
    {101, 7}, {99, 7}, {98, 4}, {97, 2}, {96, 7}, {95, 3}, {94, 4}, {93, 6}, {92}, {91, 6},
    {90, 5}, {89, 12}, {88, 11}, {87, 11}, {86, 11}, {85, 12}, {84, 11}, {83, 11}, {82, 12},
    {81, 11}, {80, 11}, {79, 12}, {78, 11}, {77, 4},
};

constexpr TMapa TabelaA = RozwinMape(OdcinkiA);
constexpr TMapa TabelaB = RozwinMape(OdcinkiB);

}  // namespace

const TMapa MapaWzorcowaA = TabelaA;
const TMapa MapaWzorcowaB = TabelaB;

}  // namespace wtrysk
