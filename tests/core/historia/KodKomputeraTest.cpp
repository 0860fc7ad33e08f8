#include "historia/KodKomputera.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace wtrysk {
namespace {

namespace fs = std::filesystem;

TEST(KodKomputera, IdentityHashIsStableAndIgnoresSurroundingWhiteSpace) {
  EXPECT_EQ(KodZIdentyfikatora("a"), 0xE40C292Cu);  // the FNV-1a value of "a"
  const std::string id = "3f1c8e0d2b7a4c9e8f6a5b4c3d2e1f00";
  EXPECT_EQ(KodZIdentyfikatora(id + "\n"), KodZIdentyfikatora(id));
  EXPECT_EQ(KodZIdentyfikatora("  " + id + "\r\n"), KodZIdentyfikatora(id));
  EXPECT_NE(KodZIdentyfikatora(id), KodZIdentyfikatora("3f1c8e0d2b7a4c9e8f6a5b4c3d2e1f01"));
}

class KodZPlikowTest : public ::testing::Test {
public:
  KodZPlikowTest() : Katalog(fs::path(::testing::TempDir()) / "wtrysk_kod_komputera") {
    fs::remove_all(Katalog);
    fs::create_directories(Katalog);
  }
  ~KodZPlikowTest() override { fs::remove_all(Katalog); }

  std::string Plik(const std::string& nazwa, const std::string& tresc) {
    const auto sciezka = Katalog / nazwa;
    std::ofstream(sciezka, std::ios::binary) << tresc;
    return sciezka.string();
  }
  std::string Brak(const std::string& nazwa) { return (Katalog / nazwa).string(); }

  fs::path Katalog;
};

TEST_F(KodZPlikowTest, FirstFileWithAnIdentityWins) {
  const auto pierwszy = Plik("machine-id", "1111\n");
  const auto drugi = Plik("dbus-machine-id", "2222\n");
  const auto pusty = Plik("pusty", " \n");
  struct Przypadek {
    const char* Opis;
    std::vector<std::string> Sciezki;
    uint32_t Kod;
  };
  const Przypadek przypadki[] = {
      {"first readable", {pierwszy, drugi}, KodZIdentyfikatora("1111")},
      {"first missing", {Brak("nie-ma"), drugi}, KodZIdentyfikatora("2222")},
      {"first blank", {pusty, drugi}, KodZIdentyfikatora("2222")},
      {"a directory is no identity", {Katalog.string(), drugi}, KodZIdentyfikatora("2222")},
      {"none readable", {Brak("a"), Brak("b")}, KodKomputeraZastepczy},
      {"no files at all", {}, KodKomputeraZastepczy},
  };
  for (const auto& p : przypadki) EXPECT_EQ(KodZPlikow(p.Sciezki), p.Kod) << p.Opis;
}

TEST(KodKomputera, ThisMachineHasOneNonZeroCode) {
  const uint32_t kod = KodTegoKomputera();
  EXPECT_NE(kod, 0u);
  EXPECT_EQ(KodTegoKomputera(), kod);
}

}  // namespace
}  // namespace wtrysk
