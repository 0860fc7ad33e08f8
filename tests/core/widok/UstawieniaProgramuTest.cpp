#include "widok/UstawieniaProgramu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "TFolderTymczasowy.h"

namespace wtrysk {
namespace {

TUstawieniaProgramu Przykladowe() {
  TUstawieniaProgramu u;
  u.PlikJezyka = "Italian.lng";
  u.WybranyPort = 103;
  for (std::size_t k = 0; k < u.KoloryKanalow.size(); ++k) u.KoloryKanalow[k] = 0x00102030u + static_cast<uint32_t>(k);
  u.WidocznoscKanalow = {true, false, true, true, false, true, true, false, true, false};
  u.PodzialMapy = 37;
  return u;
}

TEST(UstawieniaProgramu, DefaultsOfAFirstStart) {
  const auto angielski = UstawieniaDomyslne(false, 3);
  EXPECT_EQ(angielski.PlikJezyka, "English.lng");
  EXPECT_EQ(angielski.WybranyPort, 3);
  EXPECT_EQ(angielski.PodzialMapy, 50);
  EXPECT_EQ(angielski.KoloryKanalow, KoloryKanalowDomyslne);
  EXPECT_EQ(KoloryKanalowDomyslne[0], 0x0000FFu) << "rpm red, red in the low byte";
  EXPECT_EQ(KoloryKanalowDomyslne[8], 0x0080FFu) << "reducer temperature orange 255,128,0";
  for (bool w : angielski.WidocznoscKanalow) EXPECT_TRUE(w);

  EXPECT_EQ(UstawieniaDomyslne(true, 3).PlikJezyka, "Italian.lng");
  EXPECT_EQ(UstawieniaDomyslne(false, std::nullopt).WybranyPort, 0) << "no port entry: no port";
}

TEST(UstawieniaProgramu, RecordLayoutByteByByte) {
  const auto b = ZapiszRekordUstawien(Przykladowe());
  ASSERT_EQ(b.size(), 112u);
  // The language name: the length byte 11, then the 11 characters, zeros to byte 51.
  EXPECT_EQ(b[0], 11);
  EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 12), "Italian.lng");
  for (std::size_t i = 12; i <= 51; ++i) EXPECT_EQ(b[i], 0) << i;
  // The port tag, little-endian.
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 52, b.begin() + 56)), (std::vector<uint8_t>{103, 0, 0, 0}));
  // Colours 0 to 9 from byte 56, four bytes each.
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 56, b.begin() + 60)), (std::vector<uint8_t>{0x30, 0x20, 0x10, 0}));
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 92, b.begin() + 96)), (std::vector<uint8_t>{0x39, 0x20, 0x10, 0}));
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 96, b.begin() + 106)),
            (std::vector<uint8_t>{1, 0, 1, 1, 0, 1, 1, 0, 1, 0}));
  EXPECT_EQ(b[106], 0);
  EXPECT_EQ(b[107], 0);
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 108, b.begin() + 112)), (std::vector<uint8_t>{37, 0, 0, 0}));
}

TEST(UstawieniaProgramu, NegativeNumbersAndRoundTrip) {
  auto u = Przykladowe();
  u.WybranyPort = -1;
  u.PodzialMapy = -5;
  u.PlikJezyka.clear();
  const auto b = ZapiszRekordUstawien(u);
  EXPECT_EQ(b[0], 0) << "no language file";
  EXPECT_EQ((std::vector<uint8_t>(b.begin() + 52, b.begin() + 56)), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(CzytajRekordUstawien(b), u);
  EXPECT_EQ(CzytajRekordUstawien(ZapiszRekordUstawien(Przykladowe())), Przykladowe());
}

TEST(UstawieniaProgramu, OddRecordsAreReadSafely) {
  auto b = ZapiszRekordUstawien(Przykladowe());
  EXPECT_FALSE(CzytajRekordUstawien(std::span<const uint8_t>(b).first(111)).has_value()) << "short";

  // A length byte past the 50 characters the field holds reads 50, never beyond.
  b[0] = 200;
  const auto dlugi = CzytajRekordUstawien(b);
  ASSERT_TRUE(dlugi.has_value());
  EXPECT_EQ(dlugi->PlikJezyka.size(), 50u);
  EXPECT_EQ(dlugi->WybranyPort, 103);

  // Any switch byte other than 0 is on; writing gives 1 back.
  b[97] = 7;
  EXPECT_TRUE(CzytajRekordUstawien(b)->WidocznoscKanalow[1]);
  EXPECT_EQ(ZapiszRekordUstawien(*CzytajRekordUstawien(b))[97], 1);
}

TEST(UstawieniaProgramu, LongLanguageNameIsCutAtAWholeCharacter) {
  TUstawieniaProgramu u;
  u.PlikJezyka = std::string(49, 'a') + "\xC5\x82" + "b.lng";  // 49 letters, then a two-byte "ł"
  const auto b = ZapiszRekordUstawien(u);
  EXPECT_EQ(b[0], 49) << "the two-byte character does not fit in byte 50";
  EXPECT_EQ(b[50], 0);
  u.PlikJezyka = std::string(60, 'x');
  EXPECT_EQ(ZapiszRekordUstawien(u)[0], 50);
}

TEST(UstawieniaProgramu, FileMissingShortOrWhole) {
  TFolderTymczasowy folder;
  const std::string sciezka = folder.Plik("ustawienia.dat");
  EXPECT_FALSE(CzytajPlikUstawien(sciezka).has_value()) << "missing";

  const auto rekord = ZapiszRekordUstawien(Przykladowe());
  TFolderTymczasowy::Zapisz(sciezka, std::span<const uint8_t>(rekord).first(60));
  EXPECT_FALSE(CzytajPlikUstawien(sciezka).has_value()) << "short";

  ASSERT_TRUE(ZapiszPlikUstawien(sciezka, Przykladowe()));
  EXPECT_EQ(TFolderTymczasowy::Czytaj(sciezka).size(), 112u);
  EXPECT_EQ(CzytajPlikUstawien(sciezka), Przykladowe());

  // Longer files (a record written by something else) give their first record.
  std::vector<uint8_t> dluzszy(rekord.begin(), rekord.end());
  dluzszy.resize(300, 0xEE);
  TFolderTymczasowy::Zapisz(sciezka, dluzszy);
  EXPECT_EQ(CzytajPlikUstawien(sciezka), Przykladowe());

  EXPECT_FALSE(CzytajPlikUstawien(folder.Sciezka.string()).has_value()) << "a folder is no file";
}

TEST(UstawieniaProgramu, AFailedWriteKeepsTheEarlierFile) {
  TFolderTymczasowy folder;
  const std::string sciezka = folder.Plik("ustawienia.dat");
  ASSERT_TRUE(ZapiszPlikUstawien(sciezka, Przykladowe()));
  std::filesystem::create_directory(sciezka + ".tmp~");  // the temporary name is taken
  auto inne = Przykladowe();
  inne.WybranyPort = 5;
  EXPECT_FALSE(ZapiszPlikUstawien(sciezka, inne));
  EXPECT_EQ(CzytajPlikUstawien(sciezka), Przykladowe());
  EXPECT_FALSE(ZapiszPlikUstawien(folder.Plik("brak/ustawienia.dat"), inne));
}

}  // namespace
}  // namespace wtrysk
