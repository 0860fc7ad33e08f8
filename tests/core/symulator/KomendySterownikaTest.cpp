#include "symulator/KomendySterownika.h"

#include <gtest/gtest.h>

#include "link/Ramka.h"

namespace wtrysk {
namespace {

TEST(UkladFirmwareTest, FirmwareWithoutItsOwnLayoutTalksLikeTheNearestLowerOne) {
  const std::pair<int, int> przypadki[] = {{0, 15}, {14, 15}, {15, 15}, {16, 16}, {21, 21}, {22, 21}, {23, 23},
                                           {24, 24}, {25, 24}, {26, 26}, {27, 26}, {30, 26}, {255, 26}};
  for (const auto& [firmware, uklad] : przypadki) EXPECT_EQ(UkladFirmware(firmware), uklad) << "firmware " << firmware;
}

struct TPrzypadekDlugosci {
  uint8_t Kod;
  int Uklad;
  std::optional<std::size_t> Dlugosc;
};

TEST(DlugoscDanychKomendyTest, FollowsTheCommandAndTheLayout) {
  const TPrzypadekDlugosci przypadki[] = {
      {1, 15, 1},   {12, 26, 1},  {37, 24, 0},  {38, 15, 0},  {3, 20, 2},   {29, 24, 2},   {25, 17, 3},
      {2, 21, 5},   {13, 20, 5},  {53, 24, 8},  {32, 16, 20}, {11, 18, 246}, {6, 15, 246},
      // The settings image is as long as that layout's image.
      {26, 15, 535}, {26, 16, 535}, {26, 17, 537}, {26, 19, 537}, {26, 20, 539}, {26, 21, 540},
      {26, 23, 541}, {26, 24, 554}, {26, 26, 554},
      // The switch-over delay grew to two bytes with layout 23.
      {34, 21, 1}, {34, 23, 2}, {34, 26, 2},
      // Only controllers with a history area know the history commands.
      {59, 23, std::nullopt}, {59, 24, 254}, {60, 21, std::nullopt}, {60, 26, 1},
      // Codes nobody sends.
      {0, 24, std::nullopt}, {4, 24, std::nullopt}, {7, 24, std::nullopt}, {20, 24, std::nullopt},
      {50, 24, std::nullopt}, {62, 24, std::nullopt}, {200, 24, std::nullopt}, {0xAA, 24, std::nullopt}};
  for (const auto& p : przypadki) {
    EXPECT_EQ(DlugoscDanychKomendy(p.Kod, p.Uklad), p.Dlugosc) << "code " << int(p.Kod) << ", layout " << p.Uklad;
  }
}

TEST(DlugoscDanychKomendyTest, EverySettingsCommandOfTheCatalogueIsKnownToTheNewestLayout) {
  for (int kod : {9, 10, 14, 15, 16, 17, 18, 19, 23, 24, 27, 30, 31, 33, 35, 36, 39, 40, 41, 42, 43, 44, 45, 46, 47,
                  48, 49, 51, 52, 54, 55, 56, 57, 58, 61}) {
    EXPECT_EQ(DlugoscDanychKomendy(static_cast<uint8_t>(kod), 26), 1u) << "code " << kod;
  }
}

using R = TPoczatekWejscia::TRodzaj;

struct TPrzypadekPoczatku {
  const char* Nazwa;
  TTablicaByte Bajty;
  R Rodzaj;
  std::size_t Dlugosc;
};

TEST(RozpoznajKomendeTest, FramesKnownCommandsAndDropsOnlyWhatCannotStartOne) {
  const TTablicaByte zapytanie(RamkaZapytania.begin(), RamkaZapytania.end());
  TTablicaByte zlaSuma = zapytanie;
  zlaSuma.back() ^= 0x01;
  TTablicaByte dwieRamki = zapytanie;
  dwieRamki.insert(dwieRamki.end(), zapytanie.begin(), zapytanie.end());
  const TPrzypadekPoczatku przypadki[] = {
      {"nothing yet", {}, R::Niepelny, 0},
      {"a lone start byte", {0xAA}, R::Niepelny, 0},
      {"half a poll", {0xAA, 0x01, 0x01}, R::Niepelny, 0},
      {"a poll", zapytanie, R::Ramka, 4},
      {"the first of two polls", dwieRamki, R::Ramka, 4},
      {"noise up to the next start byte", {0x00, 0x17, 0x55, 0xAA, 0x01}, R::Odrzuc, 3},
      {"noise without a start byte", {0x01, 0x02}, R::Odrzuc, 2},
      {"an unknown command drops only its start byte", {0xAA, 0x07, 0xAA, 0x01, 0x01, 0xAC}, R::Odrzuc, 1},
      {"a bad checksum drops only the start byte", zlaSuma, R::Odrzuc, 1},
      {"a command without payload", {0xAA, 0x26, 0xD0}, R::Ramka, 3},
      {"a long command waits for its payload", {0xAA, 0x0B, 0x64, 0x64}, R::Niepelny, 0},
  };
  for (const auto& p : przypadki) {
    const TPoczatekWejscia wynik = RozpoznajKomende(p.Bajty, 24);
    EXPECT_EQ(wynik.Rodzaj, p.Rodzaj) << p.Nazwa;
    EXPECT_EQ(wynik.Dlugosc, p.Dlugosc) << p.Nazwa;
  }
}

TEST(RozpoznajKomendeTest, TheSwitchOverDelayIsFramedByTheLayout) {
  const TTablicaByte jedenBajt = ZbudujRamkeKomendy(34, TTablicaByte{120});
  const TTablicaByte dwaBajty = ZbudujRamkeKomendy(34, TTablicaByte{0x04, 0xB0});
  EXPECT_EQ(RozpoznajKomende(jedenBajt, 21).Rodzaj, R::Ramka);
  EXPECT_EQ(RozpoznajKomende(dwaBajty, 23).Rodzaj, R::Ramka);
  EXPECT_EQ(RozpoznajKomende(jedenBajt, 23).Rodzaj, R::Niepelny) << "a layout-23 controller waits for the second byte";
}

}  // namespace
}  // namespace wtrysk
